#pragma once
// TMemoIni: a multi-line memo bound to a key stem; one key per paragraph (stem1, stem2, ...)
// followed by the end marker "@NUL@"; an empty paragraph is stored as "@#13#10@".
// As in other desktop forms, Tab moves to the next field and Ctrl+Tab types a tab.

#include "controls/bound_control.h"

#include <QPlainTextEdit>
#include <QStringList>

class TMemoIni : public QPlainTextEdit, public BoundControl {
    Q_OBJECT
public:
    explicit TMemoIni(QWidget* parent = nullptr);

    // The memo's paragraphs; a trailing empty paragraph (the cursor's line after a final
    // line break) is not a line, so an empty memo has none.
    QStringList lines() const;
    void setLines(const QStringList& lines);


signals:
    void OnMouseEnter(QWidget* sender);
    void OnMouseExit(QWidget* sender);

protected:
    void showField() override;
    void connectEdits() override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    // Typed, composed, pasted or dropped text that Windows-1250 cannot hold is refused.
    void keyPressEvent(QKeyEvent* event) override;
    // Ctrl+Tab is the MDI area's window switch, which watches the whole application: while
    // the memo has the focus it watches first and keeps Ctrl+Tab for itself.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
};
