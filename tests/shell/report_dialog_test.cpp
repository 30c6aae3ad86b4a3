// The report dialog: choosing the file, writing the chosen report of a project or an
// assessment, the offer to open it, and what a failure leaves; pictures of the dialog and of
// the progress window.

#include "base/help_request.h"
#include "documents/assessment_window.h"
#include "documents/project_window.h"
#include "shell/progress_window.h"
#include "shell/report_dialog.h"
#include "support/real_reader.h"
#include "../documents/document_test_support.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QTest>
#include <QToolButton>
#include <QUrl>

namespace {

QString documentText()
{
    return QStringLiteral("[OPISOC]\r\nJednostka=Wydział mechaniczny\r\nStanowisko=Tokarz\r\nZatrudnienie=4\r\n"
                          "[OPIS]\r\nStanowisko=Tokarz\r\nMetoda=PHA\r\nOPISA1=Hala nr 2\r\nOPISA2=@NUL@\r\n[ZAGROZENIA]\r\n")
           + tableLines({{"Hałas", "Tokarka", "Głuchota", "Ochronniki słuchu", "2=lekkie", "3=doraźne",
                          "R = 6,0 Ryzyko średnie - dopuszczalne"}})
           + QStringLiteral("[WARUNKI]\r\n") + tableLines({{"Czy maszyna ma osłony?", "Założyć osłony", "NIE"}})
           + QStringLiteral("[PRACOWNICY]\r\n") + tableLines({{"Anna Kowalska", "tokarz"}, {"Jan Nowak", "tokarz"}});
}

// Records the files the desktop was asked to open.
class Opener : public QObject {
    Q_OBJECT
public:
    Opener() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~Opener() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

class ReportDialogTest : public DocumentWindowTest {
protected:
    // The dialog of `window`, shown as the main window shows it (modality aside).
    TForm7& dialogOf(DocumentWindow* window)
    {
        dialog_ = std::make_unique<TForm7>(window, &frame);
        dialog_->show();
        QApplication::processEvents();
        return *dialog_;
    }

    std::unique_ptr<TForm7> dialog_;
};

struct ReportCase {
    const char* name;
    bool assessment;
    int chosen;            // RadioGroup1
    bool overview;         // CheckBox1 ticked
    bool appendix;         // the report holds the risk overview appendix
    const char* file;
    const char* title;     // found in the written report
    const char* notTitle;  // not found in it
    bool open;             // "Tak" to the offer to open it
    bool plan = false;     // CheckBox2 ticked
    bool planAppendix = false;   // the report holds the action plan appendix
    int worker = 0;        // ComboBox1: 0 every listed worker, then each of them
    int pages = 0;         // the statements' pages; 0: not counted
};

class ReportChoice : public ReportDialogTest, public testing::WithParamInterface<ReportCase> {};

// A project always gets the checklist report, whatever the (hidden) group holds. The
// overview check box goes with the group and counts for the risk report alone.
TEST_P(ReportChoice, WritesTheChosenReportAndOffersToOpenIt)
{
    const ReportCase& c = GetParam();
    Opener opener;
    DocumentWindow* window = c.assessment ? static_cast<DocumentWindow*>(openAssessment(documentText()))
                                          : openProject(documentText());
    TForm7& dialog = dialogOf(window);
    EXPECT_EQ(dialog.RadioGroup1->isVisible(), c.assessment);
    EXPECT_EQ(dialog.CheckBox1->isVisible(), c.assessment);
    EXPECT_EQ(dialog.RadioGroup1Buttons->checkedId(), 0);
    EXPECT_FALSE(dialog.CheckBox1->isChecked());
    dialog.RadioGroup1Buttons->button(c.chosen)->setChecked(true);
    EXPECT_EQ(dialog.CheckBox1->isEnabled(), c.chosen == 1);
    EXPECT_EQ(dialog.CheckBox2->isEnabled(), c.chosen == 1);
    EXPECT_EQ(dialog.ComboBox1->isEnabled(), c.assessment && c.chosen == 2);
    dialog.ComboBox1->setCurrentIndex(c.worker);
    EXPECT_FALSE(dialog.CheckBox2->isChecked());
    dialog.CheckBox1->setChecked(c.overview);
    dialog.CheckBox2->setChecked(c.plan);
    const QString path = folder.path(QLatin1String(c.file));
    dialog.Edit1->setText(path);
    prompts.answers.enqueue(c.open);

    dialog.SpeedButton2->click();
    EXPECT_TRUE(opener.opened.isEmpty()) << "opened once the command has ended";
    QApplication::processEvents();

    EXPECT_EQ(opener.opened, c.open ? QList<QUrl>{QUrl::fromLocalFile(path)} : QList<QUrl>{});
    EXPECT_EQ(prompts.questions,
              QStringList{QStringLiteral("Utworzono dokument:\r%1\rczy chcesz otworzyć dokument.").arg(path)});
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_TRUE(dialog.isVisible()) << "the dialog stays open for more reports";
    const QString text = pdfText(path);
    EXPECT_TRUE(text.contains(QString::fromUtf8(c.title))) << text.toStdString();
    EXPECT_FALSE(text.contains(QString::fromUtf8(c.notTitle)));
    EXPECT_EQ(text.contains(QStringLiteral("ZAŁĄCZNIK: PODSUMOWANIE RYZYKA")), c.appendix);
    EXPECT_EQ(text.contains(QStringLiteral("PLAN DZIAŁAŃ KORYGUJĄCYCH I ZAPOBIEGAWCZYCH")), c.planAppendix);
    if (c.pages > 0) {
        EXPECT_EQ(text.count(QStringLiteral("OŚWIADCZENIE PRACOWNIKA")), c.pages);
    }
}

const char Risk[] = "RAPORT Z OCENY RYZYKA ZAWODOWEGO";
const char Checklist[] = "LISTA KONTROLNA";
const char Statement[] = "OŚWIADCZENIE PRACOWNIKA";

INSTANTIATE_TEST_SUITE_P(
    Report, ReportChoice,
    testing::Values(ReportCase{"ProjectIgnoresTheGroup", false, 1, true, false, "projekt.pdf", Checklist, Risk, true, true},
                    ReportCase{"AssessmentChecklist", true, 0, true, false, "ocena.pdf", Checklist, Risk, false, true},
                    ReportCase{"AssessmentRiskReport", true, 1, false, false, "ocena.pdf", Risk, Checklist, false},
                    ReportCase{"AssessmentRiskReportWithOverview", true, 1, true, true, "ocena.pdf", Risk, Checklist, false},
                    ReportCase{"AssessmentRiskReportWithPlan", true, 1, false, false, "ocena.pdf", Risk, Checklist, false,
                               true, true},
                    ReportCase{"AssessmentStatementsOfAll", true, 2, false, false, "ocena.pdf", Statement, Risk, false,
                               false, false, 0, 2},
                    ReportCase{"AssessmentStatementOfOne", true, 2, false, false, "ocena.pdf", Statement, Risk, false,
                               false, false, 2, 1}),
    [](const auto& test) { return std::string(test.param.name); });

// The proposed name follows the report chosen, so the two reports of one document never
// replace each other.
TEST_F(ReportDialogTest, SaveDialogOffersThreeFormatsAndAsksBeforeReplacing)
{
    TForm7& dialog = dialogOf(openAssessment(documentText()));
    const QString checklist = folder.path(QStringLiteral("ocena – lista kontrolna.docx"));
    EXPECT_EQ(dialog.Edit1->text(), QDir::toNativeSeparators(checklist));
    dialog.RadioGroup1Buttons->button(1)->setChecked(true);
    EXPECT_EQ(dialog.Edit1->text(), QDir::toNativeSeparators(folder.path(QStringLiteral("ocena – raport.docx"))));
    dialog.RadioGroup1Buttons->button(0)->setChecked(true);
    const QString existing = folder.write(QStringLiteral("stary.docx"), "raport");
    const QString fresh = folder.path(QStringLiteral("nowy.odt"));
    prompts.fileNames << existing << fresh;
    prompts.answers.enqueue(false);

    dialog.SpeedButton1->click();

    EXPECT_EQ(prompts.dialogFilters.first(),
              QStringLiteral("Dokument Word (*.docx);;Dokument OpenDocument (*.odt);;Dokument PDF (*.pdf)"));
    EXPECT_EQ(prompts.proposedPaths, (QStringList{checklist, existing}));
    ASSERT_EQ(prompts.questions.size(), 1);
    EXPECT_TRUE(prompts.questions[0].contains(QDir::toNativeSeparators(existing)));
    EXPECT_EQ(dialog.Edit1->text(), QDir::toNativeSeparators(fresh));
    EXPECT_EQ(folder.read(existing), "raport");
}

// Without a file name, or when the file cannot be written, a message says why (naming the
// file and the cause), no success is claimed, no folder is made and the dialog stays open.
TEST_F(ReportDialogTest, RefusedWriteSaysWhyAndKeepsTheDialogOpen)
{
    TForm7& dialog = dialogOf(openAssessment(documentText()));
    const QString unwritable = folder.path(QStringLiteral("brak/raport.docx"));
    const struct {
        QString file;
        QStringList message;   // parts of the message
    } cases[] = {{QString(), {QStringLiteral("Podaj nazwę pliku.")}},
                 {unwritable, {unwritable, QStringLiteral("folder nie istnieje")}}};
    for (const auto& c : cases) {
        prompts.messages.clear();
        dialog.Edit1->setText(c.file);
        dialog.SpeedButton2->click();
        ASSERT_EQ(prompts.messages.size(), 1) << c.file.toStdString();
        for (const QString& part : c.message)
            EXPECT_TRUE(prompts.messages[0].text.contains(part)) << prompts.messages[0].text.toStdString();
    }
    EXPECT_TRUE(prompts.questions.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(folder.path(QStringLiteral("brak"))));
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(ReportDialogTest, F1AsksForItsHelpTopic)
{
    int asked = 0;
    setHelpHandler([&asked](int context) { asked = context; });
    TForm7& dialog = dialogOf(openProject(documentText()));
    QTest::keyClick(&dialog, Qt::Key_F1);
    setHelpHandler({});
    EXPECT_EQ(asked, 5060);
}

// Pictures for a person to look at: the dialog of an assessment, and the progress window
// half-way through a report.
TEST_F(ReportDialogTest, Screenshots)
{
    const QString pictures = QStringLiteral(SCREENSHOT_FOLDER);
    QDir().mkpath(pictures);
    TForm7& dialog = dialogOf(openAssessment(documentText()));
    dialog.Edit1->setText(QStringLiteral("/home/bhp/raporty/ocena tokarza.docx"));
    EXPECT_EQ(dialog.size(), QSize(603, 147));
    EXPECT_TRUE(dialog.grab().save(QDir(pictures).filePath(QStringLiteral("report_dialog.png"))));

    TForm8 progress(40, &dialog);
    progress.show();
    for (int i = 0; i < 20; ++i)
        progress.rowWritten();
    progress.ProgressBar1->setValue(20);
    QApplication::processEvents();
    EXPECT_EQ(progress.size(), QSize(310, 115));
    EXPECT_TRUE(progress.grab().save(QDir(pictures).filePath(QStringLiteral("progress_window.png"))));
}

} // namespace

#include "report_dialog_test.moc"
