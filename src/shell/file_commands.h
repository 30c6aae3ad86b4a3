#pragma once
// FileCommands: the main window's file commands on its document windows (new project, new
// risk assessment from a project, open, save, save as, close, close all) and the operations
// they share (OpenDocument, SaveDocument, SaveUnderNewName, CreateProjectWindow,
// CreateAssessmentFromProject). New documents get provisional names in the documents folder
// PROJEKTY and stay unwritten until their first save.
//
// They decide the names, ask the dialogs and keep the recent files; the document windows
// open and save their files themselves. The commands run through the error boundary and
// show every failure through the prompts interface; nothing escapes them. The operations
// under them throw AppError and leave the reporting to their caller.
//
// A document window's identity is its file's name, a full path compared exactly; its
// caption is the same path. A save counts only when the file was written: a save that is
// refused or fails leaves the document modified, so closing it asks again.
//
// Owned by the main window (QObject parent). REQUIRES: `area` and `host` outlive it.

#include "base/app_error.h"
#include "base/program_paths.h"

#include <QObject>
#include <QString>

class DocumentFrameSize;
class DocumentHost;
class DocumentWindow;
class QMdiArea;
class QMdiSubWindow;

class FileCommands : public QObject {
    Q_OBJECT
public:
    FileCommands(QMdiArea* area, DocumentHost* host, const ProgramPaths& paths, QObject* parent);

    // PROJEKTY: where new documents are named and the open dialogs start
    // (ProgramPaths::documentsFolder()).
    QString DocumentsFolder() const;
    // The document windows in the order they were opened.
    QList<DocumentWindow*> documentWindows() const;
    // The active (or last active) document window, or nullptr.
    DocumentWindow* activeDocument() const;

    // Commands.
    void NewProject();
    // "Nowy projekt z szablonu…": a new project named as NewProject names it, holding the
    // template chosen in TemplateDialog; modified, nothing written.
    void NewProjectFromTemplate();
    void NewAssessment();
    void Open();
    // OpenDocument(path), reporting a failure.
    void OpenReporting(const QString& path);
    // True when the document was written.
    bool Save(DocumentWindow* window);
    void SaveAs(DocumentWindow* window);
    // Asks for a spreadsheet file (.xlsx or .csv; a name without either gets .xlsx), proposed
    // beside the document as "<name> – plan działań.xlsx", and writes the action plan of
    // `window`, unsaved edits included, into it. Does nothing for a project window.
    void ExportPlan(DocumentWindow* window);
    // "Zapisz jako szablon…": asks the template's name and writes the project's content as
    // <name>.rpr into the user's templates folder, asking before it replaces one. The
    // project's own file and modified state stay as they are.
    void SaveAsTemplate(DocumentWindow* window);
    // Closes the active document window through its own closing question.
    void Close();
    // Closes every document window after asking the closing question of each modified one,
    // from the bottom of the stack to the top, all before any window closes. False, with
    // every window still open, when a question was cancelled or a save asked for failed.
    bool CloseAll();

    // Operations; each throws AppError.
    //
    // Brings forward (restored to normal) the window that holds `path`, or opens `path` in a
    // new window: ".rpr" exactly gives a project window, anything else an assessment window
    // whose controls are read only for ".ron". A window whose file cannot be read stays
    // open and empty. Opening never changes an existing file's bytes; a file with content
    // but no section is refused and gets no window. A path that does not exist is created
    // empty, with the lock.
    DocumentWindow* OpenDocument(const QString& path);
    // Writes `window` to `name`, merged into what that file holds, and reports documentSaved.
    void SaveDocument(DocumentWindow* window, const QString& name);
    // Gives up the window's current file, then SaveDocument under `name`.
    void SaveUnderNewName(DocumentWindow* window, const QString& name);
    // Opens a recovery copy: a new window of the kind `extension` names (".rpr" a project,
    // anything else an assessment) bound to `path`, its controls read from `content`,
    // modified and not saved (DocumentWindow::openRecovered). Refused while another window
    // holds `path`.
    DocumentWindow* RestoreDocument(const QString& path, const QString& extension, const QByteArray& content);
    DocumentWindow* CreateProjectWindow(const QString& provisionalPath);
    // Refused, with no window left, when the project is not a document or has no method.
    DocumentWindow* CreateAssessmentFromProject(const QString& projectPath, const QString& provisionalPath);
    // `stem` + n + "." + `extension` in PROJEKTY, for the first n, counting from the number
    // of open document windows plus one up to 8 and then from 1, whose file does not exist
    // and which no open window holds; when 1 to 8 are all taken, the first such n above 8.
    QString ProvisionalName(const QString& stem, const QString& extension) const;

signals:
    // A document was written to `path`.
    void documentSaved(const QString& path);

private:
    template <class Window>
    Window* createWindow(const QString& path);
    // A project window or an assessment window, framed, bound to `path`.
    DocumentWindow* createDocumentWindow(bool project, const QString& path);
    QMdiSubWindow* subWindowHolding(const QString& path) const;
    // When the project is open in a window with unsaved changes, asks whether to save them
    // before an assessment is made from its file: Tak saves, Nie goes on with the file as
    // it is on disk, Anuluj (false) stops. Throws when the save fails.
    bool saveOpenProject(const QString& projectPath);
    // The error that `path` is not a document; the window made for it is then discarded and
    // the file stays untouched.
    static AppError notADocument(const QString& path);
    // Throws when no file can be written at `name` because its folder is missing.
    static void requireFolderOf(const QString& name);

    QMdiArea* area_;
    DocumentHost* host_;
    ProgramPaths paths_;
    DocumentFrameSize* frameSize_;
};
