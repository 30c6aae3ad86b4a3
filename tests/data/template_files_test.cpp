// The workstation templates delivered next to the program: each one opens as an ordinary
// project the user only adapts. Each rule lists what it finds wrong, so a failure names the
// template and the row.

#include "base/win1250.h"
#include "model/document_model.h"
#include "model/document_table.h"
#include "storage/ini_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringList>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr int minTemplates = 15;
constexpr int minHazards = 8;
constexpr int maxHazards = 25;
constexpr int minQuestions = 8;
// The hazard table's columns a template fills; the degree of harm after them is the user's.
constexpr int describedColumns = 4;

struct Template {
    QString name;
    QByteArray bytes;
    std::unique_ptr<DocumentModel> model = std::make_unique<DocumentModel>(DocumentKind::Project);

    explicit Template(const QString& path) : name(QFileInfo(path).fileName())
    {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            bytes = file.readAll();
        TMemIniFile ini;
        ini.LoadFromBytes(bytes);
        model->load(ini);
    }

    int hazardRows() const { return model->hazards().rowCount() - 1; }
};

const std::vector<Template>& shipped()
{
    static const std::vector<Template> templates = [] {
        std::vector<Template> all;
        const QDir folder(QStringLiteral(TEMPLATE_DIR));
        for (const QString& name : folder.entryList({QStringLiteral("*.rpr")}, QDir::Files, QDir::Name))
            all.emplace_back(folder.filePath(name));
        return all;
    }();
    return templates;
}

using Rule = QStringList (*)(const Template&);

QStringList undecodable(const Template& t)
{
    const QString text = win1250::toUnicode(t.bytes);
    QStringList problems;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch == QChar(QChar::ReplacementCharacter) || (ch.category() == QChar::Other_Control && ch != '\r' && ch != '\n'))
            problems << t.name + QStringLiteral(": byte %1 is no Windows-1250 text character").arg(i);
    }
    return problems;
}

QStringList bareLineEnds(const Template& t)
{
    const QByteArray& b = t.bytes;
    const qsizetype pairs = b.count("\r\n");
    if (b.isEmpty() || b.count('\r') != pairs || b.count('\n') != pairs || !b.endsWith("\r\n"))
        return {t.name + QStringLiteral(": a line does not end in CR LF")};
    return {};
}

QStringList incompleteProject(const Template& t)
{
    const DocumentModel& m = *t.model;
    QStringList problems;
    if (m.text(Field::Workstation).trimmed().isEmpty())
        problems << t.name + QStringLiteral(": no workstation name");
    if (m.lines(Field::Description).isEmpty())
        problems << t.name + QStringLiteral(": no note on what the template is for");
    for (const Field memo : workstationMemoFields()) {
        if (m.lines(memo).join(QString()).trimmed().isEmpty())
            problems << t.name + QStringLiteral(": an empty workstation memo (%1)").arg(QString::fromLatin1(storedField(memo).key));
    }
    if (t.hazardRows() < minHazards || t.hazardRows() > maxHazards)
        problems << t.name + QStringLiteral(": %1 hazard rows, %2 to %3 wanted").arg(t.hazardRows()).arg(minHazards).arg(maxHazards);
    if (const int questions = m.checklist().rowCount() - 1; questions < minQuestions)
        problems << t.name + QStringLiteral(": %1 checklist questions, at least %2 wanted").arg(questions).arg(minQuestions);
    return problems;
}

// The user chooses the method and the degree of harm; the template describes the rest.
QStringList incompleteRows(const Template& t)
{
    const DocumentModel& m = *t.model;
    QStringList problems;
    if (m.choice(Field::Method) != -1)
        problems << t.name + QStringLiteral(": the method is chosen");
    for (int row = 1; row <= t.hazardRows(); ++row) {
        for (int col = 0; col < m.hazards().columnCount(); ++col) {
            if (m.hazards().cell(col, row).trimmed().isEmpty() != (col >= describedColumns))
                problems << t.name + QStringLiteral(": hazard row %1, column %2").arg(row).arg(col);
        }
    }
    for (int row = 1; row < m.checklist().rowCount(); ++row) {
        if (m.checklist().cell(0, row).trimmed().isEmpty() || m.checklist().cell(1, row).trimmed().isEmpty())
            problems << t.name + QStringLiteral(": checklist row %1 lacks its question or action").arg(row);
    }
    return problems;
}

QStringList tooFew(const std::vector<Template>& all)
{
    if (all.size() < size_t(minTemplates))
        return {QStringLiteral("%1 templates, at least %2 wanted").arg(all.size()).arg(minTemplates)};
    return {};
}

// A row's identity: its hazard and its source, with case folded as find folds it.
QSet<QByteArray> rowKeys(const Template& t)
{
    QSet<QByteArray> keys;
    for (int row = 1; row <= t.hazardRows(); ++row) {
        keys.insert(win1250::toUpper(win1250::fromUnicode(t.model->hazards().cell(0, row))) + '\n' +
                    win1250::toUpper(win1250::fromUnicode(t.model->hazards().cell(1, row))));
    }
    return keys;
}

QStringList copies(const std::vector<Template>& all)
{
    QStringList problems;
    for (size_t a = 0; a < all.size(); ++a) {
        for (size_t b = a + 1; b < all.size(); ++b) {
            const qsizetype shared = rowKeys(all[a]).intersect(rowKeys(all[b])).size();
            if (2 * shared > std::min(all[a].hazardRows(), all[b].hazardRows()))
                problems << all[a].name + " / " + all[b].name + QStringLiteral(": %1 hazard rows in common").arg(shared);
        }
    }
    return problems;
}

template <Rule rule>
QStringList inEach(const std::vector<Template>& all)
{
    QStringList problems;
    for (const Template& t : all)
        problems << rule(t);
    return problems;
}

struct NamedRule {
    const char* name;
    QStringList (*problems)(const std::vector<Template>&);
};

void PrintTo(const NamedRule& rule, std::ostream* out)
{
    *out << rule.name;
}

const NamedRule rules[] = {
    {"AtLeast15Templates", tooFew},
    {"EveryByteIsAWindows1250Character", inEach<undecodable>},
    {"EveryLineEndsInCrLf", inEach<bareLineEnds>},
    {"OpensAsAProjectWithItsMemosHazardsAndChecklist", inEach<incompleteProject>},
    {"EveryRowIsDescribedAndTheRatingsAreLeftToTheUser", inEach<incompleteRows>},
    {"NoTwoShareMoreThanHalfTheirHazardRows", copies},
};

class ShippedTemplates : public ::testing::TestWithParam<NamedRule> {};

TEST_P(ShippedTemplates, Hold)
{
    const QStringList problems = GetParam().problems(shipped());
    EXPECT_TRUE(problems.isEmpty()) << "in " << TEMPLATE_DIR << ":\n" << problems.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Rules, ShippedTemplates, ::testing::ValuesIn(rules),
                         [](const ::testing::TestParamInfo<NamedRule>& rule) { return std::string(rule.param.name); });

} // namespace
