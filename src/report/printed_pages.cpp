#include "report/printed_pages.h"

#include "report/document_writer.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>

namespace {

using namespace report_page;

const double PageWidth = pixelsFromCm(WidthCm);
const double PageHeight = pixelsFromCm(HeightCm);
const double Margin = pixelsFromCm(MarginCm);
const double PageRoom = PageHeight - 2 * Margin;
// Room above and below a cell's text for the rules between rows.
constexpr double RuleRoom = 1;
constexpr int FooterFontSize = 9;

// A line style of the ruling (n single lines of 0,75 pt) in pixels.
double lineWidth(int style)
{
    return style * 0.75 * 96.0 / 72.0;
}

// A place where a page may end and the next one begin.
struct Cut {
    enum Kind { Poor, Good, Forced };
    double y = 0;
    Kind kind = Good;
    // The table the next page goes on with, or -1.
    int table = -1;
};

bool byPlace(double y, const Cut& cut)
{
    return y < cut.y;
}

} // namespace

// Collects the cuts of the column in its order and the place of its tables, then chooses
// each page's end among the cuts.
class PrintedPages::Cutter {
public:
    Cutter(const QTextDocument& column, std::vector<Table>& tables)
        : layout_(*column.documentLayout())
        , tables_(tables)
    {
        end_ = layout_.documentSize().height();
        // A heading keeps the items after it up to the first one with text.
        bool keep = false;
        for (auto it = column.rootFrame()->begin(); !it.atEnd(); ++it) {
            const Cut::Kind before = keep ? Cut::Poor : Cut::Good;
            if (auto* table = qobject_cast<QTextTable*>(it.currentFrame())) {
                addTable(table, before);
                keep = false;
            } else if (const QTextBlock block = it.currentBlock(); block.isValid()) {
                addBlock(block, before);
                if (block.blockFormat().headingLevel() > 0)
                    keep = true;
                else if (block.length() > 1)
                    keep = false;
            }
        }
    }

    QList<Page> pages() const
    {
        QList<Page> pages;
        Cut from{0, Cut::Good};
        while (pages.isEmpty() || from.y < end_ - 0.5) {
            Page page{from.y, from.y};
            double room = PageRoom;
            if (from.table >= 0) {
                const Table& table = tables_[static_cast<size_t>(from.table)];
                page.headerTop = table.top;
                page.headerBottom = table.bodyTop();
                room -= page.headerBottom - page.headerTop;
            }
            from = next(from.y, from.y + std::max(room, PageRoom / 2));
            page.bottom = from.y;
            pages.append(page);
        }
        return pages;
    }

private:
    void addBlock(const QTextBlock& block, Cut::Kind before)
    {
        const QRectF place = layout_.blockBoundingRect(block);
        const bool breakBefore = block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
        cuts_.push_back({place.top(), breakBefore ? Cut::Forced : before});
        const QTextLayout* lines = block.layout();
        for (int i = 1; i < lines->lineCount(); ++i)
            cuts_.push_back({place.top() + lines->lineAt(i).y(), Cut::Good});
    }

    void addTable(const QTextTable* table, Cut::Kind before)
    {
        const QTextTableFormat format = table->format();
        const QRectF place = layout_.frameBoundingRect(const_cast<QTextTable*>(table));
        Table span;
        span.top = place.top();
        span.bottom = place.bottom();
        span.outerLine = lineWidth(format.intProperty(OuterLineProperty));
        span.innerLine = lineWidth(format.intProperty(InnerLineProperty));
        // The table's place starts at its first cell's text; the cell's padding is left of it.
        const QTextTableCell corner = table->cellAt(0, 0);
        span.columnLefts.push_back(layout_.blockBoundingRect(corner.firstCursorPosition().block()).left()
                                   - corner.format().toTableCellFormat().leftPadding());
        for (const QTextLength& width : format.columnWidthConstraints())
            span.columnLefts.push_back(span.columnLefts.back() + width.rawValue());
        span.headerRows = std::clamp(format.headerRowCount(), 0, table->rows() - 1);
        span.rowTops.reserve(static_cast<size_t>(table->rows()));
        for (int row = 0; row < table->rows(); ++row) {
            const QTextBlock first = table->cellAt(row, 0).firstCursorPosition().block();
            span.rowTops.push_back(layout_.blockBoundingRect(first).top() - RuleRoom);
        }
        cuts_.push_back({span.top, before});
        // The title rows go with the first row below them.
        const int index = static_cast<int>(tables_.size());
        for (int row = span.headerRows + 1; row < table->rows(); ++row)
            cuts_.push_back({span.rowTops[static_cast<size_t>(row)], Cut::Good, index});
        tables_.push_back(std::move(span));
        qtTables_.push_back(table);
    }

    // Where the page from `top` ends, at `limit` at the latest: at the first forced cut, else
    // at the last good one, else at the last poor one, else inside a table row.
    Cut next(double top, double limit) const
    {
        limit = std::min(limit, end_);
        const auto first = std::upper_bound(cuts_.begin(), cuts_.end(), top, byPlace);
        const auto last = std::upper_bound(first, cuts_.end(), limit, byPlace);
        const auto forced = std::find_if(first, last, [](const Cut& cut) { return cut.kind == Cut::Forced; });
        if (forced != last)
            return *forced;
        if (limit >= end_)
            return {end_};
        for (const Cut::Kind kind : {Cut::Good, Cut::Poor}) {
            for (auto it = last; it != first;) {
                if ((--it)->kind == kind)
                    return *it;
            }
        }
        return insideRow(top, limit);
    }

    // A cut in the table row across `limit` that splits no line of its cells, as low as it
    // can be; `limit` itself when there is none.
    Cut insideRow(double top, double limit) const
    {
        const auto span = std::find_if(tables_.begin(), tables_.end(),
                                       [limit](const Table& table) { return table.top < limit && limit < table.bottom; });
        if (span == tables_.end())
            return {limit, Cut::Poor};
        const auto index = static_cast<size_t>(span - tables_.begin());
        const QTextTable* table = qtTables_[index];
        const auto row = static_cast<int>(std::upper_bound(span->rowTops.begin(), span->rowTops.end(), limit)
                                          - span->rowTops.begin())
                         - 1;
        std::vector<std::pair<double, double>> lines;
        for (int column = 0; column < table->columns(); ++column) {
            const QTextTableCell cell = table->cellAt(row, column);
            for (auto it = cell.begin(); !it.atEnd(); ++it) {
                const QTextBlock block = it.currentBlock();
                if (!block.isValid())
                    continue;
                const double blockTop = layout_.blockBoundingRect(block).top();
                for (int i = 0; i < block.layout()->lineCount(); ++i) {
                    const QTextLine line = block.layout()->lineAt(i);
                    lines.emplace_back(blockTop + line.y(), blockTop + line.y() + line.height());
                }
            }
        }
        double best = limit;
        for (const auto& [lineTop, lineBottom] : lines) {
            const bool clean = std::none_of(lines.begin(), lines.end(), [y = lineTop](const auto& other) {
                return other.first < y && y < other.second;
            });
            if (clean && lineTop > top && (best == limit || lineTop > best) && lineTop <= limit)
                best = lineTop;
        }
        return {best, Cut::Poor, static_cast<int>(index)};
    }

    const QAbstractTextDocumentLayout& layout_;
    std::vector<Table>& tables_;
    std::vector<const QTextTable*> qtTables_;
    std::vector<Cut> cuts_;
    double end_ = 0;
};

PrintedPages::PrintedPages(const QTextDocument& document)
    : column_(document.clone())
{
    // The page's width and side margins, no height; the top and bottom margins are those of
    // every page.
    column_->setPageSize(QSizeF(PageWidth, -1));
    QTextFrameFormat frame = column_->rootFrame()->frameFormat();
    frame.setTopMargin(0);
    frame.setBottomMargin(0);
    column_->rootFrame()->setFrameFormat(frame);
    // The tables' rules are drawn by paintRules; Qt leaves the room for them.
    for (QTextFrame* child : column_->rootFrame()->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child)) {
            QTextTableFormat format = table->format();
            format.setBorderCollapse(false);
            format.setBorder(0);
            format.setCellPadding(RuleRoom);
            table->setFormat(format);
        }
    }
    pages_ = Cutter(*column_, tables_).pages();
}

PrintedPages::~PrintedPages() = default;

void PrintedPages::paintPiece(QPainter& painter, double top, double bottom, double y) const
{
    if (bottom <= top)
        return;
    painter.save();
    painter.translate(0, y - top);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(0, top, PageWidth, bottom - top);
    context.palette.setColor(QPalette::Text, Qt::black);
    painter.setClipRect(context.clip);
    column_->documentLayout()->draw(&painter, context);
    painter.setClipping(false);
    for (const Table& table : tables_) {
        if (table.top < bottom && top < table.bottom)
            paintRules(painter, table, top, bottom);
    }
    painter.restore();
}

void PrintedPages::paintRules(QPainter& painter, const Table& table, double top, double bottom) const
{
    if (table.outerLine <= 0 && table.innerLine <= 0)
        return;
    const double from = std::max(table.top, top);
    const double to = std::min(table.bottom, bottom);
    const double left = table.columnLefts.front();
    const double right = table.columnLefts.back();
    const auto line = [&painter](double width, QPointF a, QPointF b) {
        if (width <= 0)
            return;
        painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::SquareCap));
        painter.drawLine(a, b);
    };
    // Between rows, and where a page cuts the table, the inner line; the frame outside.
    const auto firstRow = std::upper_bound(table.rowTops.begin(), table.rowTops.end(), from);
    const auto lastRow = std::lower_bound(firstRow, table.rowTops.end(), to);
    for (auto row = firstRow; row != lastRow; ++row)
        line(table.innerLine, {left, *row}, {right, *row});
    line(from == table.top ? table.outerLine : table.innerLine, {left, from}, {right, from});
    line(to == table.bottom ? table.outerLine : table.innerLine, {left, to}, {right, to});
    for (size_t column = 0; column < table.columnLefts.size(); ++column) {
        const bool edge = column == 0 || column + 1 == table.columnLefts.size();
        const double x = table.columnLefts[column];
        line(edge ? table.outerLine : table.innerLine, {x, from}, {x, to});
    }
}

void PrintedPages::paint(QPainter& painter, int index) const
{
    const Page& page = pages_[index];
    paintPiece(painter, page.headerTop, page.headerBottom, Margin);
    paintPiece(painter, page.top, page.bottom, Margin + page.headerBottom - page.headerTop);
    // The painter's units are the document's pixels, whatever the device's resolution.
    QFont font(fontFamily());
    font.setPixelSize(qRound(FooterFontSize * 96.0 / 72.0));
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, PageHeight - Margin, PageWidth, Margin), Qt::AlignCenter,
                     QStringLiteral("Strona %1 z %2").arg(index + 1).arg(count()));
}
