#include "controls/long_word_wrap.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace {

bool holdsLongWord(const QString& text)
{
    int run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > LongWord)
            return true;
    }
    return false;
}

void setWrapping(QPlainTextEdit* memo, bool anywhere)
{
    const QTextOption::WrapMode mode = anywhere ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
    if (memo->wordWrapMode() != mode)
        memo->setWordWrapMode(mode);
}

} // namespace

void followLongWords(QPlainTextEdit* memo)
{
    const auto follow = [memo] { setWrapping(memo, holdsLongWord(memo->document()->toRawText())); };
    follow();
    QObject::connect(memo, &QPlainTextEdit::textChanged, memo, follow);
}

void wrapForIncoming(QPlainTextEdit* memo, const QString& text)
{
    if (holdsLongWord(text))
        setWrapping(memo, true);
}
