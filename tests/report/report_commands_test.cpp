// The command sequences of the table steps and of the checklist report, recorded.

#include "model/document_snapshot.h"
#include "report/checklist_report.h"
#include "report/command_recorder.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const QString Ruling = QStringLiteral(
    "FormatBordersAndShading 3, 0, 2, 2, 2, 2, 1, 1, 0, 0, 0, 0, 0, 0, \"0 pt\", 0, 0, 0, \"0\", -1");

struct StepCase {
    const char* name;
    std::function<void(WordBasic&)> step;
    QStringList expected;
};

class TableStep : public testing::TestWithParam<StepCase> {};

TEST_P(TableStep, SendsItsCommands)
{
    CommandRecorder word;
    GetParam().step(word);
    EXPECT_EQ(word.commands, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Report, TableStep,
    testing::Values(
        StepCase{"HeaderColumn",
                 [](WordBasic& w) { AddHeaderColumn(w, QStringLiteral("1,8 cm"), QStringLiteral("L.p."), false); },
                 {"TableSelectColumn", "TableColumnWidth \"1,8 cm\", \"0,25 cm\"", "Cancel", "Cancel",
                  "Insert \"L.p.\"", "NextCell"}},
        StepCase{"LastHeaderColumn",
                 [](WordBasic& w) { AddHeaderColumn(w, QStringLiteral("2,0 cm"), QStringLiteral("TAK/NIE"), true); },
                 {"TableSelectColumn", "TableColumnWidth \"2,0 cm\", \"0,25 cm\"", "Cancel", "Cancel",
                  "Insert \"TAK/NIE\""}},
        StepCase{"RuleTable", [](WordBasic& w) { RuleTable(w, 3); },
                 {"TableSelectTable", Ruling, "Cancel", "Cancel", "NextCell", "NextCell", "NextCell", "TableHeadings 1"}},
        StepCase{"DataRow",
                 [](WordBasic& w) { AddDataRow(w, 12, {QStringLiteral("Hałas\t\"80 dB\""), QString()}); },
                 {"NextCell", "Insert \"12\"", "NextCell", "LeftPara", "Insert \"Hałas\\t\\\"80 dB\\\"\"", "NextCell",
                  "LeftPara", "Insert \"\""}},
        StepCase{"NoEmptyParagraphs", [](WordBasic& w) { InsertEmptyParagraphs(w, 0); }, {}},
        StepCase{"EmptyParagraphs", [](WordBasic& w) { InsertEmptyParagraphs(w, 3); },
                 {"InsertPara", "InsertPara", "InsertPara"}}),
    [](const auto& test) { return std::string(test.param.name); });

// The checklist report: a fixed frame around one block of commands per row.
QStringList heading(const char* text)
{
    return {"CenterPara", "FontSize 12", "Bold", "Style \"Nagłówek 1\"",
            QStringLiteral("Insert \"%1\\r\"").arg(QString::fromUtf8(text)),
            "JustifyPara", "FontSize 11", "InsertPara", "InsertPara", "FontSize 11", "CenterPara"};
}

QStringList header(const char* widths[4], const char* captions[4])
{
    QStringList commands{"TableInsertTable \"\", 4, 2, \"\", 0, 0"};
    for (int i = 0; i < 4; ++i) {
        commands << "TableSelectColumn" << QStringLiteral("TableColumnWidth \"%1\", \"0,25 cm\"").arg(QLatin1String(widths[i]))
                 << "Cancel" << "Cancel" << QStringLiteral("Insert \"%1\"").arg(QString::fromUtf8(captions[i]));
        if (i < 3)
            commands << "NextCell";
    }
    return commands << "TableSelectTable" << Ruling << "Cancel" << "Cancel" << "NextCell" << "NextCell"
                    << "NextCell" << "NextCell" << "TableHeadings 1";
}

// A table without data rows is left by a second LineDown from its header row.
QStringList tableEnd(int rows)
{
    return rows > 0 ? QStringList{"JustifyPara", "LineDown 1", "InsertPara", "InsertPara"}
                    : QStringList{"JustifyPara", "LineDown 1", "LineDown 1", "InsertPara", "InsertPara"};
}

QStringList expectedChecklistReport(ChecklistVariant variant, int rows)
{
    const char* checklistWidths[] = {"1,8 cm", "6,2 cm", variant == ChecklistVariant::Project ? "6,2 cm" : "6,5 cm",
                                     "2,0 cm"};
    const char* checklistCaptions[] = {"L.p.", "Pytania kontrolne do oceny warunków bhp", "Działania naprawcze",
                                       "TAK/NIE"};
    const char* hazardWidths[] = {"1,6 cm", "4,9 cm", "4,9 cm", "4,9 cm"};
    const char* hazardCaptions[] = {"L.p.", "Zagrożenia zawodowe", "Źródło zagrożenia", "Możliwe skutki"};

    QStringList commands;
    if (variant == ChecklistVariant::Assessment) {
        commands << "TableInsertTable \"\", 3, 1, \"\", 0, 0" << "TableSelectColumn";
        for (const char* width : {"7,2 cm", "5,0 cm", "4,0 cm"}) {
            if (commands.size() > 2)
                commands << "NextCell";
            commands << QStringLiteral("TableColumnWidth \"%1\", \"0,25 cm\"").arg(QLatin1String(width));
        }
        commands << "Cancel" << "Cancel" << "TableSelectTable" << Ruling << "Cancel" << "Cancel";
        for (const char* caption : {"stanowisko pracy", "jednostka organizacyjna", "data sporządzenia"}) {
            if (!commands.last().startsWith(QLatin1String("Cancel")))
                commands << "NextCell";
            commands << "FontSize 11" << "CenterPara" << "Insert \"Tokarz\\r\"" << "FontSize 10" << "CenterPara"
                     << "Italic" << QStringLiteral("Insert \"%1\"").arg(QString::fromUtf8(caption));
        }
        commands << "LineDown 1" << "InsertPara" << "InsertPara";
    }
    commands += heading("LISTA KONTROLNA") + header(checklistWidths, checklistCaptions);
    for (int r = 1; r <= rows; ++r) {
        commands << "NextCell" << QStringLiteral("Insert \"%1\"").arg(r) << "NextCell" << "LeftPara"
                 << QStringLiteral("Insert \"pytanie %1\"").arg(r) << "NextCell" << "LeftPara"
                 << QStringLiteral("Insert \"działanie %1\"").arg(r) << "NextCell";
        if (variant == ChecklistVariant::Assessment)
            commands << "Insert \"NIE\"";
    }
    commands += tableEnd(rows);
    commands += heading("ZAGROŻENIA ZAWODOWE") + header(hazardWidths, hazardCaptions);
    for (int r = 1; r <= rows; ++r)
        commands << "NextCell" << QStringLiteral("Insert \"%1\"").arg(r) << "NextCell" << "LeftPara"
                 << QStringLiteral("Insert \"zagrożenie %1\"").arg(r) << "NextCell" << "LeftPara"
                 << QStringLiteral("Insert \"źródło %1\"").arg(r) << "NextCell" << "LeftPara"
                 << QStringLiteral("Insert \"skutki %1\"").arg(r);
    return commands + tableEnd(rows);
}

struct ChecklistCase {
    ChecklistVariant variant;
    int rows;
};

class ChecklistReport : public testing::TestWithParam<ChecklistCase> {};

// An assessment's report is headed with its card and writes the answers, never the ratings.
TEST_P(ChecklistReport, SendsTheSequenceForItsRows)
{
    AssessmentSnapshot document;
    document.cardWorkstation = document.unit = document.preparedOnDate = QStringLiteral("Tokarz");
    for (int r = 1; r <= GetParam().rows; ++r) {
        document.checklist.append({QStringLiteral("pytanie %1").arg(r), QStringLiteral("działanie %1").arg(r),
                                   QStringLiteral("NIE")});
        document.hazards.append({QStringLiteral("zagrożenie %1").arg(r), QStringLiteral("źródło %1").arg(r),
                                 QStringLiteral("skutki %1").arg(r), QStringLiteral("działania"),
                                 QStringLiteral("2=lekkie")});
    }
    CommandRecorder word;
    int rowsWritten = 0;
    BuildChecklistReport(word, document, GetParam().variant, [&] { ++rowsWritten; });
    EXPECT_EQ(word.commands, expectedChecklistReport(GetParam().variant, GetParam().rows));
    EXPECT_EQ(rowsWritten, 2 * GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(Report, ChecklistReport,
                         testing::Values(ChecklistCase{ChecklistVariant::Project, 0},
                                         ChecklistCase{ChecklistVariant::Project, 1},
                                         ChecklistCase{ChecklistVariant::Project, 3},
                                         ChecklistCase{ChecklistVariant::Assessment, 0},
                                         ChecklistCase{ChecklistVariant::Assessment, 1},
                                         ChecklistCase{ChecklistVariant::Assessment, 3}),
                         [](const auto& test) {
                             return std::string(test.param.variant == ChecklistVariant::Project ? "Project"
                                                                                                : "Assessment")
                                    + std::to_string(test.param.rows) + "Rows";
                         });

} // namespace
