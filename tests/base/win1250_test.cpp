#include "base/win1250.h"

#include <gtest/gtest.h>

TEST(Win1250, RoundTripsPolishLetters)
{
    const QString polish = QStringLiteral("Zażółć gęślą jaźń ZAŻÓŁĆ GĘŚLĄ JAŹŃ");
    const QByteArray bytes = win1250::fromUnicode(polish);
    EXPECT_EQ(bytes.size(), polish.size());
    EXPECT_EQ(static_cast<unsigned char>(win1250::fromUnicode(QStringLiteral("ą"))[0]), 0xB9);
    EXPECT_EQ(static_cast<unsigned char>(win1250::fromUnicode(QStringLiteral("Ś"))[0]), 0x8C);
    EXPECT_EQ(win1250::toUnicode(bytes), polish);
}

TEST(Win1250, UpperCasesPolishLettersThroughTheCodePage)
{
    EXPECT_EQ(win1250::toUpper(win1250::fromUnicode(QStringLiteral("zażółć gęślą jaźń"))),
              win1250::fromUnicode(QStringLiteral("ZAŻÓŁĆ GĘŚLĄ JAŹŃ")));
    EXPECT_EQ(win1250::toUpper(QByteArray("Stanowisko=ab")), QByteArray("STANOWISKO=AB"));
    // Bytes without an upper-case letter stay as they are.
    EXPECT_EQ(win1250::toUpper(QByteArray("[1/2]\xa0")), QByteArray("[1/2]\xa0"));
}

TEST(Win1250, TellsWhichCharactersItCannotHold)
{
    EXPECT_TRUE(win1250::canEncode(QStringLiteral("Śródmieście – „cudzysłów”")));
    EXPECT_FALSE(win1250::canEncode(QStringLiteral("日本")));
    EXPECT_FALSE(win1250::canEncode(QChar(0x20AC + 1)));
    EXPECT_TRUE(win1250::canEncode(QChar(0x20AC))); // the euro sign has a byte
}
