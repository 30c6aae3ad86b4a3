// The hazard catalogue delivered next to the program: readable by the catalogue picker as it
// stands. Each rule lists what it finds wrong, so a failure names the line or the hazard.

#include "base/win1250.h"
#include "storage/ini_file.h"

#include <QFile>
#include <QSet>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

// The picker's memos take at most this many characters.
constexpr qsizetype fieldLimit = 250;

struct Catalogue {
    QByteArray bytes;
    TMemIniFile ini;

    Catalogue()
    {
        QFile file(QStringLiteral(HAZARD_CATALOGUE));
        if (file.open(QIODevice::ReadOnly))
            bytes = file.readAll();
        ini.LoadFromBytes(bytes);
    }
};

const Catalogue& shipped()
{
    static const Catalogue catalogue;
    return catalogue;
}

QString text(const QByteArray& bytes)
{
    return win1250::toUnicode(bytes);
}

QString lineOf(const QByteArray& bytes, qsizetype offset)
{
    return QStringLiteral("line %1").arg(bytes.left(offset).count('\n') + 1);
}

QStringList unmappedBytes(const Catalogue& c)
{
    QStringList problems;
    const QString decoded = text(c.bytes);
    for (qsizetype i = 0; i < decoded.size(); ++i) {
        const QChar ch = decoded[i];
        const bool lineEnd = ch == '\r' || ch == '\n';
        if (ch == QChar(QChar::ReplacementCharacter) || (!lineEnd && ch.category() == QChar::Other_Control))
            problems << QStringLiteral("%1: byte 0x%2").arg(lineOf(c.bytes, i)).arg(quint8(c.bytes[i]), 2, 16, QChar('0'));
    }
    return problems;
}

QStringList bareLineEnds(const Catalogue& c)
{
    QStringList problems;
    const QByteArray& b = c.bytes;
    for (qsizetype i = 0; i < b.size(); ++i) {
        if ((b[i] == '\r' && (i + 1 == b.size() || b[i + 1] != '\n')) || (b[i] == '\n' && (i == 0 || b[i - 1] != '\r')))
            problems << lineOf(b, i) + QStringLiteral(": a bare CR or LF");
    }
    if (!b.endsWith("\r\n"))
        problems << QStringLiteral("the last line has no CR LF");
    return problems;
}

QStringList tooSmall(const Catalogue& c)
{
    const QList<QByteArray> groups = c.ini.SectionNames();
    qsizetype hazards = 0;
    for (const QByteArray& group : groups)
        hazards += c.ini.SectionKeys(group).size();
    QStringList problems;
    if (groups.size() < 15)
        problems << QStringLiteral("%1 groups, at least 15 wanted").arg(groups.size());
    if (hazards < 150)
        problems << QStringLiteral("%1 hazards, at least 150 wanted").arg(hazards);
    return problems;
}

QStringList incompleteHazards(const Catalogue& c)
{
    QStringList problems;
    for (const QByteArray& group : c.ini.SectionNames()) {
        for (const QByteArray& name : c.ini.SectionKeys(group)) {
            const QString where = text(group) + " / " + text(name);
            const QByteArray effects = c.ini.ReadValue(group, name, {});
            if (name.isEmpty())
                problems << text(group) + QStringLiteral(": a line without a hazard name");
            else if (effects.isEmpty())
                problems << where + QStringLiteral(": no effects text");
            if (name.size() > fieldLimit || effects.size() > fieldLimit)
                problems << where + QStringLiteral(": longer than the picker's fields");
        }
    }
    return problems;
}

// True when `name`, with case folded as lookups fold it, was seen before; remembers it.
bool seenBefore(QSet<QByteArray>& seen, const QByteArray& name)
{
    const QByteArray folded = win1250::toUpper(name);
    const bool before = seen.contains(folded);
    seen.insert(folded);
    return before;
}

// Lookups find the last of two spellings of a name, so the first one's text is lost.
QStringList duplicateNames(const Catalogue& c)
{
    QStringList problems;
    QSet<QByteArray> groups;
    for (const QByteArray& group : c.ini.SectionNames()) {
        if (seenBefore(groups, group))
            problems << text(group) + QStringLiteral(": the group occurs twice");
        QSet<QByteArray> names;
        for (const QByteArray& name : c.ini.SectionKeys(group)) {
            if (seenBefore(names, name))
                problems << text(group) + " / " + text(name) + QStringLiteral(": the hazard occurs twice");
        }
    }
    return problems;
}

struct Rule {
    const char* name;
    QStringList (*problems)(const Catalogue&);
};

void PrintTo(const Rule& rule, std::ostream* out)
{
    *out << rule.name;
}

const Rule rules[] = {
    {"EveryByteIsAWindows1250Character", unmappedBytes},
    {"EveryLineEndsInCrLf", bareLineEnds},
    {"AtLeast15GroupsAnd150Hazards", tooSmall},
    {"EveryHazardHasANameAndEffectsThatFitThePicker", incompleteHazards},
    {"NoNameTwiceIgnoringCase", duplicateNames},
};

class ShippedCatalogue : public ::testing::TestWithParam<Rule> {};

TEST_P(ShippedCatalogue, Holds)
{
    ASSERT_FALSE(shipped().bytes.isEmpty()) << "missing or empty: " << HAZARD_CATALOGUE;
    const QStringList problems = GetParam().problems(shipped());
    EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Rules, ShippedCatalogue, ::testing::ValuesIn(rules),
                         [](const ::testing::TestParamInfo<Rule>& rule) { return std::string(rule.param.name); });

} // namespace
