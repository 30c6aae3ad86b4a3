#include "documents/row_scroll.h"

#include <QEvent>
#include <QHeaderView>
#include <QTableView>

RowScroll::RowScroll(QTableView* table) : QObject(table), table_(table)
{
    connect(table->verticalHeader(), &QHeaderView::sectionResized, this, &RowScroll::rowResized);
    table->viewport()->installEventFilter(this);
}

bool RowScroll::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize)
        scrollByPixels(someRowIsTooTall());
    return QObject::eventFilter(watched, event);
}

// Only a row that grows past the visible area, or one that was past it, can change the way;
// the whole table is looked at only in the second case.
void RowScroll::rowResized(int, int oldHeight, int newHeight)
{
    const int visible = table_->viewport()->height();
    if (newHeight > visible)
        scrollByPixels(true);
    else if (oldHeight > visible)
        scrollByPixels(someRowIsTooTall());
}

bool RowScroll::someRowIsTooTall() const
{
    const QHeaderView* rows = table_->verticalHeader();
    const int visible = table_->viewport()->height();
    for (int row = 0; row < rows->count(); ++row) {
        if (!rows->isSectionHidden(row) && rows->sectionSize(row) > visible)
            return true;
    }
    return false;
}

void RowScroll::scrollByPixels(bool byPixels)
{
    const auto mode = byPixels ? QAbstractItemView::ScrollPerPixel : QAbstractItemView::ScrollPerItem;
    if (table_->verticalScrollMode() == mode)
        return;
    const int top = table_->rowAt(0);
    table_->setVerticalScrollMode(mode);
    if (top >= 0)
        table_->scrollTo(table_->model()->index(top, qMax(0, table_->columnAt(0))), QAbstractItemView::PositionAtTop);
}
