#include "controls/win1250_input.h"

#include "base/win1250.h"

#include <QApplication>
#include <QLineEdit>
#include <limits>

bool refuseUnencodable(const QString& text)
{
    if (win1250::canEncode(text))
        return false;
    QApplication::beep();
    return true;
}

QValidator::State Win1250Validator::validate(QString& input, int&) const
{
    if (typingLimit > 0 && input.size() > typingLimit && input.size() > previousLength) {
        QApplication::beep();
        return Invalid;
    }
    return refuseUnencodable(input) ? Invalid : Acceptable;
}

QWidget* Win1250CellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setValidator(new Win1250Validator(line));
        line->setMaxLength(std::numeric_limits<int>::max());   // a long cell is not cut to 32767
    }
    return editor;
}
