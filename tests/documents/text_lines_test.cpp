// Breaking text into lines for a width: at blanks where a word fits, anywhere inside a word
// wider than the width (a megabyte without a blank included), and at every line break.

#include "documents/text_lines.h"

#include <QFont>
#include <gtest/gtest.h>

TEST(TextLines, BreakAtBlanksInsideLongWordsAndAtLineBreaks)
{
    CharAdvances advances(QFont(), nullptr);
    const int x = advances.of(u'x');
    const struct {
        QString text;
        int widthInX;
        int lines;
    } cases[] = {
        {"", 10, 0},
        {"xxx xxx", 10, 1},
        {"xxxx xxxx", 4, 2},                             // the blank stays at the end of the first line
        {"xxxx xxxx xx", 9, 2},
        {"xxxxxxxxxx", 4, 3},                            // a word wider than the line breaks inside
        {"xx xxxxxxxxxx", 4, 4},                         // after the blank first, then inside the word
        {"a\r\nb\nc\rd", 10, 4},
        {"a\n", 10, 2},                                  // a final break opens an empty line
        {QString(1 << 20, u'x'), 10, (1 << 20) / 10 + 1},
    };
    for (const auto& c : cases) {
        const TextLines lines(c.text, c.widthInX * x, advances);
        EXPECT_EQ(lines.count(), c.lines) << c.text.left(20).toStdString();
        EXPECT_EQ(lines.height(), c.lines * QFontMetrics(QFont()).height());
    }
}
