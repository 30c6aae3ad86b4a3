#pragma once
// TForm1: the program's main window, the MDI frame that holds the document windows, with
// the main menu, the toolbar and the one-panel status bar that shows the hints.
//
// Creating it runs the start of the program: it reads TARVEN.INI (found through `paths`)
// into programSettings(), asks for the access password when one is set, loads the
// recent-files list and scans for tool libraries. Showing it applies the autoscale rule
// and asks for the welcome screen; closing it stores the recent-files list.

#include "base/program_paths.h"
#include "documents/document_host.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

class DocumentWindow;
class FileCommands;
class HelpWindow;
class RecoveryCopies;
class RegisterWindow;
class TutorialCards;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

class TForm1 : public QMainWindow, public DocumentHost {
    Q_OBJECT

public:
    explicit TForm1(const ProgramPaths& paths, QWidget* parent = nullptr);
    ~TForm1() override;

    // Where the settings, the documents folder, the data and the tools are.
    const ProgramPaths& paths() const { return paths_; }
    QMdiArea* mdiArea() const { return MdiArea; }
    FileCommands* fileCommands() const { return fileCommands_; }
    // The recovery copies of the modified documents.
    RecoveryCopies* recoveryCopies() const { return recoveryCopies_; }
    // Opens `path` in a document window, or brings forward the window that holds it;
    // shows a failure. Used by the recent-file items and the welcome screen.
    void OpenDocument(const QString& path);
    // Documents named from outside (the command line, a second start): opens each as
    // OpenDocument does and brings this window to the front. A path that is not an existing
    // file ending in ".rpr" or ".ron" is refused with a message naming it, and nothing is
    // made. Nothing is opened once the window has closed (a refused password).
    void OpenFromOutside(const QStringList& paths);
    // Asks, once the window has been shown and before the welcome screen, about the
    // recovery copies that ended runs left (RecoveryCopies::offerLeftCopies); nothing once
    // the window has closed (a refused password). The program's entry asks for it.
    void offerRecoveryCopiesAtStart() { offerRecoveryAtStart_ = true; }
    // Full paths, oldest first, at most five.
    const QStringList& RecentFiles() const { return recentFiles_; }

    // What the document windows ask of the main window.
    bool Save(QWidget* documentWindow) override;
    void setRowCommandsEnabled(bool enabled) override;
    void setReportEnabled(bool enabled) override;

signals:
    // Queued after the window is shown when ShowWelcome is on; not sent once a refused
    // password has closed the window.
    void welcomeScreenRequested();

public slots:
    // File commands.
    void FileNew1Execute();
    void NowyZSzablonuClick();
    void ZapiszJakoSzablonClick();
    void Ocenaryzyka1Click();
    void FileOpen1Execute();
    void ZamknijClick();
    void Zamknijwszystkie1Click();
    void Zapisz1Click();
    void Zapiszjako1Click();
    void FileExit1Execute();
    void RecentFileClick(const QString& path);
    // Row, clipboard and report commands on the active document window.
    void CopyItemClick();
    void PasteItemClick();
    void ToolButton8Click();
    void ToolButton16Click();
    void ToolButton10Click();
    void ToolButton17Click();
    // Exports the action plan of the active assessment window to a spreadsheet
    // (FileCommands::ExportPlan); what the plan tab's export button asks for.
    void ExportPlanClick();
    void PowielWierszClick();
    void KopiujZagrozeniaClick();
    void Opcje1Click();
    // "Rejestr ocen ryzyka": shows the register window (one at a time), reading the folder
    // read last.
    void Rejestr1Click();
    // Writes the register's rows shown to a file the user names.
    void exportRegister();
    // Window arrangement.
    void WindowCascadeItemClick();
    void WindowTileItemClick();
    void WindowTileItem2Click();
    void WindowMinimizeItemClick();
    // Help.
    void Pomoc1Click();
    void Samouczek1Click();
    void WebSiteItemClick();
    void HelpAbout1Execute();
    void ShowWelcomeScreen();
    // What the tutorial's card window reports: `action` is TutorialClose or
    // TutorialOtherCaller (the tutorial closes) or TutorialData, whose `value` 10, 20 ... 80
    // shows that card; anything else does nothing.
    void TutorialMessage(int action, int value);
    // Runs the tool of an item of "Użyteczne".
    void ToolMenuClick(QAction* item);

protected:
    // Save is on Ctrl+S, whatever field of this window (edit box, memo, cell editor) has the
    // focus; Ctrl+Z stays that field's own undo. Ctrl+C and Ctrl+V go to "&Kopiuj" and
    // "&Wklej" the same way, except from a cell being edited in place, which the commands do
    // not serve.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Every document window is closed first, asking about its unsaved changes; while one
    // stays open (its save failed) the program does not end.
    void closeEvent(QCloseEvent* event) override;

private:
    void createDocumentArea();
    void createActions();
    void createMenus();
    void createToolBars();
    void createStatusBar();
    void readSettings();
    void checkAccessPassword();
    void scanToolLibrariesReportingFailure();
    void ScanToolLibraries();
    void ShowRecentFiles();
    // A document was saved to `path`: it becomes the newest recent file when they are kept.
    void rememberSavedFile(const QString& path);
    // Tells the document window that stops being the active one, and the one that becomes it;
    // a minimised window is not one to work on.
    void documentWindowActivated(QMdiSubWindow* subWindow);
    // The active window was minimised or restored.
    void documentWindowStateChanged();
    void updateWindowMenu();
    // The questions after the window is first shown, one after the other: the recovery
    // copies when asked for, then the welcome screen when the settings ask for it.
    void WelcomeScreenMessage();
    // Whether a key pressed in `focused`, a widget of this window, goes to this window's command.
    bool claimsKey(const QWidget* focused, QKeyCombination key) const;
    // The help handler of the program: shows the help window at the topic of `context`.
    void ShowHelp(int context);

    // One command: the action its menu item and its toolbar button (if any) share. It runs
    // `slot` through the error boundary.
    QAction* createAction(const char* name, const QString& caption, const QString& hint, void (TForm1::*slot)());
    // Sets the enabled state of every command that depends on the active document window,
    // from what that window said applies.
    void updateCommands();

    ProgramPaths paths_;
    QStringList recentFiles_;
    QStringList toolLibraries_;   // file names; entry i belongs to the i-th item of Uzyteczne

    QMdiArea* MdiArea = nullptr;
    FileCommands* fileCommands_ = nullptr;
    RecoveryCopies* recoveryCopies_ = nullptr;
    bool offerRecoveryAtStart_ = false;
    QPointer<DocumentWindow> activeDocument_;
    QPointer<RegisterWindow> register_;
    bool rowCommandsApply_ = false;   // the active window shows a table
    bool reportApplies_ = false;      // a document window is active: save, copy, paste, report
    HelpWindow* helpWindow_ = nullptr;   // made when help is first asked for
    TutorialCards* tutorial_ = nullptr;  // made when the tutorial is first started
    QToolBar* ToolBar1 = nullptr;

    QMenu* Plik1 = nullptr;
    QMenu* FileNewItem = nullptr;
    QAction* Projekt1 = nullptr;
    QAction* Ocenaryzyka1 = nullptr;
    QAction* FileOpenItem = nullptr;
    QAction* Zamknij = nullptr;
    QAction* Zamknijwszystkie1 = nullptr;
    QAction* Zapisz1 = nullptr;
    QAction* Zapiszjako1 = nullptr;
    QAction* NowyZSzablonu = nullptr;
    QAction* ZapiszJakoSzablon = nullptr;
    QAction* FileExitItem = nullptr;

    QMenu* Edit1 = nullptr;
    QAction* CopyItem = nullptr;
    QAction* PasteItem = nullptr;
    QAction* Dodajwierszdoprojektu1 = nullptr;
    QAction* Wstawwierszdoprojektu1 = nullptr;
    QAction* Usuwierszzprojektu1 = nullptr;
    QAction* PrzeniedoWorda1 = nullptr;
    QAction* PowielWiersz = nullptr;
    QAction* KopiujZagrozenia = nullptr;
    QAction* Opcje1 = nullptr;
    QAction* Rejestr1 = nullptr;

    QMenu* Uzyteczne = nullptr;

    QMenu* Window1 = nullptr;
    QAction* WindowCascadeItem = nullptr;
    QAction* WindowTileItem = nullptr;
    QAction* WindowTileItem2 = nullptr;
    QAction* WindowMinimizeItem = nullptr;
    QAction* windowListSeparator = nullptr;

    QMenu* Help1 = nullptr;
    QAction* Pomoc1 = nullptr;
    QAction* Samouczek1 = nullptr;
    QAction* WebSiteItem = nullptr;
    QAction* HelpAboutItem = nullptr;

};

// The main window while it exists, nullptr before and after.
TForm1* mainWindow();
