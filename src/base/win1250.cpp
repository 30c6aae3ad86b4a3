#include "base/win1250.h"

#include <QHash>
#include <QTextCodec>
#include <array>

namespace win1250 {

namespace {

// The code page as two tables, built once from the codec: a byte's character, and the byte
// of every character the code page holds. Converting through the tables avoids creating a
// converter for every value, which the document passes do tens of thousands of times.
struct CodePage {
    std::array<QChar, 256> toChar{};
    QHash<char16_t, char> toByte;
    std::array<char, 256> upper{};

    CodePage()
    {
        QTextCodec* const codec = QTextCodec::codecForName("windows-1250");
        for (int b = 0; b < 256; ++b) {
            const QString decoded = codec->toUnicode(QByteArray(1, static_cast<char>(b)));
            toChar[b] = decoded.size() == 1 ? decoded[0] : QChar(QChar::ReplacementCharacter);
            if (decoded.size() == 1 && decoded[0] != QChar(QChar::ReplacementCharacter))
                toByte.insert(decoded[0].unicode(), static_cast<char>(b));
        }
        // A byte maps to the byte of its upper-case letter when the code page holds it.
        for (int b = 0; b < 256; ++b) {
            upper[b] = static_cast<char>(b);
            const QChar letter = toChar[b];
            const QString up = QString(letter).toUpper();
            if (up.size() == 1 && up[0] != letter) {
                const auto it = toByte.constFind(up[0].unicode());
                if (it != toByte.cend())
                    upper[b] = *it;
            }
        }
    }
};

const CodePage& codePage()
{
    static const CodePage page;
    return page;
}

} // namespace

QByteArray fromUnicode(const QString& text)
{
    const CodePage& page = codePage();
    QByteArray out(text.size(), Qt::Uninitialized);
    char* dst = out.data();
    for (const QChar c : text) {
        const auto it = page.toByte.constFind(c.unicode());
        *dst++ = it != page.toByte.cend() ? *it : '?';
    }
    return out;
}

QString toUnicode(const QByteArray& bytes)
{
    const CodePage& page = codePage();
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* dst = out.data();
    for (const char b : bytes)
        *dst++ = page.toChar[static_cast<unsigned char>(b)];
    return out;
}

bool canEncode(QChar c)
{
    return codePage().toByte.contains(c.unicode());
}

bool canEncode(const QString& text)
{
    for (const QChar c : text)
        if (!canEncode(c))
            return false;
    return true;
}

char toUpper(char byte)
{
    return codePage().upper[static_cast<unsigned char>(byte)];
}

QByteArray toUpper(const QByteArray& bytes)
{
    QByteArray out(bytes);
    for (char& c : out)
        c = toUpper(c);
    return out;
}

} // namespace win1250
