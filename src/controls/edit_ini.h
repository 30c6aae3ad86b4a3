#pragma once
// TEditIni: a single-line edit box bound to one key; stores its text unchanged.

#include "controls/bound_control.h"

#include <QLineEdit>

class TEditIni : public QLineEdit, public BoundControl {
    Q_OBJECT
public:
    explicit TEditIni(QWidget* parent = nullptr);

    // The most characters the user may type; a longer value read from the document is shown
    // and stored whole (unlike QLineEdit::setMaxLength, which would cut it).
    void setTypingLimit(int limit);


signals:
    void OnMouseEnter(QWidget* sender);
    void OnMouseExit(QWidget* sender);

protected:
    void showField() override;
    void connectEdits() override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    class Win1250Validator* validator_;
};
