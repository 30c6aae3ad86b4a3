#include "storage/ini_file.h"

#include "base/app_error.h"
#include "base/win1250.h"
#include "support/failing_writer.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <functional>
#include <random>

namespace {

// Windows-1250 bytes of a UTF-8 literal.
QByteArray cp(const char* utf8)
{
    return win1250::fromUnicode(QString::fromUtf8(utf8));
}

// Tricky inputs, kept together.
const QByteArray blanksAroundEquals = "[OPIS]\r\n  Stanowisko = Spawacz  \r\n";
const QByteArray lowerCaseNames = "[opis]\r\nPrzed=0\r\nstanowisko=Spawacz\r\nPo=1\r\n";
const QByteArray twoOpisSections = "[OPIS]\r\nA=pierwsza\r\n[INNE]\r\nB=2\r\n[OPIS]\r\nA=druga\r\n";
const QByteArray duplicateKey = "[S]\r\nK=1\r\nX=x\r\nK=2\r\n";
const QByteArray keyWithoutValue = "[S]\r\nK=\r\n";
const QByteArray valueWithEquals = "[S]\r\na=b=c\r\n";
const QByteArray openBracketOnly = "[S]\r\n[niedomknięty\r\n[a=b\r\nK=1\r\n";
const QByteArray noLastLineEnd = "[S]\r\nA=1\r\nB=2";
const QByteArray commentsAndBlanks = "; komentarz\r\n\r\n   \t\r\n;[S]\r\n;K=1\r\n";
const QByteArray mixedLineEnds = "[S]\nA=1\rB=2\r\nC=3\n\rD=4";
const QByteArray nulInside = QByteArray("[S]\r\nA=1\r\nB=2\0\r\nC=3\r\n", 22);
const QByteArray linesBeforeHeader = "Bez=sekcji\r\nluźna linia\r\n[S]\r\nA=1\r\n";
const QByteArray controlBytesAndNbsp = "[S]\r\n\t\x01K\x1f=" + cp("\u00a0wartość\u00a0 \x7f") + "\r\n";

// A fresh copy loaded from `bytes`.
std::unique_ptr<TMemIniFile> loaded(const QByteArray& bytes)
{
    auto ini = std::make_unique<TMemIniFile>();
    ini->LoadFromBytes(bytes);
    return ini;
}

// What a fresh copy reads from the written form of `ini`.
std::unique_ptr<TMemIniFile> reloaded(const TMemIniFile& ini)
{
    return loaded(ini.ToBytes());
}

using Names = QList<QByteArray>;

} // namespace

// ---- Reading rules ------------------------------------------------------------------

TEST(IniReading, BlanksAroundKeyAndValueAreDroppedAndNotWrittenBack)
{
    const auto ini = loaded(blanksAroundEquals);
    EXPECT_EQ(ini->ReadValue("OPIS", "Stanowisko", "brak"), "Spawacz");
    EXPECT_EQ(ini->ToBytes(), "[OPIS]\r\nStanowisko=Spawacz\r\n\r\n");
}

TEST(IniReading, ControlBytesAreTrimmedButBytesAbove127AreKept)
{
    const auto ini = loaded(controlBytesAndNbsp);
    // 0x7f is above 32 and stays; the no-break space 0xa0 is a letter of the code page.
    EXPECT_EQ(ini->ReadValue("S", "K", "brak"), cp("\u00a0wartość\u00a0 \x7f"));
    EXPECT_EQ(ini->SectionKeys("S"), Names{"K"});
}

TEST(IniReading, CommentsBlankLinesAndLinesBeforeTheFirstHeaderAreDropped)
{
    const auto ini = loaded(linesBeforeHeader + commentsAndBlanks + "A2=2\r\n");
    EXPECT_EQ(ini->SectionNames(), Names{"S"});
    EXPECT_EQ(ini->ReadValue("S", "Bez", "brak"), "brak");
    EXPECT_EQ(ini->ReadValue("S", ";K", "brak"), "brak");
    EXPECT_EQ(ini->ToBytes(), "[S]\r\nA=1\r\nA2=2\r\n\r\n");
}

TEST(IniReading, EmptyOrCommentOnlyTextHasNoSectionsAndWritesNoBytes)
{
    for (const QByteArray& text : {QByteArray(), commentsAndBlanks, QByteArray("\r\n\r\n"), QByteArray("x=1\r\n")}) {
        const auto ini = loaded(text);
        EXPECT_TRUE(ini->SectionNames().isEmpty()) << text.toStdString();
        EXPECT_EQ(ini->ReadValue("S", "K", "domyślna"), "domyślna");
        EXPECT_EQ(ini->ToBytes().size(), 0);
    }
}

TEST(IniReading, HeaderNameIsTrimmedAndMayBeEmpty)
{
    const auto ini = loaded("  [ \tNazwa  ]  \r\nA=1\r\n[]\r\nB=2\r\n");
    EXPECT_EQ(ini->SectionNames(), (Names{"Nazwa", ""}));
    EXPECT_EQ(ini->ReadValue("Nazwa", "A", "brak"), "1");
    EXPECT_EQ(ini->ReadValue("", "B", "brak"), "2");
    EXPECT_EQ(ini->ToBytes(), "[Nazwa]\r\nA=1\r\n\r\n[]\r\nB=2\r\n\r\n");
}

TEST(IniReading, HeaderOfAnExistingNameOpensAnotherSection)
{
    const auto ini = loaded(twoOpisSections);
    EXPECT_EQ(ini->SectionNames(), (Names{"OPIS", "INNE", "OPIS"}));
}

TEST(IniReading, LineWithoutEqualsKeepsItsPlaceButIsNeverFound)
{
    const auto ini = loaded("[S]\r\nA=1\r\n  sama linia  \r\nB=2\r\n");
    EXPECT_EQ(ini->SectionKeys("S"), (Names{"A", "", "B"}));
    EXPECT_EQ(ini->ReadValue("S", "sama linia", "brak"), "brak");
    EXPECT_EQ(ini->ReadValue("S", "", "brak"), "brak");
    EXPECT_EQ(ini->ToBytes(), "[S]\r\nA=1\r\nsama linia\r\nB=2\r\n\r\n");
}

TEST(IniReading, OpeningBracketWithoutClosingIsAnOrdinaryLine)
{
    const auto ini = loaded(openBracketOnly);
    EXPECT_EQ(ini->SectionNames(), Names{"S"});
    EXPECT_EQ(ini->SectionKeys("S"), (Names{"", "[a", "K"}));
    EXPECT_EQ(ini->ReadValue("S", "[a", "brak"), "b");
    EXPECT_EQ(ini->ReadValue("S", "K", "brak"), "1");
    EXPECT_EQ(ini->ToBytes(), "[S]\r\n[niedomknięty\r\n[a=b\r\nK=1\r\n\r\n");
}

TEST(IniReading, ValueIsEverythingAfterTheFirstEquals)
{
    const auto ini = loaded(valueWithEquals);
    EXPECT_EQ(ini->ReadValue("S", "a", "brak"), "b=c");
    EXPECT_EQ(ini->ReadValue("S", "a=b", "brak"), "brak");
}

TEST(IniReading, KeyWithEmptyValueYieldsEmptyStringNotDefault)
{
    const auto ini = loaded(keyWithoutValue);
    const QByteArray value = ini->ReadValue("S", "K", "domyślna");
    EXPECT_TRUE(value.isEmpty());
    EXPECT_EQ(ini->ReadValue("S", "Brak", "domyślna"), "domyślna");
}

TEST(IniReading, EmptyKeyIsTheTextBeforeTheEquals)
{
    const auto ini = loaded("[S]\r\n = x \r\n");
    EXPECT_EQ(ini->SectionKeys("S"), Names{""});
    EXPECT_EQ(ini->ReadValue("S", "", "brak"), "x");
    EXPECT_EQ(ini->ToBytes(), "[S]\r\n=x\r\n\r\n");
}

TEST(IniReading, CrLfLoneCrAndLoneLfEachEndALine)
{
    const auto ini = loaded(mixedLineEnds);
    EXPECT_EQ(ini->SectionKeys("S"), (Names{"A", "B", "C", "D"}));
    EXPECT_EQ(ini->ReadValue("S", "B", "brak"), "2");
    EXPECT_EQ(ini->ReadValue("S", "D", "brak"), "4");
}

// A NUL is the blank the writer stores for it; the text after it is read as usual, so a
// round trip keeps every section and key, and the copy says that it replaced something.
TEST(IniReading, NulByteIsReadAsABlankAndTheRestOfTheFileStays)
{
    const struct {
        QByteArray bytes;
        QByteArray written;
    } cases[] = {
        {nulInside, "[S]\r\nA=1\r\nB=2\r\nC=3\r\n\r\n"},
        {QByteArray("[OPIS]\r\nUwagi=a\0b\r\n\0\r\n[ZAGROZENIA]\r\nTABELA0/1=x\r\n", 49),
         "[OPIS]\r\nUwagi=a b\r\n\r\n[ZAGROZENIA]\r\nTABELA0/1=x\r\n\r\n"},
        {QByteArray("[S]\0\r\nK\0=\0v\0\r\n", 14), "[S]\r\nK=v\r\n\r\n"},
    };
    for (const auto& c : cases) {
        const auto ini = loaded(c.bytes);
        EXPECT_TRUE(ini->ReplacedNul());
        EXPECT_EQ(ini->ToBytes(), c.written);
        const auto again = reloaded(*ini);
        EXPECT_FALSE(again->ReplacedNul());
        EXPECT_EQ(again->ToBytes(), c.written);
    }
    EXPECT_EQ(loaded(nulInside)->ReadValue("S", "B", "brak"), "2");
    EXPECT_FALSE(loaded(mixedLineEnds)->ReplacedNul());
}

TEST(IniReading, LastLineWithoutLineEndIsReadAndWrittenWithOne)
{
    const auto ini = loaded(noLastLineEnd);
    EXPECT_EQ(ini->ReadValue("S", "B", "brak"), "2");
    EXPECT_EQ(ini->ToBytes(), "[S]\r\nA=1\r\nB=2\r\n\r\n");
}

TEST(IniReading, HeaderLikeTextAfterEqualsOrWithTextAfterBracketIsALine)
{
    const auto ini = loaded("[S]\r\nK=[X]\r\n[T]x\r\nL=a;b\r\n");
    EXPECT_EQ(ini->SectionNames(), Names{"S"});
    EXPECT_EQ(ini->ReadValue("S", "K", "brak"), "[X]");
    EXPECT_EQ(ini->ReadValue("S", "L", "brak"), "a;b");
    EXPECT_EQ(ini->SectionKeys("S"), (Names{"K", "", "L"}));
}

TEST(IniReading, LoadingReplacesTheWholeCopy)
{
    TMemIniFile ini;
    ini.LoadFromBytes(duplicateKey);
    ini.LoadFromBytes("[T]\r\nA=1\r\n");
    EXPECT_EQ(ini.SectionNames(), Names{"T"});
    EXPECT_EQ(ini.ReadValue("S", "K", "brak"), "brak");
}

// ---- Written form -------------------------------------------------------------------

TEST(IniWriting, EverySectionIsHeaderLinesAndOneEmptyLineWithCrLf)
{
    TMemIniFile ini;
    ini.WriteValue("OPIS", "Stanowisko", "Spawacz");
    ini.WriteValue("ZAGROZENIA", "TABELA0/1", "Hałas");
    ini.WriteValue("OPIS", "Metoda", "PHA");
    EXPECT_EQ(ini.ToBytes(),
              "[OPIS]\r\nStanowisko=Spawacz\r\nMetoda=PHA\r\n\r\n"
              "[ZAGROZENIA]\r\nTABELA0/1=Hałas\r\n\r\n");
}

TEST(IniWriting, WrittenFormIsTheSameWhetherTheSectionsWereReadOrNot)
{
    // A section's lines are parsed when first used; until then they are written from the
    // file's text by the same rules.
    for (const QByteArray& bytes : {blanksAroundEquals, lowerCaseNames, twoOpisSections, duplicateKey, keyWithoutValue,
                                    valueWithEquals, openBracketOnly, noLastLineEnd, commentsAndBlanks, mixedLineEnds,
                                    nulInside, linesBeforeHeader, controlBytesAndNbsp}) {
        const auto untouched = loaded(bytes);
        const auto read = loaded(bytes);
        for (const QByteArray& name : read->SectionNames())
            read->SectionKeys(name);
        EXPECT_EQ(untouched->ToBytes(), read->ToBytes()) << bytes.toStdString();
    }
}

TEST(IniWriting, SectionWhoseLinesWereAllDeletedIsStillWritten)
{
    const auto ini = loaded("[S]\r\nA=1\r\nB=2\r\n[T]\r\nC=3\r\n");
    ini->DeleteValue("S", "A");
    ini->DeleteValue("S", "B");
    EXPECT_EQ(ini->SectionNames(), (Names{"S", "T"}));
    EXPECT_EQ(ini->ToBytes(), "[S]\r\n\r\n[T]\r\nC=3\r\n\r\n");
    EXPECT_EQ(reloaded(*ini)->SectionKeys("S"), Names{});
}

// Lines read from a file stay in its bytes until they change; changed, deleted and added
// lines, and the compaction that many deletions bring, leave the others as they were.
TEST(IniWriting, ChangesToLinesReadFromAFileKeepTheOthers)
{
    QByteArray many = "[S]\r\n";
    QByteArray manyAfter = "[S]\r\n";
    for (int i = 0; i < 100; ++i) {
        many += "K" + QByteArray::number(i) + "=" + QByteArray::number(i) + "\r\n";
        if (i >= 80)
            manyAfter += "K" + QByteArray::number(i) + "=" + (i == 90 ? "nowa" : QByteArray::number(i)) + "\r\n";
    }
    struct Case {
        const char* name;
        QByteArray text;
        std::function<void(TMemIniFile&)> change;
        QByteArray expected;
    };
    const Case cases[] = {
        {"a change, a deletion and an addition", "[S]\r\nA=1\r\n  B = 2 \r\nnote\r\nC=3\r\n[T]\r\nX=1\r\n",
         [](TMemIniFile& ini) {
             ini.WriteValue("S", "B", "20");
             ini.DeleteValue("S", "A");
             ini.WriteValue("S", "D", "4");
             ini.WriteValue("T", "X", "1");
         },
         "[S]\r\nB=20\r\nnote\r\nC=3\r\nD=4\r\n\r\n[T]\r\nX=1\r\n\r\n"},
        {"most lines deleted", many,
         [](TMemIniFile& ini) {
             for (int i = 0; i < 80; ++i)
                 ini.DeleteValue("S", "K" + QByteArray::number(i));
             ini.WriteValue("S", "K90", "nowa");
         },
         manyAfter + "\r\n"},
        {"NUL bytes read as blanks", QByteArray("[S]\r\nA=x\0y\r\nB=2\r\n", 18),
         [](TMemIniFile& ini) { ini.WriteValue("S", "B", "3"); }, "[S]\r\nA=x y\r\nB=3\r\n\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto ini = loaded(c.text);
        c.change(*ini);
        EXPECT_EQ(ini->ToBytes(), c.expected);
        EXPECT_EQ(reloaded(*ini)->ToBytes(), c.expected);
    }
}

TEST(IniWriting, WrittenFormReadsBackTheSameExceptOuterBlanksOfValues)
{
    TMemIniFile ini;
    ini.WriteValue("S", "A", "  z blankami  ");
    ini.WriteValue("S", "B", "a=b=c");
    ini.WriteValue("S", "C", "");
    ini.WriteValue(cp("Źródła"), cp("Łąka"), cp("żółć"));
    const auto again = reloaded(ini);
    EXPECT_EQ(again->ReadValue("S", "A", "brak"), "z blankami");
    EXPECT_EQ(again->ReadValue("S", "B", "brak"), "a=b=c");
    EXPECT_EQ(again->ReadValue("S", "C", "brak"), "");
    EXPECT_EQ(again->ReadValue(cp("Źródła"), cp("Łąka"), "brak"), cp("żółć"));
    EXPECT_EQ(again->ToBytes(), reloaded(*again)->ToBytes());
}

// ---- Lookups ------------------------------------------------------------------------

// A key holding "=" writes a line whose key is the text before its first "="; the copy
// answers every lookup as a reload of its bytes does, before the save as after it.
TEST(IniLookup, KeyWithEqualsAnswersAsItsWrittenBytesDo)
{
    TMemIniFile ini;
    ini.WriteValue("S", "A", "stara");
    ini.WriteValue("S", "a=b", "c");
    ini.WriteValue("S", "=x", "y");
    ASSERT_EQ(ini.ToBytes(), "[S]\r\nA=stara\r\na=b=c\r\n=x=y\r\n\r\n");
    const auto again = reloaded(ini);
    const struct {
        QByteArray key;
        QByteArray expected;
    } lookups[] = {{"a", "b=c"}, {"a=b", "brak"}, {"", "x=y"}, {"=x", "brak"}};
    for (const auto& lookup : lookups) {
        EXPECT_EQ(ini.ReadValue("S", lookup.key, "brak"), lookup.expected) << lookup.key.constData();
        EXPECT_EQ(again->ReadValue("S", lookup.key, "brak"), lookup.expected) << lookup.key.constData();
    }
    EXPECT_EQ(ini.SectionKeys("S"), again->SectionKeys("S"));
    ini.DeleteValue("S", "a");
    EXPECT_EQ(ini.ReadValue("S", "A", "brak"), "stara");
}

TEST(IniLookup, SectionsAndKeysCompareWithoutLetterCaseIncludingPolishLetters)
{
    const auto ini = loaded(cp("[zagrożenia]\r\nźródło=hałas\r\n"));
    EXPECT_EQ(ini->ReadValue(cp("ZAGROŻENIA"), cp("ŹRÓDŁO"), "brak"), cp("hałas"));
    EXPECT_EQ(ini->ReadValue(cp("Zagrożenia"), cp("Źródło"), "brak"), cp("hałas"));
    // A letter without its diacritic is another letter.
    EXPECT_EQ(ini->ReadValue(cp("ZAGROZENIA"), cp("ZRODLO"), "brak"), "brak");
    EXPECT_EQ(ini->SectionKeys(cp("ZAGROŻENIA")), Names{cp("źródło")});
}

TEST(IniLookup, WriteReplacesTheLineInPlaceInTheCallersLetterCase)
{
    const auto ini = loaded(lowerCaseNames);
    EXPECT_EQ(ini->ReadValue("OPIS", "Stanowisko", "brak"), "Spawacz");
    ini->WriteValue("OPIS", "Stanowisko", "Tokarz");
    EXPECT_EQ(ini->ToBytes(), "[opis]\r\nPrzed=0\r\nStanowisko=Tokarz\r\nPo=1\r\n\r\n");
    EXPECT_EQ(reloaded(*ini)->ReadValue("opis", "STANOWISKO", "brak"), "Tokarz");
}

TEST(IniLookup, NamesAreNotTrimmedAtLookup)
{
    const auto ini = loaded("[OPIS]\r\nK=1\r\n");
    EXPECT_EQ(ini->ReadValue(" OPIS", "K", "brak"), "brak");
    EXPECT_EQ(ini->ReadValue("OPIS", "K ", "brak"), "brak");
}

TEST(IniLookup, DuplicateSectionsResolveToTheLastAndAllAreWrittenBack)
{
    const auto ini = loaded(twoOpisSections);
    EXPECT_EQ(ini->ReadValue("OPIS", "A", "brak"), "druga");
    ini->WriteValue("opis", "Nowy", "n");
    ini->WriteValue("OPIS", "A", "zmieniona");
    EXPECT_EQ(ini->ToBytes(),
              "[OPIS]\r\nA=pierwsza\r\n\r\n[INNE]\r\nB=2\r\n\r\n[OPIS]\r\nA=zmieniona\r\nNowy=n\r\n\r\n");
    EXPECT_EQ(ini->SectionKeys("OPIS"), (Names{"A", "Nowy"}));
    ini->DeleteValue("OPIS", "A");
    // The first OPIS is never reached while the second exists.
    EXPECT_EQ(ini->ReadValue("OPIS", "A", "brak"), "brak");
}

TEST(IniLookup, DuplicateKeysResolveToTheLastAndDeleteRevealsTheEarlierOne)
{
    const auto ini = loaded(duplicateKey);
    EXPECT_EQ(ini->ReadValue("S", "K", "brak"), "2");
    ini->DeleteValue("S", "k");
    EXPECT_EQ(ini->ReadValue("S", "K", "brak"), "1");
    EXPECT_EQ(ini->ToBytes(), "[S]\r\nK=1\r\nX=x\r\n\r\n");
    ini->DeleteValue("S", "K");
    EXPECT_EQ(ini->ReadValue("S", "K", "brak"), "brak");
    EXPECT_EQ(ini->ToBytes(), "[S]\r\nX=x\r\n\r\n");
}

TEST(IniLookup, WriteOnADuplicateKeyReplacesOnlyTheLastOccurrence)
{
    const auto ini = loaded(duplicateKey);
    ini->WriteValue("S", "K", "3");
    EXPECT_EQ(ini->ToBytes(), "[S]\r\nK=1\r\nX=x\r\nK=3\r\n\r\n");
    ini->DeleteValue("S", "K");
    ini->WriteValue("S", "K", "4");
    EXPECT_EQ(ini->ToBytes(), "[S]\r\nK=4\r\nX=x\r\n\r\n");
}

TEST(IniLookup, KeyDeletedAndWrittenAgainGoesToTheEndOfItsSection)
{
    const auto ini = loaded("[S]\r\nA=1\r\nB=2\r\n[T]\r\n");
    ini->DeleteValue("S", "A");
    ini->WriteValue("S", "A", "nowa");
    EXPECT_EQ(ini->ToBytes(), "[S]\r\nB=2\r\nA=nowa\r\n\r\n[T]\r\n\r\n");
}

TEST(IniLookup, DeletingWhatIsMissingChangesNothing)
{
    const auto ini = loaded("[S]\r\nA=1\r\nlinia\r\n");
    ini->DeleteValue("S", "B");
    ini->DeleteValue("S", "linia");
    ini->DeleteValue("Brak", "A");
    EXPECT_EQ(ini->ToBytes(), "[S]\r\nA=1\r\nlinia\r\n\r\n");
    EXPECT_EQ(ini->SectionNames(), Names{"S"});
}

TEST(IniLookup, MissingSectionGivesDefaultAndNoKeys)
{
    const auto ini = loaded("[S]\r\nA=1\r\n");
    EXPECT_EQ(ini->ReadValue("T", "A", "brak"), "brak");
    EXPECT_TRUE(ini->SectionKeys("T").isEmpty());
}

namespace {

// One section as a plain list searched from its end: what the indexed copy must match.
struct PlainSection {
    QList<std::pair<QByteArray, QByteArray>> lines;

    qsizetype find(const QByteArray& key) const
    {
        for (qsizetype i = lines.size() - 1; i >= 0; --i)
            if (win1250::toUpper(lines[i].first) == win1250::toUpper(key))
                return i;
        return -1;
    }

    QByteArray bytes() const
    {
        QByteArray out = "[S]\r\n";
        for (const auto& [key, value] : lines)
            out += key + '=' + value + "\r\n";
        return out + "\r\n";
    }
};

} // namespace

TEST(IniLookup, ManyWritesAndDeletesMatchAPlainListSearchedFromTheEnd)
{
    // Names that differ in letter case only, Polish letters included, and duplicates loaded
    // from the file, so that deletes uncover earlier lines.
    QList<QByteArray> names;
    for (int i = 0; i < 200; ++i)
        names << "Klucz" + QByteArray::number(i) << "KLUCZ" + QByteArray::number(i);
    names << cp("Źródło") << cp("źródło") << cp("ŹRÓDŁO");
    PlainSection plain;
    plain.lines = {{"Klucz1", "a"}, {"klucz1", "b"}, {cp("źródło"), "c"}, {"KLUCZ1", "d"}};
    TMemIniFile ini;
    ini.LoadFromBytes(plain.bytes());

    std::mt19937 random(1250);
    for (int step = 0; step < 20000; ++step) {
        const QByteArray& key = names[qsizetype(random() % names.size())];
        const qsizetype found = plain.find(key);
        switch (random() % 3) {
        case 0: {
            const QByteArray value = QByteArray::number(step);
            ini.WriteValue("S", key, value);
            if (found >= 0)
                plain.lines[found] = {key, value};
            else
                plain.lines.append({key, value});
            break;
        }
        case 1:
            ini.DeleteValue("S", key);
            if (found >= 0)
                plain.lines.removeAt(found);
            break;
        default:
            ASSERT_EQ(ini.ReadValue("S", key, "brak"), found >= 0 ? plain.lines[found].second : "brak")
                << "step " << step;
        }
        if (step % 1000 == 0) {
            ASSERT_EQ(ini.ToBytes(), plain.bytes()) << "step " << step;
        }
    }
    EXPECT_EQ(ini.ToBytes(), plain.bytes());
    EXPECT_EQ(reloaded(ini)->ToBytes(), plain.bytes());
}

// ---- Values with line breaks --------------------------------------------------------

TEST(IniLineBreaks, EachLineBreakInAValueBecomesOneBlank)
{
    TMemIniFile ini;
    ini.WriteValue("S", "A", "a\r\nb");
    ini.WriteValue("S", "B", "a\rb\nc");
    ini.WriteValue("S", "C", "a\n\rb\r\r\nc\r\n");
    EXPECT_EQ(ini.ReadValue("S", "A", "brak"), "a b");
    EXPECT_EQ(ini.ReadValue("S", "B", "brak"), "a b c");
    EXPECT_EQ(ini.ReadValue("S", "C", "brak"), "a  b  c ");
    EXPECT_EQ(ini.ToBytes(), "[S]\r\nA=a b\r\nB=a b c\r\nC=a  b  c \r\n\r\n");
}

TEST(IniLineBreaks, CellTextWithABreakCannotOverwriteAnotherCell)
{
    TMemIniFile ini;
    ini.WriteValue("ZAGROZENIA", "TABELA0/1", "pierwsza");
    ini.WriteValue("ZAGROZENIA", "TABELA1/1", "opis\r\nTABELA0/1=x");
    ini.WriteValue("ZAGROZENIA", "TABELA2/1", "a\n[INNA]\nK=v");
    const auto again = reloaded(ini);
    EXPECT_EQ(again->ReadValue("ZAGROZENIA", "TABELA0/1", "brak"), "pierwsza");
    EXPECT_EQ(again->ReadValue("ZAGROZENIA", "TABELA1/1", "brak"), "opis TABELA0/1=x");
    EXPECT_EQ(again->ReadValue("ZAGROZENIA", "TABELA2/1", "brak"), "a [INNA] K=v");
    EXPECT_EQ(again->SectionNames(), Names{"ZAGROZENIA"});
    EXPECT_EQ(again->SectionKeys("ZAGROZENIA"), (Names{"TABELA0/1", "TABELA1/1", "TABELA2/1"}));
}

TEST(IniLineBreaks, NulByteInAValueCannotCutTheFileShort)
{
    TMemIniFile ini;
    ini.WriteValue("S", "A", QByteArray("przed\0po", 8));
    ini.WriteValue("T", "B", "dalej");
    const auto again = reloaded(ini);
    EXPECT_EQ(again->ReadValue("S", "A", "brak"), "przed po");
    EXPECT_EQ(again->ReadValue("T", "B", "brak"), "dalej");
}

// ---- The file on disk ---------------------------------------------------------------

class IniFileOnDisk : public ::testing::Test {
protected:
    TempFolder folder;

    QStringList folderEntries() const { return QDir(folder.root()).entryList(QDir::Files | QDir::Hidden); }
};

TEST_F(IniFileOnDisk, MissingFileLoadsAsEmptyCopy)
{
    TMemIniFile ini(folder.path("brak.rpr"));
    ini.LoadFromBytes("[S]\r\nA=1\r\n");
    ini.LoadFromFile();
    EXPECT_TRUE(ini.SectionNames().isEmpty());
    EXPECT_FALSE(QFile::exists(folder.path("brak.rpr")));
}

TEST_F(IniFileOnDisk, FileThatCannotBeReadRaisesAnError)
{
    QDir(folder.root()).mkdir("katalog.rpr");
    TMemIniFile ini(folder.path("katalog.rpr"));
    EXPECT_THROW(ini.LoadFromFile(), AppError);
}

TEST_F(IniFileOnDisk, WrittenFileIsReadByAFreshCopy)
{
    const QString path = folder.write("a.rpr", "; stary komentarz\r\n[OPIS]\r\n Stanowisko = Spawacz\r\n");
    TMemIniFile ini(path);
    ini.LoadFromFile();
    ini.WriteValue("OPIS", "Metoda", "PHA");
    ini.WriteToDisk();
    EXPECT_EQ(folder.read(path), "[OPIS]\r\nStanowisko=Spawacz\r\nMetoda=PHA\r\n\r\n");

    TMemIniFile fresh(path);
    fresh.LoadFromFile();
    EXPECT_EQ(fresh.ReadValue("opis", "metoda", "brak"), "PHA");
    EXPECT_EQ(folderEntries(), QStringList{"a.rpr"});
}

TEST_F(IniFileOnDisk, ShorterTextReplacesALongerFileWhole)
{
    const QString path = folder.write("a.rpr", "[S]\r\n" + QByteArray(10000, 'x') + "=1\r\n");
    TMemIniFile ini(path);
    ini.LoadFromBytes("[S]\r\nA=1\r\n");
    ini.WriteToDisk();
    EXPECT_EQ(folder.read(path), "[S]\r\nA=1\r\n\r\n");
}

TEST_F(IniFileOnDisk, CopyWithoutSectionsWritesAnEmptyFile)
{
    const QString path = folder.write("a.rpr", commentsAndBlanks);
    TMemIniFile ini(path);
    ini.LoadFromFile();
    ini.WriteToDisk();
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(QFileInfo(path).size(), 0);
}

// Every step of the write fails in turn: the document keeps its old text, no temporary
// file is left, and the same copy saves once the step works again.
class FailingSave : public IniFileOnDisk, public ::testing::WithParamInterface<FailingWriter::Failure> {};

TEST_P(FailingSave, LeavesTheOldFileAndNoTemporary)
{
    const QByteArray old = "[S]\r\nA=stara\r\n\r\n";
    const QString path = folder.write("a.rpr", old);
    FailingWriter writer;
    writer.failure = GetParam();
    TMemIniFile ini(path);
    ini.SetWriter(&writer);
    ini.LoadFromFile();
    ini.WriteValue("S", "A", QByteArray(5000, 'n'));
    try {
        ini.WriteToDisk();
        FAIL() << "the save did not fail";
    } catch (const AppError& e) {
        EXPECT_TRUE(e.text().startsWith("Nie można zapisać pliku")) << e.text().toStdString();
        EXPECT_TRUE(e.text().contains(QDir::toNativeSeparators(path)));
    }
    // The new text never reached the document.
    EXPECT_EQ(writer.documentAtFailure, old);
    EXPECT_EQ(folder.read(path), old);
    EXPECT_EQ(folderEntries(), QStringList{"a.rpr"});

    writer.failure = FailingWriter::Failure::None;
    ini.WriteToDisk();
    EXPECT_EQ(folder.read(path), "[S]\r\nA=" + QByteArray(5000, 'n') + "\r\n\r\n");
}

INSTANTIATE_TEST_SUITE_P(EveryStep, FailingSave,
                         ::testing::Values(FailingWriter::Failure::HalfWay, FailingWriter::Failure::AtSync,
                                           FailingWriter::Failure::AtClose, FailingWriter::Failure::AtRename));

TEST_F(IniFileOnDisk, SaveIntoAMissingFolderFailsAndCreatesNothing)
{
    const QString path = folder.path("brak/a.rpr");
    TMemIniFile ini(path);
    ini.WriteValue("S", "A", "1");
    try {
        ini.WriteToDisk();
        FAIL() << "the save did not fail";
    } catch (const AppError& e) {
        EXPECT_TRUE(e.text().contains(QDir::toNativeSeparators(path)));
    }
    EXPECT_TRUE(folderEntries().isEmpty());
    EXPECT_FALSE(QDir(folder.path("brak")).exists());
}

// ---- TMemIniFileU: writes only with the lock and keeps the lock on the new file ------

namespace {
constexpr QFile::Permissions anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;

bool hasWriteBit(const QString& path)
{
    return QFile::permissions(path) & anyWrite;
}
} // namespace

TEST_F(IniFileOnDisk, DocumentCopyWithoutWriteAllowedWritesNothing)
{
    const QString path = folder.write("a.rpr", "; komentarz\r\n[S]\r\nA = 1\r\n");
    TMemIniFileU ini(path);
    ini.LoadFromFile();
    ini.WriteValue("S", "A", "2");
    ini.WriteToDisk();
    EXPECT_EQ(folder.read(path), "; komentarz\r\n[S]\r\nA = 1\r\n");
    EXPECT_TRUE(QFile::permissions(path) & QFile::WriteOwner);

    TMemIniFileU missing(folder.path("nowy.rpr"));
    missing.WriteToDisk();
    EXPECT_FALSE(QFile::exists(folder.path("nowy.rpr")));
}

TEST_F(IniFileOnDisk, DocumentCopyWritesALockedFileAndLeavesItLocked)
{
    const QString path = folder.write("a.rpr", "[S]\r\nA=1\r\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    TMemIniFileU ini(path);
    ini.WriteAllowed = true;
    ini.LoadFromFile();
    ini.WriteValue("S", "A", "2");
    ini.WriteToDisk();
    EXPECT_EQ(folder.read(path), "[S]\r\nA=2\r\n\r\n");
    EXPECT_FALSE(hasWriteBit(path));
    EXPECT_TRUE(QFile::permissions(path) & QFile::ReadOwner);
}

TEST_F(IniFileOnDisk, DocumentCopyCreatesAMissingFileLocked)
{
    const QString path = folder.path("nowy.rpr");
    TMemIniFileU ini(path);
    ini.WriteAllowed = true;
    ini.LoadFromFile();
    ini.WriteToDisk();
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(QFileInfo(path).size(), 0);
    EXPECT_FALSE(hasWriteBit(path));
}

TEST_F(IniFileOnDisk, DocumentCopyWhoseSaveFailsLeavesTheOldTextAndItsLock)
{
    const QByteArray old = "[S]\r\nA=1\r\n\r\n";
    const QString path = folder.write("a.rpr", old);
    QFile::setPermissions(path, QFile::ReadOwner);
    FailingWriter writer;
    writer.failure = FailingWriter::Failure::HalfWay;
    TMemIniFileU ini(path);
    ini.WriteAllowed = true;
    ini.SetWriter(&writer);
    ini.WriteValue("S", "A", "2");
    EXPECT_THROW(ini.WriteToDisk(), AppError);
    EXPECT_EQ(folder.read(path), old);
    EXPECT_FALSE(hasWriteBit(path));
    EXPECT_EQ(folderEntries(), QStringList{"a.rpr"});
}

// Replacing a section's tail in one pass leaves the bytes that deleting the old keys and
// writing the new ones would, and is refused (with nothing changed) where those would differ.
TEST(IniWriting, ReplaceTailEqualsDeletingAndWritingOrIsRefused)
{
    struct Case {
        const char* name;
        QByteArray text;
        qsizetype oldCount;
        bool inPlaceShorter;   // the new tail k1, k2
        bool inPlaceLonger;    // the new tail k1 ... k4
    };
    const auto key = [](qsizetype i, QByteArray& out) { out = "k" + QByteArray::number(i + 1); };
    // k2 keeps its value; the others change, one of them to a value of two lines.
    const auto value = [](qsizetype i, QByteArray& out) { out = i == 1 ? "b" : i == 2 ? "x\r\ny" : "N"; };
    const Case cases[] = {
        {"tail", "[s]\r\nx=1\r\nk1=a\r\nk2=b\r\nk3=c\r\n", 3, true, true},
        {"only the keys", "[s]\r\nk1=a\r\nk2=b\r\nk3=c\r\n", 3, true, true},
        {"a line without a key before them", "[s]\r\nnote\r\nk1=a\r\nk2=b\r\nk3=c\r\n", 3, true, true},
        {"no section", "[t]\r\nk1=a\r\n", 0, true, true},
        {"a line after them", "[s]\r\nk1=a\r\nk2=b\r\nk3=c\r\nx=1\r\n", 3, false, false},
        {"another order", "[s]\r\nk2=b\r\nk1=a\r\nk3=c\r\n", 3, false, false},
        {"an earlier line of an old name", "[s]\r\nk2=old\r\nk1=a\r\nk2=b\r\nk3=c\r\n", 3, false, false},
        {"an earlier line of a new name", "[s]\r\nK4=old\r\nk1=a\r\nk2=b\r\nk3=c\r\n", 3, true, false},
        {"a name in other letters", "[s]\r\nK1=a\r\nk2=b\r\nk3=c\r\n", 3, false, false},
        {"a line without a key inside", "[s]\r\nk1=a\r\nnote\r\nk2=b\r\nk3=c\r\n", 3, false, false},
        {"too few lines", "[s]\r\nk2=b\r\nk3=c\r\n", 3, false, false},
    };
    for (const Case& c : cases) {
        for (const qsizetype newCount : {2, 4}) {
            SCOPED_TRACE(std::string(c.name) + ", new tail of " + std::to_string(newCount));
            const bool inPlace = newCount == 2 ? c.inPlaceShorter : c.inPlaceLonger;
            const auto replaced = loaded(c.text);
            // A lookup before the pass builds the index, which the pass must then keep.
            const auto indexed = loaded(c.text);
            indexed->ReadValue("s", "k1", {});
            EXPECT_EQ(replaced->ReplaceTail("s", c.oldCount, newCount, key, value), inPlace);
            EXPECT_EQ(indexed->ReplaceTail("s", c.oldCount, newCount, key, value), inPlace);
            const auto reference = loaded(c.text);
            QByteArray k;
            QByteArray v;
            if (inPlace) {
                for (qsizetype i = 0; i < c.oldCount; ++i) {
                    key(i, k);
                    reference->DeleteValue("s", k);
                }
                for (qsizetype i = 0; i < newCount; ++i) {
                    key(i, k);
                    value(i, v);
                    reference->WriteValue("s", k, v);
                }
            }
            EXPECT_EQ(replaced->ToBytes(), reference->ToBytes());
            EXPECT_EQ(indexed->ToBytes(), reference->ToBytes());
            for (qsizetype i = 0; i < 4; ++i) {
                key(i, k);
                EXPECT_EQ(indexed->ReadValue("s", k, "-"), reference->ReadValue("s", k, "-")) << k.constData();
            }
        }
    }
}
