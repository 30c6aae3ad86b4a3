// A document read without a window gives the snapshot the window gives after opening it,
// and reading it leaves the file (locked by the window) exactly as it was. The window's
// snapshot holds its data as it stands (unsaved edits included), the title rows left out.

#include "documents/assessment_window.h"
#include "model/document_file_reader.h"
#include "documents/project_window.h"
#include "document_test_support.h"
#include "controls/edit_ini.h"
#include "controls/string_grid_ini.h"

#include <QFileInfo>

namespace {

struct ReaderCase {
    const char* name;
    bool project;
    QString iniText;
};

const QString Card = QStringLiteral(
    "[OPISOC]\r\nJednostka=Wydział\r\nStanowisko=Tokarz\r\nZatrudnienie=4\r\nNrKarty=7\r\nDataSp=02.03.2026\r\n"
    "Sporzodzil=Nowak\r\nUwagi1=Wniosek\r\nUwagi2=@#13#10@\r\nUwagi3=drugi\r\nUwagi4=@NUL@\r\n");

QString description(const QString& method)
{
    return QStringLiteral("[OPIS]\r\nStanowisko=Tokarz\r\nDataUtw=01.02.2026\r\nOpracowal=Kowalski\r\nMetoda=%1\r\n"
                          "Uwagi1=Opis\r\nUwagi2=@NUL@\r\nOPISA1=Hala nr 2\r\nOPISA2=@#13#10@\r\nOPISA3=brama\r\n"
                          "OPISA4=@NUL@\r\nOPISF1=Inne\r\nOPISF2=@NUL@\r\n")
        .arg(method);
}

QString tables(const QList<QStringList>& hazards, const QList<QStringList>& checklist)
{
    return QStringLiteral("[ZAGROZENIA]\r\n") + tableLines(hazards) + QStringLiteral("[WARUNKI]\r\n")
           + tableLines(checklist);
}

const ReaderCase Cases[] = {
    {"RiskScoreAssessment", false,
     Card + description("RISK SCORE")
         + tables({{"Hałas", "Tokarka", "Głuchota", "Ochronniki", "15=duże", "6=częsta", "3=możliwe", "R = 270,0"},
                   {"Wióry", "Obróbka", "Rany", "Osłona", "", "", "", ""}},
                  {{"Czy są osłony?", "Założyć", "NIE"}, {"Czy jest apteczka?", "", "TAK"}})},
    // A method stored in other letter case; rows with cells missing.
    {"PhaAssessmentWithMissingCells", false,
     Card + description("pha") + tables({{"Hałas", "Tokarka"}, {"Pył"}}, {{"Czy są osłony?"}})},
    {"AssessmentWithoutMethodOrRows", false, Card + description("")},
    {"Project", true,
     description("Matrycowa (PN-N-18002)")
         + tables({{"Hałas", "Tokarka", "Głuchota", "Ochronniki", "3=duże"}}, {{"Czy są osłony?", "Założyć"}})},
};

class DocumentFileReaderTest : public DocumentWindowTest, public ::testing::WithParamInterface<ReaderCase> {
protected:
    template <class Snapshot>
    void expectReadAsShown(const Snapshot& shown, Snapshot (*read)(const QString&), const QString& path)
    {
        const QByteArray bytes = folder.read(path);
        const QFile::Permissions permissions = QFileInfo(path).permissions();
        EXPECT_TRUE(read(path) == shown);
        EXPECT_EQ(folder.read(path), bytes);
        EXPECT_EQ(QFileInfo(path).permissions(), permissions);
    }
};

TEST_P(DocumentFileReaderTest, ReadsWhatTheWindowShowsAndLeavesTheFileAsItIs)
{
    const ReaderCase& c = GetParam();
    const QString name = c.project ? QStringLiteral("projekt.rpr") : QStringLiteral("ocena.ron");
    const QString path = folder.path(name);
    // The window holds the document's lock while it is open; the reader reads past it.
    if (c.project)
        expectReadAsShown(openProject(c.iniText, name)->document().projectValue(), &readProjectFile, path);
    else
        expectReadAsShown(openAssessment(c.iniText, name)->document().assessmentValue(), &readAssessmentFile, path);
}

INSTANTIATE_TEST_SUITE_P(Documents, DocumentFileReaderTest, ::testing::ValuesIn(Cases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(DocumentWindowTest, SnapshotHoldsTheWindowAsItStands)
{
    TForm5* window = openAssessment(Cases[0].iniText);
    window->EditIni6->setText(QStringLiteral("12"));
    window->StringGridIni1->setCell(1, 2, QStringLiteral("Wiertarka"));

    const AssessmentSnapshot snapshot = window->document().assessmentValue();

    EXPECT_EQ(snapshot.fileName, folder.path(QStringLiteral("ocena.ron")));
    EXPECT_EQ(snapshot.method, RiskMethod::RiskScore);
    EXPECT_EQ(snapshot.workstation, QStringLiteral("Tokarz"));
    EXPECT_EQ(snapshot.createdOn, QStringLiteral("01.02.2026"));
    EXPECT_EQ(snapshot.unit, QStringLiteral("Wydział"));
    EXPECT_EQ(snapshot.employees, QStringLiteral("12")) << "an unsaved edit is in the snapshot";
    EXPECT_EQ(snapshot.remarks, (QStringList{"Wniosek", "", "drugi"}));
    EXPECT_EQ(snapshot.workstationMemos[0], (QStringList{"Hala nr 2", "", "brama"}));
    EXPECT_EQ(snapshot.workstationMemos[1], QStringList{});
    EXPECT_EQ(snapshot.workstationMemos[5], QStringList{"Inne"});
    ASSERT_EQ(snapshot.hazards.size(), 2) << "the title row is not data";
    EXPECT_EQ(snapshot.hazards[0],
              (QStringList{"Hałas", "Tokarka", "Głuchota", "Ochronniki", "15=duże", "6=częsta", "3=możliwe", "R = 270,0"}));
    EXPECT_EQ(snapshot.hazards[1][1], QStringLiteral("Wiertarka"));
    EXPECT_EQ(snapshot.checklist, (TableRows{{"Czy są osłony?", "Założyć", "NIE"}, {"Czy jest apteczka?", "", "TAK"}}));

    const ProjectSnapshot empty = newProject()->document().projectValue();
    EXPECT_TRUE(empty.hazards.isEmpty() && empty.checklist.isEmpty()) << "a new project's title rows are no data";
    EXPECT_TRUE(empty.description.isEmpty());
    EXPECT_EQ(empty.workstationMemos, decltype(empty.workstationMemos){});
}

} // namespace
