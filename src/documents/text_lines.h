#pragma once
// TextLines: a text broken into lines that fit a width, as a table cell and the overview show
// it. A line break in the text ends a line; a line breaks after a blank where it can and
// anywhere inside a word wider than the width, so a long text without a blank still wraps.
// The characters are measured one by one with advances kept per font (CharAdvances), so
// breaking a text costs time in proportion to its length, and drawing touches only the
// lines in view: a text of a megabyte stays quick to lay out, paint and scroll.

#include <QFontMetrics>
#include <QHash>
#include <QString>
#include <QVarLengthArray>
#include <array>

class QPainter;

// The advances of single characters in one font on one device, measured once each.
class CharAdvances {
public:
    CharAdvances(const QFont& font, const QPaintDevice* device);

    int of(QChar c)
    {
        const char16_t u = c.unicode();
        return u < latin_.size() && latin_[u] >= 0 ? latin_[u] : measure(u);
    }
    const QFontMetrics& metrics() const { return metrics_; }

private:
    int measure(char16_t c);

    QFontMetrics metrics_;
    std::array<int, 0x300> latin_; // the Latin letters of the code page; -1 until measured
    QHash<char16_t, int> others_;
};

class TextLines {
public:
    // No lines.
    TextLines() = default;
    // `text` broken for `width` pixels; an empty text has no lines.
    TextLines(const QString& text, int width, CharAdvances& advances);

    int count() const { return int(lines_.size()); }
    int height() const { return count() * lineHeight_; }
    // Draws the lines that reach into `visible`, the text's top-left corner at `origin`,
    // with the painter's font and pen.
    void draw(QPainter& painter, QPoint origin, const QRect& visible) const;

private:
    struct Line {
        int start;
        int length;
    };

    QString text_;
    QVarLengthArray<Line, 4> lines_;
    int lineHeight_ = 0;
    int ascent_ = 0;
};
