#include "documents/text_lines.h"

#include <QPainter>
#include <algorithm>

CharAdvances::CharAdvances(const QFont& font, const QPaintDevice* device) : metrics_(font, device)
{
    latin_.fill(-1);
}

int CharAdvances::measure(char16_t c)
{
    if (c < latin_.size())
        return latin_[c] = metrics_.horizontalAdvance(QChar(c));
    const auto found = others_.constFind(c);
    if (found != others_.cend())
        return *found;
    return *others_.insert(c, metrics_.horizontalAdvance(QChar(c)));
}

TextLines::TextLines(const QString& text, int width, CharAdvances& advances)
    : text_(text), lineHeight_(advances.metrics().height()), ascent_(advances.metrics().ascent())
{
    const int size = int(text.size());
    const QChar* chars = text.constData();
    int start = 0;        // of the line being filled
    int lineWidth = 0;
    int afterBlank = -1;  // where the line may break: after its last blank, -1 when none
    int wordWidth = 0;    // of the characters since that blank
    const auto endLine = [&](int end, int next) {
        lines_.push_back({start, end - start});
        start = next;
        afterBlank = -1;
    };
    for (int i = 0; i < size; ++i) {
        const QChar c = chars[i];
        if (c == u'\n' || c == u'\r') {
            const bool crLf = c == u'\r' && i + 1 < size && chars[i + 1] == u'\n';
            endLine(i, i + 1 + crLf);
            i += crLf;
            lineWidth = 0;
            if (start == size)
                lines_.push_back({start, 0}); // a text that ends in a line break ends in an empty line
            continue;
        }
        const int advance = advances.of(c);
        if (c == u' ' || c == u'\t' || (c > u'~' && c.isSpace())) {
            // Blanks stay at the end of their line even where they pass the width.
            lineWidth += advance;
            afterBlank = i + 1;
            wordWidth = 0;
            continue;
        }
        if (lineWidth + advance > width && i > start) {
            if (afterBlank > start) {
                endLine(afterBlank, afterBlank);
                lineWidth = wordWidth;
            } else {
                endLine(i, i);
                lineWidth = 0;
            }
        }
        lineWidth += advance;
        wordWidth += advance;
    }
    if (start < size)
        lines_.push_back({start, size - start});
}

void TextLines::draw(QPainter& painter, QPoint origin, const QRect& visible) const
{
    if (lines_.empty() || lineHeight_ <= 0)
        return;
    const int first = std::max(0, (visible.top() - origin.y()) / lineHeight_);
    const int last = std::min(count() - 1, (visible.bottom() - origin.y()) / lineHeight_);
    for (int i = first; i <= last; ++i)
        painter.drawText(origin.x(), origin.y() + i * lineHeight_ + ascent_,
                         text_.sliced(lines_[i].start, lines_[i].length));
}
