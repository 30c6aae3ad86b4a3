#include "documents/risk_overview_view.h"

#include "base/regional_format.h"
#include "documents/text_lines.h"

#include <QBuffer>
#include <QPaintEvent>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>

namespace {

QColor levelColour(int level)
{
    return QColor::fromRgb(riskLevelRgb(level));
}

constexpr int Margin = 14;        // around the picture
constexpr int BlockGap = 12;      // between blocks
constexpr int LineGap = 3;        // between lines of a block
constexpr int PreferredWidth = 660;
constexpr int MinimumWidth = 560;
constexpr int MarkerSize = 9;     // one hazard on the R scale
constexpr int MaxStack = 8;       // markers stacked at one place before "+n"
constexpr int PdfResolution = 96; // page units per inch: the fonts measure as on the screen
constexpr qreal PictureDensity = 2;

const QString& markSymbol()
{
    static const QString mark = QStringLiteral("●");
    return mark;
}

QColor textOn(int level)
{
    return level == 1 || level == 5 ? Qt::white : Qt::black;
}

QFont resized(QFont font, int points, bool bold)
{
    font.setPointSize(font.pointSize() + points);
    font.setBold(bold);
    return font;
}

int wrappedHeight(const QFontMetrics& metrics, int width, const QString& text)
{
    return metrics.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, text).height();
}

// A square with the level's colour and its number.
void paintBadge(QPainter& painter, const QRect& box, int level)
{
    painter.save();
    painter.setPen(levelColour(level).darker(160));
    painter.setBrush(levelColour(level));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setPen(textOn(level));
    painter.setFont(resized(painter.font(), 0, true));
    painter.drawText(box, Qt::AlignCenter, QString::number(level));
    painter.restore();
}

// A decimal number as short as it is exact to three decimals: "0,5", "20", "0,001".
QString numberText(double value)
{
    int decimals = 0;
    while (decimals < 3 && std::abs(value * std::pow(10, decimals) - std::round(value * std::pow(10, decimals))) > 1e-9)
        ++decimals;
    return regional::formatFixed(value, decimals);
}

// Wrapped paragraphs of one font one under the other, each followed by the gap between lines.
struct Paragraphs {
    Paragraphs(const QStringList& texts, int width, CharAdvances& advances)
    {
        for (const QString& text : texts) {
            lines.append(TextLines(text, width, advances));
            height += lines.last().height() + LineGap;
        }
    }

    void paint(QPainter& painter, QPoint origin, const QRect& visible) const
    {
        for (const TextLines& text : lines) {
            text.draw(painter, origin, visible);
            origin.ry() += text.height() + LineGap;
        }
    }

    QList<TextLines> lines;
    int height = 0;
};

QString orNone(const QString& text)
{
    return text.trimmed().isEmpty() ? QStringLiteral("nie podano") : text.trimmed();
}

} // namespace

RiskOverviewView::RiskOverviewView(QWidget* parent)
    : QWidget(parent)
{
    QFont larger;
    larger.setPointSize(9);
    setFont(larger);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void RiskOverviewView::setOverview(const RiskOverview& overview)
{
    overview_ = overview;
    shownWidth_ = -1;
    shown_.clear();
    updateGeometry();
    update();
}

const QList<RiskOverviewView::Block>& RiskOverviewView::shownBlocks(int width) const
{
    if (width != shownWidth_) {
        shown_ = blocks(width - 2 * Margin, this);
        shownWidth_ = width;
    }
    return shown_;
}

int RiskOverviewView::heightForWidth(int width) const
{
    return pictureHeight(shownBlocks(width));
}

int RiskOverviewView::currentHeight() const
{
    return heightForWidth(shownWidth_ >= 0 ? shownWidth_ : std::max(width(), MinimumWidth));
}

QSize RiskOverviewView::sizeHint() const
{
    return {PreferredWidth, currentHeight()};
}

QSize RiskOverviewView::minimumSizeHint() const
{
    return {MinimumWidth, currentHeight()};
}

void RiskOverviewView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    paintPicture(painter, shownBlocks(width()), event->rect());
}

void RiskOverviewView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        shownWidth_ = -1;
        shown_.clear();
    }
}

QImage RiskOverviewView::picture(const QStringList& heading) const
{
    const int width = std::max(this->width(), MinimumWidth);
    QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
    QList<Block> column = blocks(width - 2 * Margin, &image);
    if (!heading.isEmpty())
        column.prepend(textBlock({}, heading, width - 2 * Margin, &image));
    image = QImage(QSize(width, pictureHeight(column)) * PictureDensity, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(PictureDensity);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font());
    paintPicture(painter, column, image.rect());
    return image;
}

QByteArray RiskOverviewView::pdf(const QStringList& heading) const
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QStringLiteral("Podsumowanie oceny ryzyka"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(PdfResolution);
        const QRect page = writer.pageLayout().paintRectPixels(PdfResolution);
        QPainter painter;
        if (!painter.begin(&writer))
            return {};
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setFont(font());
        int y = 0;
        QList<Block> column = blocks(page.width(), &writer);
        if (!heading.isEmpty())
            column.prepend(textBlock({}, heading, page.width(), &writer));
        for (const Block& block : column) {
            // A block that does not fit on the rest of the page starts the next one.
            if (y > 0 && y + block.height > page.height()) {
                writer.newPage();
                y = 0;
            }
            painter.save();
            painter.translate(0, y);
            block.paint(painter, QRect(0, 0, page.width(), block.height));
            painter.restore();
            y += block.height + BlockGap;
        }
    }
    return buffer.data();
}

int RiskOverviewView::pictureHeight(const QList<Block>& blocks)
{
    int height = 2 * Margin - BlockGap;
    for (const Block& block : blocks)
        height += block.height + BlockGap;
    return height;
}

void RiskOverviewView::paintPicture(QPainter& painter, const QList<Block>& blocks, const QRect& visible)
{
    int y = Margin;
    for (const Block& block : blocks) {
        if (y > visible.bottom())
            break;
        if (y + block.height >= visible.top()) {
            painter.save();
            painter.translate(Margin, y);
            block.paint(painter, visible.translated(-Margin, -y));
            painter.restore();
        }
        y += block.height + BlockGap;
    }
}

QList<RiskOverviewView::Block> RiskOverviewView::blocks(int width, const QPaintDevice* device) const
{
    QList<Block> out;
    addTitle(out, width, device);
    addLevelBars(out, width, device);
    if (hasGrid(overview_.method))
        addGrid(out, width, device);
    else if (overview_.method != RiskMethod::None)
        addRScale(out, width, device);
    addUnacceptable(out, width, device);
    addChecklist(out, width, device);
    return out;
}

QFont RiskOverviewView::headingFont() const
{
    return resized(font(), 2, true);
}

RiskOverviewView::Block RiskOverviewView::textBlock(const QString& heading, const QStringList& lines, int width,
                                                    const QPaintDevice* device) const
{
    const QFontMetrics headingMetrics(headingFont(), device);
    CharAdvances advances(font(), device);
    const Paragraphs text(lines, width, advances);
    const int top = heading.isEmpty() ? 0 : headingMetrics.height() + LineGap;
    return {top + text.height, [=, this](QPainter& painter, const QRect& visible) {
                if (!heading.isEmpty()) {
                    painter.setFont(headingFont());
                    painter.drawText(QRect(0, 0, width, headingMetrics.height()), Qt::AlignLeft, heading);
                }
                painter.setFont(font());
                text.paint(painter, QPoint(0, top), visible);
            }};
}

void RiskOverviewView::addTitle(QList<Block>& out, int width, const QPaintDevice* device) const
{
    const int rated = std::accumulate(overview_.levelCounts.begin(), overview_.levelCounts.end(), 0);
    const QString method = overview_.method == RiskMethod::None
                               ? QStringLiteral("Nie wybrano metody oceny ryzyka: zagrożeń nie można ocenić.")
                               : QStringLiteral("Metoda oceny ryzyka: %1")
                                     .arg(risk::methodNames().at(static_cast<int>(overview_.method)));
    out.append(textBlock(QStringLiteral("Podsumowanie oceny ryzyka"),
                         {method, QStringLiteral("Zagrożenia w tabeli: %1, w tym ocenione: %2, bez oceny: %3, "
                                                 "z wartością spoza skali metody: %4.")
                                      .arg(rated + overview_.unrated + overview_.wrongFactors)
                                      .arg(rated)
                                      .arg(overview_.unrated)
                                      .arg(overview_.wrongFactors)},
                         width, device));
}

void RiskOverviewView::addLevelBars(QList<Block>& out, int width, const QPaintDevice* device) const
{
    const QFontMetrics metrics(font(), device);
    const QFontMetrics headingMetrics(headingFont(), device);
    const int rowHeight = metrics.height() + 12;
    const int badge = rowHeight - 6;
    int labelWidth = 0;
    for (int level = 1; level <= 5; ++level)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(risk::levelText(level)));
    const int barStart = labelWidth + 10 + badge + 4;
    // With residual ratings the counts now and after the measures stand side by side, each in
    // its own column under a caption, on one scale.
    const bool residual = overview_.hasResidual;
    const int columnSpace = (width - barStart) / (residual ? 2 : 1);
    const int barSpace = std::max(40, columnSpace - metrics.horizontalAdvance(QStringLiteral("0000")) - 8);
    const std::array<int, 5> counts = overview_.levelCounts;
    const std::array<int, 5> countsAfter = overview_.residualCounts;
    const int most = std::max({1, *std::max_element(counts.begin(), counts.end()),
                               residual ? *std::max_element(countsAfter.begin(), countsAfter.end()) : 0});
    const QString unrated = QStringLiteral("Zagrożenia bez oceny ryzyka: niewypełnione czynniki – %1, wartości spoza "
                                           "skali metody – %2")
                                .arg(overview_.unrated)
                                .arg(overview_.wrongFactors);
    const QString note = residual ? residualCountsNote() : QString();
    const int captionTop = headingMetrics.height() + LineGap + 4;
    const int top = captionTop + (residual ? metrics.height() + 4 : 0);
    const int unratedTop = top + 5 * rowHeight + 6;
    const int unratedHeight = wrappedHeight(metrics, width, unrated);
    const int noteTop = unratedTop + unratedHeight + LineGap;
    const int noteHeight = residual ? wrappedHeight(metrics, width, note) + LineGap : 0;
    out.append({unratedTop + unratedHeight + noteHeight, [=, this](QPainter& painter, const QRect&) {
                    painter.setFont(headingFont());
                    painter.drawText(0, headingMetrics.ascent(), QStringLiteral("Liczba zagrożeń na poziomach ryzyka"));
                    painter.setFont(font());
                    if (residual) {
                        painter.drawText(barStart, captionTop + metrics.ascent(), QStringLiteral("teraz"));
                        painter.drawText(barStart + columnSpace, captionTop + metrics.ascent(),
                                         QStringLiteral("po działaniach"));
                    }
                    for (int level = 1; level <= 5; ++level) {
                        const int y = top + (level - 1) * rowHeight;
                        painter.setPen(Qt::black);
                        painter.drawText(QRect(0, y, labelWidth, rowHeight), Qt::AlignRight | Qt::AlignVCenter,
                                         risk::levelText(level));
                        paintBadge(painter, QRect(labelWidth + 10, y + 3, badge, badge), level);
                        for (int column = 0; column < (residual ? 2 : 1); ++column) {
                            const int left = barStart + column * columnSpace;
                            const int count = (column == 0 ? counts : countsAfter)[level - 1];
                            const int length = count * barSpace / most;
                            if (length > 0) {
                                painter.setPen(levelColour(level).darker(160));
                                painter.setBrush(levelColour(level));
                                painter.drawRect(left, y + 5, length, rowHeight - 11);
                            }
                            painter.save();
                            painter.setPen(Qt::black);
                            painter.setFont(resized(font(), 0, true));
                            painter.drawText(QRect(left + length + 6, y, width, rowHeight), Qt::AlignVCenter,
                                             QString::number(count));
                            painter.restore();
                        }
                    }
                    painter.setPen(Qt::black);
                    painter.drawText(QRect(0, unratedTop, width, unratedHeight), Qt::TextWordWrap, unrated);
                    if (residual)
                        painter.drawText(QRect(0, noteTop, width, noteHeight), Qt::TextWordWrap, note);
                }});
}

void RiskOverviewView::addGrid(QList<Block>& out, int width, const QPaintDevice* device) const
{
    const QList<QList<int>> grid = overview_.grid;
    if (grid.isEmpty())
        return;
    const QFontMetrics metrics(font(), device);
    const QFontMetrics headingMetrics(headingFont(), device);
    const auto rows = int(grid.size());
    const auto columns = int(grid.first().size());
    const int header = metrics.horizontalAdvance(QStringLiteral("S = 00")) + 12;
    const int cellWidth = std::clamp((width - header) / columns, 40, 90);
    const int cellHeight = std::max(2 * metrics.height() + 10, 36);
    const int top = headingMetrics.height() + LineGap + 4;
    const int gridTop = top + metrics.height() + 6;
    const QString legend = QStringLiteral("W każdym polu: liczba zagrożeń, a w rogu poziom ryzyka iloczynu S × P.");
    const int legendTop = gridTop + rows * cellHeight + 6;
    const int legendHeight = wrappedHeight(metrics, width, legend);
    const RiskMethod method = overview_.method;
    out.append({legendTop + legendHeight, [=, this](QPainter& painter, const QRect&) {
                    painter.setFont(headingFont());
                    painter.drawText(0, headingMetrics.ascent(),
                                     QStringLiteral("Macierz ryzyka: skutki S × prawdopodobieństwo P"));
                    painter.setFont(font());
                    for (int p = 1; p <= columns; ++p)
                        painter.drawText(QRect(header + (p - 1) * cellWidth, top, cellWidth, metrics.height()),
                                         Qt::AlignCenter, QStringLiteral("P = %1").arg(p));
                    // The most severe effects at the top, as risk matrices are read.
                    for (int s = rows; s >= 1; --s) {
                        const int y = gridTop + (rows - s) * cellHeight;
                        painter.setPen(Qt::black);
                        painter.drawText(QRect(0, y, header - 8, cellHeight), Qt::AlignRight | Qt::AlignVCenter,
                                         QStringLiteral("S = %1").arg(s));
                        for (int p = 1; p <= columns; ++p) {
                            const int level = risk::level(method, s * p);
                            const QRect cell(header + (p - 1) * cellWidth, y, cellWidth, cellHeight);
                            painter.setPen(QColor(0x50, 0x50, 0x50));
                            painter.setBrush(levelColour(level));
                            painter.drawRect(cell);
                            painter.setPen(textOn(level));
                            painter.setFont(resized(font(), -1, false));
                            painter.drawText(cell.adjusted(4, 2, -4, -2), Qt::AlignLeft | Qt::AlignTop,
                                             QString::number(level));
                            const int count = grid[s - 1][p - 1];
                            painter.setFont(resized(font(), 3, count > 0));
                            painter.drawText(cell, Qt::AlignCenter, QString::number(count));
                            painter.setFont(font());
                        }
                    }
                    painter.setPen(Qt::black);
                    painter.drawText(QRect(0, legendTop, width, legendHeight), Qt::TextWordWrap, legend);
                }});
}

void RiskOverviewView::addRScale(QList<Block>& out, int width, const QPaintDevice* device) const
{
    const QFontMetrics metrics(font(), device);
    const QFontMetrics headingMetrics(headingFont(), device);
    const RiskMethod method = overview_.method;
    const std::array<double, 4> limits = risk::levelLimits(method);
    double low = limits.front() / 10;
    double high = limits.back() * 2;
    int zeros = 0;
    for (const double r : overview_.rValues) {
        if (r <= 0) {
            ++zeros;
            continue;
        }
        low = std::min(low, r);
        high = std::max(high, r);
    }
    const double first = std::floor(std::log10(low));
    const double last = std::ceil(std::log10(high));
    const int axisLeft = metrics.horizontalAdvance(QStringLiteral("0,000")) / 2;
    const int axisWidth = width - 2 * axisLeft;
    const auto xOf = [=](double r) {
        const double share = r > 0 ? (std::log10(r) - first) / (last - first) : 0.0;
        return axisLeft + int(std::lround(std::clamp(share, 0.0, 1.0) * axisWidth));
    };
    // Hazards whose marks would overlap are stacked upwards.
    std::map<int, int> stacks;
    for (const double r : overview_.rValues)
        ++stacks[xOf(r) / MarkerSize];
    int tallest = 0;
    for (const auto& [place, count] : stacks)
        tallest = std::max(tallest, std::min(count, MaxStack + 1));

    const int top = headingMetrics.height() + LineGap + 4;
    const int limitRow = top;
    const int marksTop = limitRow + metrics.height() + 4;
    const int bandTop = marksTop + std::max(1, tallest) * (MarkerSize + 1) + 4;
    const int bandHeight = metrics.height() + 10;
    const int decadeRow = bandTop + bandHeight + 4;
    QStringList limitTexts;
    for (const double limit : limits)
        limitTexts.append(numberText(limit));
    QString legend = QStringLiteral("%1 – jedno zagrożenie; pionowe linie – granice poziomów ryzyka (R = %2).")
                         .arg(markSymbol(), limitTexts.join(QStringLiteral("; ")));
    if (zeros > 0)
        legend += QStringLiteral(" Zagrożenia z R = 0 (%1) zaznaczono na początku skali.").arg(zeros);
    if (overview_.rValues.isEmpty())
        legend += QStringLiteral(" Żadne zagrożenie nie zostało jeszcze ocenione.");
    const int legendTop = decadeRow + metrics.height() + 6;
    const int legendHeight = wrappedHeight(metrics, width, legend);
    const QList<double> values = overview_.rValues;
    out.append({legendTop + legendHeight, [=, this](QPainter& painter, const QRect&) {
                    painter.setFont(headingFont());
                    painter.drawText(0, headingMetrics.ascent(),
                                     QStringLiteral("Wartości ryzyka R na skali logarytmicznej"));
                    painter.setFont(font());
                    // The bands of the five levels, each with its number.
                    double from = std::pow(10, first);
                    for (int level = 1; level <= 5; ++level) {
                        const double to = level <= 4 ? limits[level - 1] : std::pow(10, last);
                        const QRect band(xOf(from), bandTop, xOf(to) - xOf(from), bandHeight);
                        painter.setPen(Qt::NoPen);
                        painter.setBrush(levelColour(level));
                        painter.drawRect(band);
                        if (band.width() >= metrics.horizontalAdvance(QStringLiteral("00"))) {
                            painter.setPen(textOn(level));
                            painter.setFont(resized(font(), 0, true));
                            painter.drawText(band, Qt::AlignCenter, QString::number(level));
                            painter.setFont(font());
                        }
                        from = to;
                    }
                    painter.setPen(Qt::black);
                    painter.setBrush(Qt::NoBrush);
                    painter.drawRect(QRect(axisLeft, bandTop, axisWidth, bandHeight));
                    for (double decade = first; decade <= last; ++decade) {
                        const int x = xOf(std::pow(10, decade));
                        painter.drawLine(x, bandTop + bandHeight, x, bandTop + bandHeight + 3);
                        const QString text = numberText(std::pow(10, decade));
                        const int half = metrics.horizontalAdvance(text) / 2;
                        painter.drawText(x - half, decadeRow + metrics.ascent(), text);
                    }
                    for (int i = 0; i < 4; ++i) {
                        const int x = xOf(limits[i]);
                        painter.setPen(QPen(Qt::black, 2));
                        painter.drawLine(x, marksTop - 2, x, bandTop + bandHeight);
                        const int half = metrics.horizontalAdvance(limitTexts[i]) / 2;
                        painter.drawText(x - half, limitRow + metrics.ascent(), limitTexts[i]);
                    }
                    std::map<int, int> placed;
                    painter.setPen(QPen(Qt::black, 1));
                    for (const double r : values) {
                        const int x = xOf(r);
                        const int index = placed[x / MarkerSize]++;
                        if (index > MaxStack)
                            continue;
                        const int y = bandTop - 3 - (index + 1) * (MarkerSize + 1);
                        if (index == MaxStack) {
                            const int rest = stacks.at(x / MarkerSize) - MaxStack;
                            painter.drawText(QRect(x - 20, y, 40, MarkerSize + 2), Qt::AlignCenter,
                                             QStringLiteral("+%1").arg(rest));
                            continue;
                        }
                        painter.setBrush(levelColour(risk::level(method, r)));
                        painter.drawEllipse(QRect(x - MarkerSize / 2, y, MarkerSize, MarkerSize));
                    }
                    painter.drawText(QRect(0, legendTop, width, legendHeight), Qt::TextWordWrap, legend);
                }});
}

void RiskOverviewView::addUnacceptable(QList<Block>& out, int width, const QPaintDevice* device) const
{
    const QList<RatedHazard>& hazards = overview_.unacceptable;
    out.append(textBlock(QStringLiteral("Zagrożenia niedopuszczalne (poziomy 4 i 5): %1").arg(hazards.size()),
                         hazards.isEmpty() ? QStringList{QStringLiteral("Brak zagrożeń o ryzyku niedopuszczalnym.")}
                                           : QStringList{},
                         width, device));
    CharAdvances advances(font(), device);
    CharAdvances boldAdvances(resized(font(), 0, true), device);
    const int badge = advances.metrics().height() + 6;
    const int textLeft = badge + 10;
    const int textWidth = width - textLeft;
    // Hazards share a few values of R: each is written out once.
    std::map<double, QString> riskTexts;
    const auto riskText = [&](double r) -> const QString& {
        auto known = riskTexts.find(r);
        if (known == riskTexts.end())
            known = riskTexts.emplace(r, risk::riskText(overview_.method, r)).first;
        return known->second;
    };
    for (const RatedHazard& hazard : hazards) {
        const TextLines title(QStringLiteral("Wiersz %1: %2 — %3").arg(hazard.row).arg(orNone(hazard.hazard), riskText(hazard.r)),
                              textWidth, boldAdvances);
        // The risk after the measures, in pure red as the hazard table draws an unacceptable
        // risk while it is still one.
        const bool stillUnacceptable = hazard.residualLevel >= 4;
        const TextLines after =
            hazard.residualLevel == 0 ? TextLines()
            : TextLines((stillUnacceptable ? QStringLiteral("— po działaniach nadal niedopuszczalne: ")
                                           : QStringLiteral("— po działaniach: ")) + riskText(hazard.residualR),
                        textWidth, boldAdvances);
        const int afterTop = title.height() + LineGap;
        const int detailsTop = afterTop + (after.count() > 0 ? after.height() + LineGap : 0);
        const Paragraphs details({QStringLiteral("Źródła zagrożenia: ") + orNone(hazard.sources),
                                  QStringLiteral("Działania zapobiegawcze: ") + orNone(hazard.actions)},
                                 textWidth, advances);
        const int level = hazard.level;
        out.append({std::max(badge, detailsTop + details.height),
                    [=, this](QPainter& painter, const QRect& visible) {
                        paintBadge(painter, QRect(0, 0, badge, badge), level);
                        painter.setFont(resized(font(), 0, true));
                        title.draw(painter, QPoint(textLeft, 0), visible);
                        painter.save();
                        painter.setPen(stillUnacceptable ? QColor(Qt::red) : QColor(Qt::black));
                        after.draw(painter, QPoint(textLeft, afterTop), visible);
                        painter.restore();
                        painter.setFont(font());
                        details.paint(painter, QPoint(textLeft, detailsTop), visible);
                    }});
    }
}

void RiskOverviewView::addChecklist(QList<Block>& out, int width, const QPaintDevice* device) const
{
    const ChecklistCount& count = overview_.checklist;
    QStringList lines;
    if (count.questions == 0) {
        lines.append(QStringLiteral("Lista kontrolna nie zawiera pytań."));
    } else if (!count.indexComputed()) {
        lines.append(QStringLiteral("Wskaźnik RBHP nie został obliczony: brak odpowiedzi na pytania listy kontrolnej."));
    } else {
        lines.append(QStringLiteral("Wskaźnik RBHP = %1, stopień przestrzegania zasad bhp: %2.")
                         .arg(rbhpIndex(count.noAnswers, count.questions),
                              rbhpLevelName(count.noAnswers, count.questions)));
        lines.append(QStringLiteral("Odpowiedzi „NIE”: %1 (pytań na liście: %2).").arg(count.noAnswers).arg(count.questions));
    }
    if (count.unanswered > 0)
        lines.append(unansweredLine(count));
    out.append(textBlock(QStringLiteral("Ocena warunków bhp"), lines, width, device));
}
