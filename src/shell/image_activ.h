#pragma once
// TImageActiv: an image that tells when the mouse pointer enters and leaves it and when it
// is clicked. It also takes the keyboard focus: reaching it with Tab and losing the focus
// count as the pointer entering and leaving, and Enter or Space as a click, so it serves as
// a button from the keyboard too.

#include <QLabel>

class TImageActiv : public QLabel {
    Q_OBJECT
public:
    explicit TImageActiv(QWidget* parent);

signals:
    void OnMouseEnter(QObject* sender);
    void OnMouseExit(QObject* sender);
    void OnClick(QObject* sender);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
