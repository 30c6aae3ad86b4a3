#include "base/win1250.h"

#include <QTextCodec>
#include <array>
#include <cstdint>

namespace win1250 {

namespace {

// The code page as two tables, built once from the codec: a byte's character, and the byte
// of every character the code page holds. Converting through the tables avoids creating a
// converter for every value, which the document passes do tens of thousands of times, and
// a flat table keeps the conversion of a whole table's text to one index per character.
struct CodePage {
    // The code page's characters all lie below U+2200 (its highest is U+2122).
    static constexpr char16_t charEnd = 0x2200;
    static constexpr std::int16_t noByte = -1;

    std::array<QChar, 256> toChar{};
    std::array<std::int16_t, charEnd> toByte{};  // noByte for a character the code page lacks
    std::array<char, 256> upper{};

    int byteOf(QChar c) const { return c.unicode() < charEnd ? toByte[c.unicode()] : noByte; }

    CodePage()
    {
        toByte.fill(noByte);
        QTextCodec* const codec = QTextCodec::codecForName("windows-1250");
        for (int b = 0; b < 256; ++b) {
            const QString decoded = codec->toUnicode(QByteArray(1, static_cast<char>(b)));
            toChar[b] = decoded.size() == 1 ? decoded[0] : QChar(QChar::ReplacementCharacter);
            if (decoded.size() == 1 && decoded[0] != QChar(QChar::ReplacementCharacter) && decoded[0].unicode() < charEnd)
                toByte[decoded[0].unicode()] = std::int16_t(b);
        }
        // A byte maps to the byte of its upper-case letter when the code page holds it.
        for (int b = 0; b < 256; ++b) {
            upper[b] = static_cast<char>(b);
            const QChar letter = toChar[b];
            const QString up = QString(letter).toUpper();
            if (up.size() == 1 && up[0] != letter && byteOf(up[0]) != noByte)
                upper[b] = static_cast<char>(byteOf(up[0]));
        }
    }
};

const CodePage& codePage()
{
    static const CodePage page;
    return page;
}

// Writes the bytes of `text` to `dst`, which has room for text.size() of them.
void encode(const QString& text, char* dst)
{
    const CodePage& page = codePage();
    for (const QChar c : text) {
        const int byte = page.byteOf(c);
        *dst++ = byte != CodePage::noByte ? static_cast<char>(byte) : '?';
    }
}

} // namespace

QByteArray fromUnicode(const QString& text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    encode(text, out.data());
    return out;
}

void fromUnicode(const QString& text, QByteArray& out)
{
    out.resize(text.size());
    encode(text, out.data());
}

QString toUnicode(QByteArrayView bytes)
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
    return codePage().byteOf(c) != CodePage::noByte;
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
