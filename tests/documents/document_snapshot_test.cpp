// Snapshots: a window's data as plain values, taken as the window stands (unsaved edits
// included), the title rows left out.

#include "documents/assessment_window.h"
#include "documents/project_window.h"
#include "document_test_support.h"
#include "storage/edit_ini.h"
#include "storage/memo_ini.h"
#include "storage/string_grid_ini.h"

namespace {

const QString Document = QStringLiteral(
    "[OPISOC]\r\nJednostka=Wydział\r\nStanowisko=Tokarz\r\nZatrudnienie=4\r\nUwagi1=Wniosek\r\nUwagi2=@NUL@\r\n"
    "[OPIS]\r\nStanowisko=Tokarz\r\nDataUtw=01.02.2026\r\nMetoda=RISK SCORE\r\n"
    "OPISA1=Hala nr 2\r\nOPISA2=@#13#10@\r\nOPISA3=brama\r\nOPISA4=@NUL@\r\nOPISF1=Inne\r\nOPISF2=@NUL@\r\n");

QString withTables()
{
    return Document + QStringLiteral("[ZAGROZENIA]\r\n")
           + tableLines({{"Hałas", "Tokarka", "Głuchota", "Ochronniki", "15=duże", "6=częsta", "3=możliwe", "R = 270,0"},
                         {"Wióry", "Obróbka", "Rany", "Osłona", "", "", "", ""}})
           + QStringLiteral("[WARUNKI]\r\n") + tableLines({{"Czy są osłony?", "Założyć", "NIE"}});
}

class DocumentSnapshotTest : public DocumentWindowTest {};

TEST_F(DocumentSnapshotTest, AssessmentSnapshotHoldsTheWindowAsItStands)
{
    TForm5* window = openAssessment(withTables());
    window->EditIni6->setText(QStringLiteral("12"));
    window->StringGridIni1->setCell(1, 2, QStringLiteral("Wiertarka"));

    const AssessmentSnapshot snapshot = window->snapshot();

    EXPECT_EQ(snapshot.fileName, folder.path(QStringLiteral("ocena.ron")));
    EXPECT_EQ(snapshot.method, RiskMethod::RiskScore);
    EXPECT_EQ(snapshot.workstation, QStringLiteral("Tokarz"));
    EXPECT_EQ(snapshot.createdOn, QStringLiteral("01.02.2026"));
    EXPECT_EQ(snapshot.unit, QStringLiteral("Wydział"));
    EXPECT_EQ(snapshot.employees, QStringLiteral("12")) << "an unsaved edit is in the snapshot";
    EXPECT_EQ(snapshot.remarks, QStringList{"Wniosek"});
    EXPECT_EQ(snapshot.workstationMemos[0], (QStringList{"Hala nr 2", "", "brama"}));
    EXPECT_EQ(snapshot.workstationMemos[1], QStringList{});
    EXPECT_EQ(snapshot.workstationMemos[5], QStringList{"Inne"});
    ASSERT_EQ(snapshot.hazards.size(), 2) << "the title row is not data";
    EXPECT_EQ(snapshot.hazards[0],
              (QStringList{"Hałas", "Tokarka", "Głuchota", "Ochronniki", "15=duże", "6=częsta", "3=możliwe", "R = 270,0"}));
    EXPECT_EQ(snapshot.hazards[1][1], QStringLiteral("Wiertarka"));
    EXPECT_EQ(snapshot.checklist, (TableRows{{"Czy są osłony?", "Założyć", "NIE"}}));
}

TEST_F(DocumentSnapshotTest, EmptyProjectHasNoRowsAndNoParagraphs)
{
    const ProjectSnapshot snapshot = newProject()->snapshot();
    EXPECT_TRUE(snapshot.hazards.isEmpty());
    EXPECT_TRUE(snapshot.checklist.isEmpty());
    EXPECT_TRUE(snapshot.description.isEmpty());
    for (const QStringList& memo : snapshot.workstationMemos)
        EXPECT_TRUE(memo.isEmpty());
}

} // namespace
