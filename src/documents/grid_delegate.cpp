#include "documents/grid_delegate.h"

#include "documents/text_lines.h"
#include "risk/risk_method.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QToolTip>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QTableView>

namespace {

// Text sits 2 pixels in from the cell's left and right edges and 1 pixel below its top;
// a row is grown to the wrapped text's height plus 2 pixels.
constexpr int TextMargin = 2;
constexpr int RowSlack = 2;
constexpr int GridLine = 1;

// The property of a cell editor that keeps the cell's text from before the typing.
constexpr char TextBeforeTyping[] = "textBeforeTyping";

QRect textRect(const QRect& cell)
{
    return cell.adjusted(TextMargin, 1, -TextMargin, 0);
}

} // namespace

void replaceGridDelegate(QTableView* table, GridDelegate* delegate)
{
    if (auto* old = qobject_cast<GridDelegate*>(table->itemDelegate())) {
        delegate->editorKeyWatcher = old->editorKeyWatcher;
        table->setItemDelegate(delegate);
        delete old;
    }
}

GridDelegate::GridDelegate(QTableView* table, Style style)
    : Win1250CellDelegate(table), table_(table), style_(style)
{
}

bool GridDelegate::isRed(const QString& text) const
{
    switch (style_.red) {
    case RedRule::Unacceptable:
        return risk::isUnacceptable(text);
    case RedRule::ContainsNie:
        return text.contains(QLatin1String("NIE"), Qt::CaseSensitive);
    case RedRule::None:
        break;
    }
    return false;
}

bool GridDelegate::isOffScale(const QModelIndex& index) const
{
    return offScale && index.row() > 0 && offScale(index.column(), index.row());
}

QString GridDelegate::rowWarningOf(const QModelIndex& index) const
{
    return rowWarning && index.row() > 0 ? rowWarning(index.row()) : QString();
}

QString GridDelegate::rowNoticeOf(const QModelIndex& index) const
{
    return rowNotice && index.row() > 0 ? rowNotice(index.row()) : QString();
}

QString GridDelegate::cellToolTip(const QModelIndex& index) const
{
    if (isOffScale(index))
        return QStringLiteral("Wartość spoza skali metody – wybierz ponownie");
    const QString warning = rowWarningOf(index);
    return warning.isEmpty() ? rowNoticeOf(index) : warning;
}

QString GridDelegate::cellText(const QModelIndex& index) const
{
    return index.data().toString();
}

bool GridDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                             const QModelIndex& index)
{
    if (event->type() == QEvent::ToolTip) {
        if (const QString tip = cellToolTip(index); !tip.isEmpty()) {
            QToolTip::showText(event->globalPos(), tip, view);
            return true;
        }
    }
    return Win1250CellDelegate::helpEvent(event, view, option, index);
}

QFont GridDelegate::titleFont() const
{
    QFont font = table_->font();
    font.setBold(style_.boldTitles);
    return font;
}

int GridDelegate::titleWidth(int column) const
{
    const QString title = table_->model()->index(0, column).data().toString();
    return QFontMetrics(titleFont()).horizontalAdvance(title) + 2 * TextMargin + GridLine;
}

QColor GridDelegate::textColour(const QModelIndex& index) const
{
    const QPalette& palette = table_->palette();
    if (index.row() == 0)
        return palette.color(QPalette::ButtonText);
    if (isRed(index.data().toString()) || !rowWarningOf(index).isEmpty())
        return Red;
    if (isOffScale(index) || !rowNoticeOf(index).isEmpty())
        return palette.color(QPalette::Text);
    const bool focused = index == table_->currentIndex();
    if (index.row() % 2 == 0)
        return style_.evenRowsWindowText && !focused ? palette.color(QPalette::WindowText)
                                                     : palette.color(QPalette::Text);
    return table_->selectionModel()->isSelected(index) ? palette.color(QPalette::HighlightedText)
                                                       : palette.color(QPalette::Text);
}

QColor GridDelegate::backgroundColour(const QModelIndex& index) const
{
    const QPalette& palette = table_->palette();
    if (index.row() == 0)
        return palette.color(QPalette::Button);
    if (isOffScale(index) || !rowNoticeOf(index).isEmpty())
        return Warning;
    if (index.row() % 2 == 0)
        return palette.color(QPalette::ToolTipBase);
    return table_->selectionModel()->isSelected(index) ? palette.color(QPalette::Highlight)
                                                       : palette.color(QPalette::Base);
}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QString text = cellText(index);
    const QRect cell = option.rect;
    painter->save();
    painter->fillRect(cell, backgroundColour(index));
    painter->setPen(textColour(index));

    if (index.row() == 0) {
        painter->setFont(titleFont());
        painter->drawText(textRect(cell), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    } else {
        painter->setFont(option.font);
        // Words wider than the cell break inside, so a narrow column still shows its whole
        // text; of a tall cell only the lines in the view are drawn.
        const bool underButton = buttonRoom && index == table_->currentIndex();
        const QRect area = textRect(cell).adjusted(0, 0, underButton ? -buttonRoom(index.column()) : 0, 0);
        CharAdvances advances(option.font, painter->device());
        const TextLines lines(text, area.width(), advances);
        const int needed = lines.height() + RowSlack;
        if (table_->rowHeight(index.row()) < needed)
            growRowLater(table_, index.row(), needed);
        QRect visible = table_->viewport()->rect() & area;
        if (painter->hasClipping())
            visible &= painter->clipBoundingRect().toAlignedRect();
        lines.draw(*painter, area.topLeft(), visible);
    }

    if (index == table_->currentIndex()) {
        if (table_->hasFocus()) {
            painter->setPen(QPen(option.palette.color(QPalette::WindowText), 1, Qt::DotLine));
            painter->drawRect(cell.adjusted(0, 0, -1, -1));
        }
        if (focusedCellPainted) {
            QMetaObject::invokeMethod(
                table_, [call = focusedCellPainted, column = index.column(), row = index.row()] { call(column, row); },
                Qt::QueuedConnection);
        }
    }
    painter->restore();
}

void growRowLater(QTableView* table, int row, int height)
{
    QMetaObject::invokeMethod(
        table,
        [table, row, height] {
            if (row >= table->model()->rowCount() || table->rowHeight(row) >= height)
                return;
            const QModelIndex current = table->currentIndex();
            const bool inView = current.isValid() && table->viewport()->rect().contains(table->visualRect(current));
            table->setRowHeight(row, height);
            if (inView) {
                // The scroll range follows the new height only later; it must know it now.
                table->doItemsLayout();
                table->scrollTo(current);
            }
        },
        Qt::QueuedConnection);
}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QWidget* editor = Win1250CellDelegate::createEditor(parent, option, index);
    if (editor && editorKeyWatcher)
        editor->installEventFilter(editorKeyWatcher);
    // The cell holds what is typed at once: a save or a closing question that comes while
    // the editor is still open (a toolbar button takes no focus) writes it. Esc puts back
    // the text the cell had when the typing began.
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        auto* self = const_cast<GridDelegate*>(this);
        line->setProperty(TextBeforeTyping, index.data());
        connect(line, &QLineEdit::textEdited, self, [self, line] { emit self->commitData(line); });
    }
    return editor;
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    // Every edit is committed at once and comes straight back from the cell: setting the
    // same text again would empty the editor's undo, and Ctrl+Z would take nothing back.
    if (auto* line = qobject_cast<QLineEdit*>(editor); line && line->text() == index.data(Qt::EditRole).toString())
        return;
    Win1250CellDelegate::setEditorData(editor, index);
}

bool GridDelegate::eventFilter(QObject* object, QEvent* event)
{
    auto* line = qobject_cast<QLineEdit*>(object);
    if (line && event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        line->setText(line->property(TextBeforeTyping).toString());
        emit commitData(line);
    }
    return Win1250CellDelegate::eventFilter(object, event);
}
