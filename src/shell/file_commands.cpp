#include "shell/file_commands.h"

#include "base/app_error.h"
#include "base/error_boundary.h"
#include "base/prompts.h"
#include "documents/assessment_window.h"
#include "documents/project_window.h"
#include "model/document_model.h"
#include "report/plan_spreadsheet.h"
#include "shell/document_frame_size.h"
#include "shell/drawn_icon.h"
#include "shell/template_dialog.h"
#include "storage/ini_dat.h"
#include "model/workstation_templates.h"
#include "storage/lock_owner.h"
#include "storage/regular_file.h"
#include "storage/write_access.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScopeGuard>
#include <type_traits>

namespace {

const QString ProjectExtension = QStringLiteral(".rpr");
constexpr int ProvisionalNumbers = 8;

const QString OpenFilter = QStringLiteral("Plik projektu (*.rpr);;Plik oceny ryzyka (*.ron)");
const QString NewAssessmentFilter = QStringLiteral("Nowy plik oceny ryzyka (*.rpr)");
const QString ProjectFilter = QStringLiteral("Plik projektu (*.rpr)");
const QString AssessmentFilter = QStringLiteral("Plik oceny ryzyka (*.ron)");
const QString PlanSheetFilter = QStringLiteral("Arkusz Excel (*.xlsx);;CSV (*.csv)");

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

DocumentWindow* documentIn(const QMdiSubWindow* subWindow)
{
    return subWindow ? qobject_cast<DocumentWindow*>(subWindow->widget()) : nullptr;
}

// Unless dismissed, deletes a new document window with its frame, giving back the lock its
// file took: a window whose document was not read whole must never stay bound to the file,
// or a save would write its empty fields over the document.
auto discardOnFailure(DocumentWindow* window)
{
    return qScopeGuard([window] { delete window->parentWidget(); });
}

} // namespace

FileCommands::FileCommands(QMdiArea* area, DocumentHost* host, const ProgramPaths& paths, QObject* parent)
    : QObject(parent), area_(area), host_(host), paths_(paths), frameSize_(new DocumentFrameSize(paths, this))
{
}

QString FileCommands::DocumentsFolder() const
{
    return paths_.documentsFolder();
}

QList<DocumentWindow*> FileCommands::documentWindows() const
{
    QList<DocumentWindow*> windows;
    for (QMdiSubWindow* subWindow : area_->subWindowList(QMdiArea::CreationOrder)) {
        if (DocumentWindow* window = documentIn(subWindow))
            windows.append(window);
    }
    return windows;
}

DocumentWindow* FileCommands::activeDocument() const
{
    return documentIn(area_->currentSubWindow());
}

QMdiSubWindow* FileCommands::subWindowHolding(const QString& path) const
{
    for (QMdiSubWindow* subWindow : area_->subWindowList(QMdiArea::CreationOrder)) {
        if (DocumentWindow* window = documentIn(subWindow); window && window->file().FileName() == path)
            return subWindow;
    }
    return nullptr;
}

// --- commands ------------------------------------------------------------------------

void FileCommands::NewProject()
{
    runCommand([this] { CreateProjectWindow(ProvisionalName(QStringLiteral("PROJEKT"), QStringLiteral("rpr"))); });
}

void FileCommands::NewProjectFromTemplate()
{
    runCommand([this] {
        TemplateDialog dialog(paths_, area_->window());
        if (dialog.exec() != QDialog::Accepted || !dialog.chosen())
            return;
        RestoreDocument(ProvisionalName(QStringLiteral("PROJEKT"), QStringLiteral("rpr")), ProjectExtension,
                        regular_file::read(dialog.chosen()->path));
    });
}

void FileCommands::SaveAsTemplate(DocumentWindow* window)
{
    runCommand([this, window] {
        if (window->Extension != ProjectExtension)
            return;
        bool ok = false;
        const QString name =
            prompts().text(QStringLiteral("Zapisz jako szablon"), QStringLiteral("Nazwa nowego szablonu stanowiska:"),
                           false, &ok)
                .trimmed();
        if (!ok || name.isEmpty())
            return;
        if (!isValidTemplateName(name))
            throw AppError(QStringLiteral("„%1” nie może być nazwą pliku szablonu.\rNazwa może zawierać litery, cyfry, "
                                          "spacje i znaki przestankowe z wyjątkiem \\ / : * ? \" < > | i nie może "
                                          "kończyć się kropką.")
                               .arg(name));
        const QString path = templatePath(paths_.userTemplatesFolder(), name);
        if (QFile::exists(path) && !prompts().question(QStringLiteral("Szablon „%1” już istnieje. Zastąpić go?").arg(name)))
            return;
        saveTemplate(window->document(), path);
    });
}

void FileCommands::NewAssessment()
{
    runCommand([this] {
        const QString project = prompts().openFileName(QStringLiteral("Otwórz"), DocumentsFolder(), NewAssessmentFilter);
        if (!project.isEmpty() && saveOpenProject(project))
            CreateAssessmentFromProject(project, ProvisionalName(QStringLiteral("OCENA"), QStringLiteral("ron")));
    });
}

void FileCommands::Open()
{
    runCommand([this] {
        const QString path = prompts().openFileName(QStringLiteral("Otwórz"), DocumentsFolder(), OpenFilter);
        if (!path.isEmpty())
            OpenDocument(path);
    });
}

void FileCommands::OpenReporting(const QString& path)
{
    runCommand([this, &path] { OpenDocument(path); });
}

bool FileCommands::Save(DocumentWindow* window)
{
    return runCommand([this, window] { SaveDocument(window, window->file().FileName()); });
}

void FileCommands::SaveAs(DocumentWindow* window)
{
    runCommand([this, window] {
        const QString& extension = window->Extension;
        const QString current = window->file().FileName();
        // The current name without its extension, in the document's folder (PROJEKTY for a
        // document not saved yet, which is bound to a provisional name there).
        const QFileInfo currentFile(current);
        const QString fileName = currentFile.fileName();
        const QString proposed =
            QDir(currentFile.path()).filePath(fileName.left(qMax<qsizetype>(0, fileName.size() - 4)));
        const QString name = prompts().saveFileNameReplacing(
            QStringLiteral("Zapisz jako"), proposed, extension == ProjectExtension ? ProjectFilter : AssessmentFilter,
            extension);
        if (name.isEmpty())
            return;
        if (name != current)
            SaveUnderNewName(window, name);
        else
            SaveDocument(window, name);
    });
}

void FileCommands::ExportPlan(DocumentWindow* window)
{
    runCommand([window] {
        if (!window || window->document().kind() != DocumentKind::Assessment)
            return;
        const QFileInfo document(window->file().FileName());
        const QString proposed = document.dir().filePath(document.completeBaseName() + QStringLiteral(" – plan działań.xlsx"));
        QString name = prompts().saveFileName(QStringLiteral("Eksportuj plan do arkusza"), proposed, PlanSheetFilter);
        if (name.isEmpty())
            return;
        if (!isPlanSpreadsheetName(name))
            name += QStringLiteral(".xlsx");
        WritePlanSpreadsheet({window->document().assessmentValue()}, name);
    });
}

void FileCommands::Close()
{
    if (QMdiSubWindow* subWindow = area_->currentSubWindow())
        subWindow->close();
}

bool FileCommands::CloseAll()
{
    QList<DocumentWindow*> windows;
    for (QMdiSubWindow* subWindow : area_->subWindowList(QMdiArea::StackingOrder)) {
        if (DocumentWindow* window = documentIn(subWindow))
            windows.append(window);
    }
    // Every question is answered before anything closes, so that Cancel at any of them
    // leaves every window as it was.
    QList<DocumentWindow*> toSave;
    for (DocumentWindow* window : windows) {
        const Prompts::Answer answer = window->askToSave();
        if (answer == Prompts::Answer::Cancel)
            return false;
        if (answer == Prompts::Answer::Yes)
            toSave.append(window);
    }
    // A save that wrote nothing has said why; nothing closes then, so nothing is lost.
    for (DocumentWindow* window : toSave) {
        if (!Save(window))
            return false;
    }
    for (DocumentWindow* window : windows)
        window->closeAnswered();
    return true;
}

// --- operations ----------------------------------------------------------------------

template <class Window>
Window* FileCommands::createWindow(const QString& path)
{
    auto* window = new Window(host_, area_);
    window->bindToFile(path);
    // The window is scaled for the screen before its frame is sized. Over a maximised
    // window Qt shows a new one maximised: it is sized as a normal window first, so
    // restoring it later gives that size, and all of this happens before anything is painted.
    window->scaleForScreen();
    QMdiSubWindow* frame = area_->addSubWindow(window);
    // The frame shows the kind of its document, as the file manager does.
    frame->setWindowIcon(drawnIcon(window->Extension == ProjectExtension ? "project" : "assessment"));
    // Ctrl+F4 belongs to the main window's "Zamknij"; the frame's menu keeps its item.
    for (QAction* item : frame->systemMenu()->actions()) {
        if (item->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_F4))
            item->setShortcut({});
    }
    // A minimised frame is too narrow for the full path, which would read the same in
    // every window: it shows the file name, and the full path again once restored.
    const auto showTitle = [frame, window] {
        frame->setWindowTitle(frame->isMinimized() ? QFileInfo(window->windowTitle()).fileName() : window->windowTitle());
    };
    connect(frame, &QMdiSubWindow::windowStateChanged, frame, showTitle);
    connect(window, &QWidget::windowTitleChanged, frame, showTitle);
    if constexpr (std::is_same_v<Window, TForm5>)
        connect(window, &TForm5::exportPlanRequested, this, [this, window] { ExportPlan(window); });
    frame->show();
    const bool maximised = frame->isMaximized();
    frame->showNormal();
    frameSize_->place(frame, area_);
    if (maximised)
        frame->showMaximized();
    // Framed over a maximised window (shown, made normal, maximised again), the window would
    // start in its second field.
    window->focusFirstField();
    return window;
}

DocumentWindow* FileCommands::createDocumentWindow(bool project, const QString& path)
{
    return project ? static_cast<DocumentWindow*>(createWindow<TForm2>(path)) : createWindow<TForm5>(path);
}

DocumentWindow* FileCommands::OpenDocument(const QString& path)
{
    if (QMdiSubWindow* open = subWindowHolding(path)) {
        area_->setActiveSubWindow(open);
        open->showNormal();
        return documentIn(open);
    }
    DocumentWindow* window = createDocumentWindow(QFileInfo(path).fileName().endsWith(ProjectExtension), path);
    auto discardWindow = discardOnFailure(window);
    if (!window->openFile(path))
        throw notADocument(path);
    discardWindow.dismiss();
    return window;
}

DocumentWindow* FileCommands::RestoreDocument(const QString& path, const QString& extension,
                                             const QByteArray& content)
{
    if (subWindowHolding(path))
        throw AppError(QStringLiteral("Dokument „%1” jest już otwarty, więc jego kopia nie została przywrócona.\r"
                                      "Kopia zostanie zaproponowana przy następnym uruchomieniu programu.")
                           .arg(native(path)));
    DocumentWindow* window = createDocumentWindow(extension == ProjectExtension, path);
    auto discardWindow = discardOnFailure(window);
    window->openRecovered(path, content);
    discardWindow.dismiss();
    return window;
}

DocumentWindow* FileCommands::CreateProjectWindow(const QString& provisionalPath)
{
    return createWindow<TForm2>(provisionalPath);
}

bool FileCommands::saveOpenProject(const QString& projectPath)
{
    DocumentWindow* open = documentIn(subWindowHolding(projectPath));
    if (!open || !open->document().isModified())
        return true;
    switch (prompts().questionWithCancel(
        QStringLiteral("Projekt „%1” jest otwarty i ma niezapisane zmiany.\rCzy zapisać je przed utworzeniem oceny "
                       "ryzyka?\rTak – zapisz projekt i utwórz ocenę, Nie – utwórz ocenę z projektu zapisanego na "
                       "dysku, Anuluj – nie twórz oceny.")
            .arg(native(projectPath)))) {
    case Prompts::Answer::Yes:
        SaveDocument(open, projectPath);
        return true;
    case Prompts::Answer::No:
        return true;
    case Prompts::Answer::Cancel:
        break;
    }
    return false;
}

DocumentWindow* FileCommands::CreateAssessmentFromProject(const QString& projectPath, const QString& provisionalPath)
{
    TForm5* window = createWindow<TForm5>(provisionalPath);
    auto discardWindow = discardOnFailure(window);
    if (!window->readProject(projectPath))
        throw notADocument(projectPath);
    // Without a method the hazards could never be rated.
    if (window->method() == RiskMethod::None)
        throw AppError(QStringLiteral("Projekt „%1” nie ma wybranej metody oceny ryzyka, więc nie można na jego "
                                      "podstawie utworzyć oceny ryzyka.\rOtwórz projekt, wybierz metodę i zapisz go.")
                           .arg(native(projectPath)));
    discardWindow.dismiss();
    return window;
}

AppError FileCommands::notADocument(const QString& path)
{
    return AppError(QStringLiteral("Plik „%1” nie jest projektem ani oceną ryzyka, więc nie został otwarty.\r"
                                  "Plik pozostał bez zmian.")
                       .arg(native(path)));
}

void FileCommands::requireFolderOf(const QString& name)
{
    const QDir folder = QFileInfo(name).absoluteDir();
    if (!folder.exists())
        throw AppError(QStringLiteral("Nie można zapisać pliku „%1”: folder „%2” nie istnieje.\r"
                                      "Zmiany nie zostały zapisane.")
                           .arg(native(name), native(folder.path())));
}

void FileCommands::SaveDocument(DocumentWindow* window, const QString& name)
{
    requireFolderOf(name);
    window->saveFile(name);
    emit documentSaved(name);
}

void FileCommands::SaveUnderNewName(DocumentWindow* window, const QString& name)
{
    // Checked before the current file is given up, so a refused name changes nothing.
    requireFolderOf(name);
    if (subWindowHolding(name))
        throw AppError(QStringLiteral("Plik „%1” jest otwarty w innym oknie. Zmiany nie zostały zapisane.\r"
                                      "Wybierz inną nazwę albo zamknij tamto okno.")
                           .arg(native(name)));
    // Someone else's lock, also one that only its record shows (a group member's) or one a
    // crashed program left: the file is not taken from under it.
    if (LockOwner::stateOf(name) != LockOwner::State::Free)
        throw AppError(QStringLiteral("Plik „%1” jest tylko do odczytu. Zmiany nie zostały zapisane.\r"
                                      "Wybierz inną nazwę.")
                           .arg(native(name)));
    // Before the lock is taken on the new name: a planted link or a device must not even
    // have its mode changed.
    write_access::requireWritable(name, write_access::inspect(name));
    window->saveFileAs(name);
    emit documentSaved(name);
}

QString FileCommands::ProvisionalName(const QString& stem, const QString& extension) const
{
    const QDir folder(DocumentsFolder());
    const auto path = [&](int n) { return folder.filePath(QStringLiteral("%1%2.%3").arg(stem).arg(n).arg(extension)); };
    const auto taken = [&](const QString& candidate) { return QFile::exists(candidate) || subWindowHolding(candidate); };
    int first = int(documentWindows().size()) + 1;
    if (first > ProvisionalNumbers)
        first = 1;
    // first .. 8, then 1 .. first - 1, then 9 and up.
    for (int i = 0;; ++i) {
        const int n = i < ProvisionalNumbers ? (first - 1 + i) % ProvisionalNumbers + 1 : i + 1;
        if (const QString candidate = path(n); !taken(candidate))
            return candidate;
    }
}
