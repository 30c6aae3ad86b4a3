#pragma once
// Typing or pasting a character that Windows-1250 cannot hold is refused on the spot, with
// a beep, so a document never saves such a character silently as "?". The edit box carries
// the validator, the memo checks keys and pasted text with refuseUnencodable(), and a table
// gets its cell editors from Win1250CellDelegate.

#include <QStyledItemDelegate>
#include <QValidator>

// True, after a beep, when `text` holds a character that Windows-1250 cannot hold.
bool refuseUnencodable(const QString& text);

// Win1250Validator: refuses (with a beep) any text that Windows-1250 cannot hold, and, when
// a typing limit is set, typing that would make the text longer than the limit. The limit
// governs typing only: a longer text set by the program (a value read from a document)
// stays whole and may still be shortened.
class Win1250Validator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;

    // 0 means no limit.
    int typingLimit = 0;
    // The length of the text before the edit being validated; kept by the edit box.
    int previousLength = 0;
};

// Win1250CellDelegate: an item delegate whose text editors carry a Win1250Validator.
// A delegate that paints a bound table's cells derives from it, so the guard stays.
class Win1250CellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
};
