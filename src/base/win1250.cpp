#include "base/win1250.h"

#include <QTextCodec>
#include <array>

namespace win1250 {

namespace {

QTextCodec& codec()
{
    static QTextCodec* const c = QTextCodec::codecForName("windows-1250");
    return *c;
}

// Built once from the codec: a byte maps to the byte of its upper-case letter when that
// letter exists in the code page and round-trips.
const std::array<char, 256>& upperTable()
{
    static const std::array<char, 256> table = [] {
        std::array<char, 256> t{};
        for (int b = 0; b < 256; ++b) {
            t[b] = static_cast<char>(b);
            const QString letter = codec().toUnicode(QByteArray(1, static_cast<char>(b)));
            if (letter.size() != 1)
                continue;
            const QString upper = letter.toUpper();
            if (upper.size() != 1 || upper == letter || !canEncode(upper[0]))
                continue;
            const QByteArray encoded = codec().fromUnicode(upper);
            if (encoded.size() == 1)
                t[b] = encoded[0];
        }
        return t;
    }();
    return table;
}

} // namespace

QByteArray fromUnicode(const QString& text)
{
    return codec().fromUnicode(text);
}

QString toUnicode(const QByteArray& bytes)
{
    return codec().toUnicode(bytes);
}

bool canEncode(QChar c)
{
    return codec().canEncode(c);
}

bool canEncode(const QString& text)
{
    return codec().canEncode(text);
}

char toUpper(char byte)
{
    return upperTable()[static_cast<unsigned char>(byte)];
}

QByteArray toUpper(const QByteArray& bytes)
{
    QByteArray out(bytes);
    for (char& c : out)
        c = toUpper(c);
    return out;
}

} // namespace win1250
