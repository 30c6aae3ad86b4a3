#include "documents/row_number_header.h"

#include <QAbstractButton>
#include <QEvent>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QTableView>
#include <algorithm>

namespace {

const QString CornerText = QStringLiteral("Lp.");
constexpr int TextMargin = 3;

} // namespace

RowNumberHeader::RowNumberHeader(QTableView* table) : QHeaderView(Qt::Vertical, table)
{
    setSectionsClickable(false);
    setHighlightSections(false);
    table->setVerticalHeader(this);
    table->setCornerButtonEnabled(false);
    corner_ = table->findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (corner_)
        corner_->installEventFilter(this);
}

QSize RowNumberHeader::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int text = std::max(metrics.horizontalAdvance(CornerText), metrics.horizontalAdvance(QStringLiteral("9999")));
    return {text + 2 * TextMargin, QHeaderView::sizeHint().height()};
}

void RowNumberHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    paintHeader(painter, rect, QString::number(logicalIndex));
}

bool RowNumberHeader::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == corner_ && event->type() == QEvent::Paint) {
        QPainter painter(corner_);
        paintHeader(&painter, corner_->rect(), CornerText);
        return true;
    }
    return QHeaderView::eventFilter(watched, event);
}

// The corner is painted as one of the header's sections, enabled although it cannot be clicked.
void RowNumberHeader::paintHeader(QPainter* painter, const QRect& rect, const QString& text) const
{
    QStyleOptionHeader option;
    option.initFrom(this);
    option.rect = rect;
    option.orientation = Qt::Vertical;
    option.position = QStyleOptionHeader::Middle;
    option.text = text;
    option.textAlignment = Qt::AlignHCenter | Qt::AlignTop;
    style()->drawControl(QStyle::CE_Header, &option, painter, this);
}
