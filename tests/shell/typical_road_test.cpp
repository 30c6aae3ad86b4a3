// The road of a typical assessment through the main window's commands: a new project is
// described, rated with S and saved; a new assessment is made from it, its card filled, its
// hazards rated with P and E and its checklist answered, and saved; a fresh main window
// then reopens both files and finds every field and cell as it was left.

#include "file_commands_fixture.h"

#include "documents/assessment_window.h"
#include "documents/project_window.h"
#include "documents/scale_picker.h"
#include "risk/risk_method.h"
#include "support/pages_of.h"

#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <functional>

namespace {

using risk::Factor;

// Runs `open`, which shows the scale picker modally, and confirms entry `index` once it is up.
bool pickEntry(const std::function<void()>& open, int index)
{
    bool shown = false;
    QTimer::singleShot(0, [&] {
        if (TForm3* picker = Form3()) {
            shown = true;
            picker->setItemIndex(index);
            picker->BitBtn1->click();
        }
    });
    open();
    QApplication::processEvents();
    return shown;
}

void selectCell(TStringGridIni* table, int column, int row)
{
    table->setFocus();
    table->setCurrentCell(row, column);
}

// Windows-1250 text (no UTF-8 sequences) whose every line ends in CR LF.
void expectWindows1250WithCrLf(const QByteArray& bytes, const char* polishLetter)
{
    EXPECT_TRUE(bytes.contains(polishLetter));
    EXPECT_FALSE(bytes.contains("\xC5")) << "no UTF-8 lead byte of a Polish letter";
    EXPECT_TRUE(bytes.endsWith("\r\n\r\n")) << "every section ends with an empty line";
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at byte " << i;
        }
        if (bytes[i] == '\r') {
            ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "bare CR at byte " << i;
        }
    }
}

class TypicalRoad : public FileCommandsTest {
protected:
    TForm2* describeProject()
    {
        run("Projekt1");
        auto* project = qobject_cast<TForm2*>(active());
        project->EditIni1->setText(QStringLiteral("Tokarz – obróbka wałków"));
        project->EditIni2->setText(QStringLiteral("12.03.2024"));
        project->EditIni3->setText(QStringLiteral("Łucja Żółć"));
        project->MemoIni1->setLines({QStringLiteral("Stanowisko w hali nr 2."), QString(), QStringLiteral("Dwie zmiany.")});
        const QList<TMemoIni*> memos{project->MemoIni2, project->MemoIni3, project->MemoIni4,
                                     project->MemoIni5, project->MemoIni6, project->MemoIni7};
        for (int i = 0; i < memos.size(); ++i)
            memos[i]->setLines({QStringLiteral("Opis %1: ściana, podłoga, światło").arg(i + 1)});
        project->RadioGroupIni1->setItemIndex(1);   // RISK SCORE
        pagesOf(project)->setCurrentIndex(2);

        TStringGridIni* hazards = project->StringGridIni1;
        hazards->setRowCount(3);
        const QStringList rows[] = {
            {QStringLiteral("Hałas"), QStringLiteral("Tokarka"), QStringLiteral("Uszkodzenie słuchu"),
             QStringLiteral("Ochronniki słuchu")},
            {QStringLiteral("Wióry"), QStringLiteral("Obrabiany materiał"), QStringLiteral("Skaleczenia, urazy oczu"),
             QStringLiteral("Osłony, okulary")},
        };
        for (int r = 1; r <= 2; ++r) {
            for (int c = 0; c < 4; ++c)
                hazards->setCell(c, r, rows[r - 1][c]);
            selectCell(hazards, 4, r);
            EXPECT_TRUE(pickEntry([project] { project->BitBtn1->click(); }, r + 1));
        }
        TStringGridIni* checklist = project->StringGridIni2;
        checklist->setRowCount(3);
        checklist->setCell(0, 1, QStringLiteral("Czy osłony tokarki są sprawne?"));
        checklist->setCell(1, 1, QStringLiteral("Naprawić osłony"));
        checklist->setCell(0, 2, QStringLiteral("Czy pracownik zna instrukcję?"));
        checklist->setCell(1, 2, QStringLiteral("Przeszkolić"));
        return project;
    }

    TForm5* assessProject(const QString& projectPath)
    {
        prompts.fileNames.enqueue(projectPath);
        run("Ocenaryzyka1");
        auto* assessment = qobject_cast<TForm5*>(active());
        assessment->EditIni4->setText(QStringLiteral("Wydział obróbki skrawaniem"));
        assessment->EditIni5->setText(QStringLiteral("Tokarz"));
        assessment->EditIni6->setText(QStringLiteral("4"));
        assessment->EditIni7->setText(QStringLiteral("17"));
        assessment->EditIni8->setText(QStringLiteral("20.03.2024"));
        assessment->EditIni9->setText(QStringLiteral("Zespół BHP"));
        assessment->MemoIni8->setLines({QStringLiteral("Ryzyko hałasu zmniejszyć."), QStringLiteral("Wióry: nadzór.")});

        pagesOf(assessment)->setCurrentIndex(3);
        for (int r = 1; r <= 2; ++r) {
            selectCell(assessment->StringGridIni1, 5, r);
            EXPECT_TRUE(pickEntry([assessment] { assessment->BitBtn2->click(); }, r));
            selectCell(assessment->StringGridIni1, 6, r);
            EXPECT_TRUE(pickEntry([assessment] { assessment->BitBtn3->click(); }, r + 2));
        }
        pagesOf(assessment)->setCurrentIndex(4);
        selectCell(assessment->StringGridIni2, 2, 1);
        assessment->ComboBox1->setCurrentIndex(1);   // "NIE"
        assessment->ComboBox1Change();
        selectCell(assessment->StringGridIni2, 0, 2);
        assessment->StringGridIni2DblClick();   // "TAK"
        return assessment;
    }
};

TEST_F(TypicalRoad, ProjectAndAssessmentSavedAndReopenedInAFreshMainWindowHoldEveryFieldAndCell)
{
    start();

    TForm2* project = describeProject();
    ASSERT_TRUE(project->document().isModified());
    run("Zapisz1");
    const QString projectPath = projekty("PROJEKT1.rpr");
    EXPECT_FALSE(project->document().isModified());
    const QStringList sScale = risk::scale(RiskMethod::RiskScore, Factor::S);
    EXPECT_EQ(project->StringGridIni1->cell(4, 1), sScale[2]);
    EXPECT_EQ(project->StringGridIni1->cell(4, 2), sScale[3]);
    const QByteArray projectBytes = bytesOf(projectPath);
    expectWindows1250WithCrLf(projectBytes, "\xA3ucja \xAF\xF3\xB3\xE6");   // "Łucja Żółć"

    TForm5* assessment = assessProject(projectPath);
    // Numbering starts after the one window already open.
    const QString assessmentPath = projekty("OCENA2.ron");
    EXPECT_EQ(assessment->file().FileName(), assessmentPath);
    EXPECT_EQ(assessment->EditIni1->text(), project->EditIni1->text());
    EXPECT_EQ(assessment->StringGridIni1->columnCount(), 8) << "RISK SCORE";
    for (int r = 1; r <= 2; ++r) {
        QStringList cells;
        for (int c = 0; c < 8; ++c)
            cells.append(assessment->StringGridIni1->cell(c, r));
        EXPECT_EQ(cells[4], project->StringGridIni1->cell(4, r));
        ASSERT_TRUE(cells[7].startsWith(QStringLiteral("R = "))) << cells[7].toStdString();
        EXPECT_EQ(risk::ObliczWiersz(RiskMethod::RiskScore, cells, QStringLiteral("4")).value_or(QString()), cells[7]);
    }
    EXPECT_EQ(assessment->StringGridIni2->cell(2, 1), "NIE");
    EXPECT_EQ(assessment->StringGridIni2->cell(2, 2), "TAK");
    run("Zapisz1");
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_FALSE(assessment->document().isModified());
    expectWindows1250WithCrLf(bytesOf(assessmentPath), "Zesp\xF3\xB3 BHP");
    EXPECT_EQ(bytesOf(projectPath), projectBytes) << "making the assessment leaves the project as saved";

    const QStringList projectValues = snapshot(project);
    const QStringList assessmentValues = snapshot(assessment);
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(prompts.questions.isEmpty()) << "everything was saved";

    start();
    prompts.fileNames.append({projectPath, assessmentPath});
    run("FileOpenItem");
    run("FileOpenItem");
    ASSERT_EQ(windows().size(), 2);
    auto* reopenedProject = qobject_cast<TForm2*>(windows()[0]);
    auto* reopenedAssessment = qobject_cast<TForm5*>(windows()[1]);
    ASSERT_NE(reopenedProject, nullptr);
    ASSERT_NE(reopenedAssessment, nullptr);
    EXPECT_EQ(snapshot(reopenedProject), projectValues);
    EXPECT_EQ(snapshot(reopenedAssessment), assessmentValues);
    EXPECT_EQ(reopenedAssessment->StringGridIni1->rowCount(), 3);
    EXPECT_EQ(reopenedAssessment->MemoIni8->lines().size(), 2);
    EXPECT_FALSE(reopenedProject->document().isModified());
    EXPECT_FALSE(reopenedAssessment->document().isModified());
    EXPECT_TRUE(prompts.messages.isEmpty());
}

} // namespace
