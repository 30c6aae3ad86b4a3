#include "report/printed_pages.h"

#include "report/document_writer.h"

#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
#include <cmath>

namespace {

using namespace report_page;

const double PageWidth = pixelsFromCm(WidthCm);
const double PageHeight = pixelsFromCm(HeightCm);
const double Margin = pixelsFromCm(MarginCm);
const double PageRoom = PageHeight - 2 * Margin;
const double CellMargin = pixelsFromCm(CellMarginCm);
// Room above and below a cell's text for the rules between rows.
constexpr double RuleRoom = 1;
constexpr int FooterFontSize = 9;

// A line style of the ruling (n single lines of 0,75 pt) in pixels.
double lineWidth(int style)
{
    return style * 0.75 * 96.0 / 72.0;
}

} // namespace

PrintedPages::PrintedPages(const QTextDocument& document)
    : document_(document)
{
    // A heading keeps the items after it up to the first one with text.
    bool keep = false;
    for (auto it = document.rootFrame()->begin(); !it.atEnd(); ++it) {
        const Cut::Kind before = keep ? Cut::Poor : Cut::Good;
        if (auto* table = qobject_cast<QTextTable*>(it.currentFrame())) {
            addTable(table, before);
            keep = false;
        } else if (const QTextBlock block = it.currentBlock(); block.isValid()) {
            addParagraph(block, before);
            if (block.blockFormat().headingLevel() > 0)
                keep = true;
            else if (block.length() > 1)
                keep = false;
        }
    }
    cutPages();
}

double PrintedPages::layOut(Unit& unit, const QTextBlock& block, double x, double y, double width) const
{
    QTextLayout* layout = block.layout();
    // What a paragraph's format leaves open is the document's default font.
    layout->setFont(document_.defaultFont());
    QTextOption option = document_.defaultTextOption();
    option.setAlignment(block.blockFormat().alignment());
    layout->setTextOption(option);
    double height = 0;
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLeadingIncluded(true);
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += std::ceil(line.ascent() + line.descent() + line.leading());
    }
    layout->endLayout();
    unit.paragraphs.push_back({layout, x, y});
    return height;
}

void PrintedPages::addParagraph(const QTextBlock& block, Cut::Kind before)
{
    Unit unit;
    unit.top = end_;
    const double height = layOut(unit, block, Margin, end_, PageWidth - 2 * Margin);
    unit.bottom = end_ + height;
    const bool breakBefore = block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
    cuts_.push_back({end_, breakBefore ? Cut::Forced : before});
    const QTextLayout* lines = block.layout();
    for (int i = 1; i < lines->lineCount(); ++i)
        cuts_.push_back({end_ + lines->lineAt(i).y(), Cut::Good});
    end_ = unit.bottom;
    units_.push_back(std::move(unit));
}

void PrintedPages::addTable(const QTextTable* table, Cut::Kind before)
{
    const QTextTableFormat format = table->format();
    Table span;
    span.top = end_;
    span.outerLine = lineWidth(format.intProperty(OuterLineProperty));
    span.innerLine = lineWidth(format.intProperty(InnerLineProperty));
    span.columnLefts.push_back(Margin);
    for (const QTextLength& width : format.columnWidthConstraints())
        span.columnLefts.push_back(span.columnLefts.back() + width.rawValue());
    span.headerRows = std::clamp(format.headerRowCount(), 0, table->rows() - 1);
    const int columns = table->columns();
    // The cells' paragraphs in document order, each cell's up to where the next one begins
    // (asking a cell for its end searches the table).
    QTextBlock block = document_.findBlock(table->firstPosition());
    for (int row = 0; row < table->rows(); ++row) {
        Unit unit;
        unit.top = end_;
        double height = 0;
        for (int column = 0; column < columns; ++column) {
            const double left = span.columnLefts[static_cast<size_t>(column)];
            const double width = span.columnLefts[static_cast<size_t>(column) + 1] - left;
            const QTextTableCell cell = table->cellAt(row, column);
            const int cellEnd = column + 1 < columns ? table->cellAt(row, column + 1).firstPosition()
                                : row + 1 < table->rows() ? table->cellAt(row + 1, 0).firstPosition()
                                                          : table->lastPosition() + 1;
            double cellHeight = 0;
            for (; block.isValid() && block.position() < cellEnd; block = block.next())
                cellHeight += layOut(unit, block, left + CellMargin, end_ + RuleRoom + cellHeight, width - 2 * CellMargin);
            height = std::max(height, cellHeight);
            // The fill's height is the row's, known once the row is laid out.
            if (const QBrush fill = cell.format().background(); fill.style() != Qt::NoBrush)
                unit.fills.emplace_back(QRectF(left, unit.top, width, 0), fill.color());
        }
        unit.bottom = end_ + height + 2 * RuleRoom;
        for (auto& [place, colour] : unit.fills)
            place.setBottom(unit.bottom);
        span.rowTops.push_back(unit.top);
        span.rowUnits.push_back(static_cast<int>(units_.size()));
        end_ = unit.bottom;
        units_.push_back(std::move(unit));
    }
    span.bottom = end_;
    cuts_.push_back({span.top, before});
    // The title rows go with the first row below them.
    const int index = static_cast<int>(tables_.size());
    for (int row = span.headerRows + 1; row < table->rows(); ++row)
        cuts_.push_back({span.rowTops[static_cast<size_t>(row)], Cut::Good, index});
    tables_.push_back(std::move(span));
}

void PrintedPages::cutPages()
{
    Cut from{0, Cut::Good};
    while (pages_.isEmpty() || from.y < end_ - 0.5) {
        Page page{from.y, from.y};
        double room = PageRoom;
        if (from.table >= 0) {
            const Table& table = tables_[static_cast<size_t>(from.table)];
            page.headerTop = table.top;
            page.headerBottom = table.bodyTop();
            room -= page.headerBottom - page.headerTop;
        }
        from = pageEnd(from.y, from.y + std::max(room, PageRoom / 2));
        page.bottom = from.y;
        pages_.append(page);
    }
}

// Where the page from `top` ends, at `limit` at the latest: at the first forced cut, else at
// the last good one, else at the last poor one, else inside a table row.
PrintedPages::Cut PrintedPages::pageEnd(double top, double limit) const
{
    limit = std::min(limit, end_);
    const auto byPlace = [](double y, const Cut& cut) { return y < cut.y; };
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

// A cut in the table row across `limit` that splits no line of its cells, as low as it can
// be; `limit` itself when there is none.
PrintedPages::Cut PrintedPages::insideRow(double top, double limit) const
{
    const auto span = std::find_if(tables_.begin(), tables_.end(),
                                   [limit](const Table& table) { return table.top < limit && limit < table.bottom; });
    if (span == tables_.end())
        return {limit, Cut::Poor};
    const auto row = std::upper_bound(span->rowTops.begin(), span->rowTops.end(), limit) - span->rowTops.begin() - 1;
    std::vector<std::pair<double, double>> lines;
    for (const Paragraph& paragraph : units_[static_cast<size_t>(span->rowUnits[static_cast<size_t>(row)])].paragraphs) {
        for (int i = 0; i < paragraph.layout->lineCount(); ++i) {
            const QTextLine line = paragraph.layout->lineAt(i);
            lines.emplace_back(paragraph.y + line.y(), paragraph.y + line.y() + line.height());
        }
    }
    double best = limit;
    for (const auto& [lineTop, lineBottom] : lines) {
        const bool clean = std::none_of(lines.begin(), lines.end(), [y = lineTop](const auto& other) {
            return other.first < y && y < other.second;
        });
        if (clean && lineTop > top && lineTop <= limit && (best == limit || lineTop > best))
            best = lineTop;
    }
    return {best, Cut::Poor, static_cast<int>(span - tables_.begin())};
}

void PrintedPages::paintPiece(QPainter& painter, double top, double bottom, double y) const
{
    if (bottom <= top)
        return;
    painter.save();
    painter.translate(0, y - top);
    painter.setClipRect(QRectF(0, top, PageWidth, bottom - top));
    painter.setPen(Qt::black);
    const auto first = std::upper_bound(units_.begin(), units_.end(), top,
                                        [](double at, const Unit& unit) { return at < unit.bottom; });
    for (auto unit = first; unit != units_.end() && unit->top < bottom; ++unit) {
        for (const auto& [place, colour] : unit->fills)
            painter.fillRect(place, colour);
        for (const Paragraph& paragraph : unit->paragraphs)
            paragraph.layout->draw(&painter, QPointF(paragraph.x, paragraph.y));
    }
    painter.setClipping(false);
    for (const Table& table : tables_) {
        if (table.top < bottom && top < table.bottom)
            paintRules(painter, table, top, bottom);
    }
    painter.restore();
}

void PrintedPages::paintRules(QPainter& painter, const Table& table, double top, double bottom) const
{
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
