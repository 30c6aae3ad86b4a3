#include "shell/report_dialog.h"

#include "base/error_boundary.h"
#include "base/help_request.h"
#include "base/prompts.h"
#include "documents/document_window.h"
#include "documents/auto_scale.h"
#include "model/document_model.h"
#include "model/document_table.h"
#include "model/workers.h"
#include "report/checklist_report.h"
#include "report/document_writer.h"
#include "shell/progress_window.h"
#include "report/plan_appendix.h"
#include "report/risk_overview_appendix.h"
#include "report/risk_report.h"
#include "report/worker_statements.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString ReportFilter = QStringLiteral(
    "Dokument Word (*.docx);;Dokument OpenDocument (*.odt);;Dokument PDF (*.pdf)");

QToolButton* speedButton(QWidget* parent, const char* name, const QString& caption, const QString& hint,
                         const QRect& place)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(caption);
    button->setToolTip(hint);
    button->setGeometry(place);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

} // namespace

TForm7::TForm7(DocumentWindow* document, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
    , document_(document)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Utwórz raport."));
    setFixedSize(603, 147);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    setFont(font);

    Label1 = new QLabel(QStringLiteral("Utwórz:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 20, 40, 15);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(60, 16, 501, 23);
    Label1->setBuddy(Edit1);

    SpeedButton1 = speedButton(this, "SpeedButton1", QStringLiteral("..."), QString(), QRect(562, 16, 23, 22));

    RadioGroup1 = new QGroupBox(this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setGeometry(60, 48, 189, 84);
    RadioGroup1Buttons = new QButtonGroup(RadioGroup1);
    auto* items = new QVBoxLayout(RadioGroup1);
    items->setContentsMargins(8, 4, 8, 4);
    for (const QString& item : {QStringLiteral("Lista pytań kontrolnych"), QStringLiteral("Raport z oceny ryzyka"),
                                QStringLiteral("Oświadczenia pracowników")}) {
        auto* button = new QRadioButton(item, RadioGroup1);
        items->addWidget(button);
        RadioGroup1Buttons->addButton(button, RadioGroup1Buttons->buttons().size());
    }
    RadioGroup1Buttons->button(0)->setChecked(true);
    RadioGroup1->setVisible(document->document().kind() == DocumentKind::Assessment);

    // Beside the group, in the room left of the buttons, so the dialog keeps its size; the
    // appendices in the order the report gets them.
    const auto appendixBox = [this](const char* name, const QString& caption, int top) {
        auto* box = new QCheckBox(caption, this);
        box->setObjectName(QLatin1String(name));
        box->setGeometry(264, top, 224, 22);
        box->setVisible(RadioGroup1->isVisibleTo(this));
        box->setEnabled(false);
        return box;
    };
    CheckBox1 = appendixBox("CheckBox1", QStringLiteral("Dołącz podsumowanie ryzyka"), 60);
    CheckBox2 = appendixBox("CheckBox2", QStringLiteral("Dołącz plan działań"), 86);
    // The statements are of every listed worker or of the one chosen here.
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(264, 112, 224, 22);
    ComboBox1->addItem(QStringLiteral("Wszyscy pracownicy z listy"));
    if (document->document().kind() == DocumentKind::Assessment) {
        for (const QStringList& worker : workers::listed(document->document().workers().dataRows()))
            ComboBox1->addItem(worker.value(workers::Name));
    }
    ComboBox1->setVisible(RadioGroup1->isVisibleTo(this));
    ComboBox1->setEnabled(false);
    connect(RadioGroup1Buttons, &QButtonGroup::idToggled, this,
            [this](int id, bool checked) {
                if (id == RiskReport) {
                    CheckBox1->setEnabled(checked);
                    CheckBox2->setEnabled(checked);
                }
                if (id == WorkerStatements)
                    ComboBox1->setEnabled(checked);
                // The name proposed for another kind follows the choice; a name of the
                // user's own stays.
                for (int other = 0; checked && other < RadioGroup1Buttons->buttons().size(); ++other) {
                    if (other != id && Edit1->text() == QDir::toNativeSeparators(defaultFileName(other)))
                        Edit1->setText(QDir::toNativeSeparators(defaultFileName(id)));
                }
            });
    Edit1->setText(QDir::toNativeSeparators(defaultFileName(0)));

    SpeedButton2 = speedButton(this, "SpeedButton2", QStringLiteral("Utwórz"), QStringLiteral("Utwórz raport."),
                               QRect(496, 56, 89, 22));
    SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    SpeedButton2->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    SpeedButton3 = speedButton(this, "SpeedButton3", QStringLiteral("Zamknij"), QStringLiteral("Zamknij"),
                               QRect(496, 88, 90, 22));

    connect(SpeedButton1, &QToolButton::clicked, this, [this] { runCommand([this] { SpeedButton1Click(); }); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { runCommand([this] { SpeedButton2Click(); }); });
    connect(SpeedButton3, &QToolButton::clicked, this, &TForm7::SpeedButton3Click);
    setTabOrder(SpeedButton1, RadioGroup1Buttons->button(0));
    setTabOrder(RadioGroup1Buttons->button(0), CheckBox1);
    setTabOrder(CheckBox1, CheckBox2);
    setTabOrder(CheckBox2, ComboBox1);
    setTabOrder(ComboBox1, SpeedButton2);
    setTabOrder(SpeedButton2, SpeedButton3);
    SpeedButton1->setFocus();
}

void TForm7::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ApplyAutoScale(this);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void TForm7::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        requestHelp(HelpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

QString TForm7::defaultFileName(int kind) const
{
    const QFileInfo source(document_->windowTitle());
    const bool assessment = document_->document().kind() == DocumentKind::Assessment;
    const QString ending = !assessment || kind == 0 ? QStringLiteral(" – lista kontrolna.docx")
                           : kind == RiskReport     ? QStringLiteral(" – raport.docx")
                                                    : QStringLiteral(" – oświadczenia.docx");
    return source.dir().filePath(source.completeBaseName() + ending);
}

void TForm7::SpeedButton1Click()
{
    QString proposed = QDir::fromNativeSeparators(Edit1->text().trimmed());
    if (proposed.isEmpty())
        proposed = defaultFileName(RadioGroup1Buttons->checkedId());
    const QString chosen = prompts().saveFileNameReplacing(QStringLiteral("Zapisz jako"), proposed, ReportFilter, {});
    if (chosen.isEmpty())
        return;
    Edit1->setText(QDir::toNativeSeparators(chosen));
    agreedToReplace_ = Edit1->text();
}

void TForm7::SpeedButton2Click()
{
    const QString fileName = Edit1->text().trimmed();
    if (fileName.isEmpty()) {
        prompts().message(QStringLiteral("Podaj nazwę pliku."));
        return;
    }
    // A typed name replaces an existing file only after the user agreed here, as in the save
    // dialog.
    const QString path = QDir::fromNativeSeparators(fileName);
    if (fileName != agreedToReplace_ && QFileInfo::exists(path)
        && !prompts().question(QStringLiteral("Plik „%1” już istnieje.\rCzy chcesz go zastąpić?").arg(fileName)))
        return;
    createReport(path);
    agreedToReplace_ = fileName;
    // The offer is made once the command has ended, with the progress window gone.
    if (prompts().question(QStringLiteral("Utworzono dokument:\r") + fileName + QStringLiteral("\rczy chcesz otworzyć dokument."),
                           {}, Prompts::Icon::Question))
        QMetaObject::invokeMethod(this, [this, fileName] { openReport(fileName); }, Qt::QueuedConnection);
}

void TForm7::SpeedButton3Click()
{
    close();
}

void TForm7::createReport(const QString& fileName)
{
    const DocumentModel& document = document_->document();
    // A project fills the project part alone.
    AssessmentSnapshot snapshot;
    if (document.kind() == DocumentKind::Assessment)
        snapshot = document.assessmentValue();
    else
        static_cast<ProjectSnapshot&>(snapshot) = document.projectValue();

    TForm8 progress(static_cast<int>(snapshot.checklist.size() + snapshot.hazards.size()), this);
    progress.show();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const RowWritten rowWritten = [&progress] { progress.rowWritten(); };

    DocumentWriter word;
    word.AppShow();
    word.FileNew(QStringLiteral("Normal"));
    if (document.kind() == DocumentKind::Project)
        BuildChecklistReport(word, snapshot, ChecklistVariant::Project, rowWritten);
    else if (RadioGroup1Buttons->checkedId() == 0)
        BuildChecklistReport(word, snapshot, ChecklistVariant::Assessment, rowWritten);
    else if (RadioGroup1Buttons->checkedId() == WorkerStatements)
        BuildWorkerStatements(word, snapshot, ComboBox1->currentIndex() - 1);
    else {
        BuildRiskReport(word, snapshot, rowWritten);
        if (CheckBox1->isChecked())
            WriteRiskOverviewAppendix(word, snapshot);
        if (CheckBox2->isChecked())
            WritePlanAppendix(word, snapshot);
    }
    word.FileSaveAs(fileName);
}

void TForm7::openReport(const QString& fileName)
{
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::fromNativeSeparators(fileName))))
        return;
    // The desktop tells no more than that it could not open the file: most often no program
    // is set up for the file's kind. The report itself was written, so its place is shown.
    const QString kind = QFileInfo(fileName).suffix().toLower();
    prompts().message(QStringLiteral("Błąd przy otwieraniu!\rNie znaleziono programu, który otwiera pliki .%1.\r"
                                     "Raport zapisano w pliku:\r%2")
                          .arg(kind, fileName),
                      Prompts::Icon::Error);
}
