#include "documents/title_row_header.h"

#include <QPainter>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <algorithm>

namespace {

// The title is drawn 1 pixel below the top; the grid line takes the last pixel.
constexpr int TitleSlack = 2;

} // namespace

TitleRowHeader::TitleRowHeader(QTableView* table) : QHeaderView(Qt::Horizontal, table), table_(table)
{
    setSectionsClickable(false);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Fixed);
    table->setHorizontalHeader(this);
    table->setRowHidden(0, true);
}

QSize TitleRowHeader::sizeHint() const
{
    QFont bold = table_->font();
    bold.setBold(true);
    const int text = QFontMetrics(bold).height() + TitleSlack;
    return {QHeaderView::sizeHint().width(), std::max(table_->verticalHeader()->defaultSectionSize(), text)};
}

void TitleRowHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    QStyleOptionViewItem option;
    option.initFrom(table_);
    option.font = table_->font();
    option.rect = rect.adjusted(0, 0, -1, -1);
    table_->itemDelegate()->paint(painter, option, table_->model()->index(0, logicalIndex));
    painter->setPen(QColor::fromRgba(QRgb(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, table_))));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
}
