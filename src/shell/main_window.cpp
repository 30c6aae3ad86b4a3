#include "shell/main_window.h"

#include "base/app_error.h"
#include "base/error_boundary.h"
#include "base/help_request.h"
#include "documents/auto_scale.h"
#include "documents/help_context.h"
#include "base/program_settings.h"
#include "base/prompts.h"
#include "documents/clipboard_commands.h"
#include "documents/document_window.h"
#include "documents/row_commands.h"
#include "shell/copy_hazards_dialog.h"
#include "shell/report_dialog.h"
#include "shell/drawn_icon.h"
#include "shell/file_commands.h"
#include "shell/help_key.h"
#include "shell/about_box.h"
#include "shell/exit_question.h"
#include "shell/help_window.h"
#include "shell/tutorial_cards.h"
#include "shell/welcome_screen.h"
#include "shell/mdi_arrange.h"
#include "shell/options_dialog.h"
#include "shell/password_dialog.h"
#include "shell/password_hash.h"
#include "shell/product.h"
#include "shell/recent_files.h"
#include "shell/recovery_copies.h"
#include "shell/settings_file.h"
#include "shell/register_table.h"
#include "shell/register_window.h"
#include "report/register_export.h"
#include "shell/tool_libraries.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <utility>

// The standard images of Qt's dialogs come from the desktop's icon theme, with Adwaita (which
// the setup installs) where the desktop names no theme or its theme lacks an image; the
// toolbar's and the windows' images are drawn for this program, in a resource compiled into
// the shell library.
static void prepareIcons()
{
    Q_INIT_RESOURCE(icons);
    QStringList searchPaths = QIcon::themeSearchPaths();
    for (const QString& folder :
         QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
                                   QStandardPaths::LocateDirectory)) {
        if (!searchPaths.contains(folder))
            searchPaths.append(folder);
    }
    QIcon::setThemeSearchPaths(searchPaths);
    if (QIcon::themeName().isEmpty())
        QIcon::setThemeName(QStringLiteral("Adwaita"));
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    QApplication::setWindowIcon(drawnIcon("program"));
}

namespace {

TForm1* theMainWindow = nullptr;

constexpr int MainWindowHelpContext = 5010;
constexpr int ContentsHelpContext = 5000;
constexpr int TutorialFirstCard = 5;

// The items of Plik1 from "Nowy" to "Zakończ"; the recent files follow them.
constexpr int FixedFileItems = 11;

const QString WrongAccessPassword = QStringLiteral("Nieprawidłowe hasło.");
const QString SettingsReadError = QStringLiteral(
    "Problemy z otwarciem pliku \"TARVEN.INI\". Niektóre z ustawień nie będą załadowane.");
const QString ToolScanError = QStringLiteral(
    "Wystąpił błąd podczas sprawdzania bibliotek. Niektóre z dodatkowych funkcji programu będą niedostępne.");

// A hint may hold a short and a long form, "short|long": the short one is the tooltip,
// the long one goes to the status bar. A hint without "|" is both.
void setHint(QAction* action, const QString& hint)
{
    action->setToolTip(hint.section(QLatin1Char('|'), 0, 0));
    action->setStatusTip(hint.section(QLatin1Char('|'), -1));
}

void addSeparator(QMenu* menu, const char* name)
{
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

// A menu and the item that opens it carry the menu's name.
QMenu* named(QMenu* menu, const char* name)
{
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

// A menu caption shows "&" only when it is doubled.
QString literalCaption(QString text)
{
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace

TForm1* mainWindow()
{
    return theMainWindow;
}

TForm1::TForm1(const ProgramPaths& paths, QWidget* parent)
    : QMainWindow(parent)
    , paths_(paths)
{
    theMainWindow = this;
    setWindowTitle(ProductName);
    setHelpContext(this, MainWindowHelpContext);
    createDocumentArea();
    createActions();
    createMenus();
    createToolBars();
    createStatusBar();
    readSettings();
    scanToolLibrariesReportingFailure();
    if (programSettings().RememberRecent && !recentFiles_.isEmpty())
        ShowRecentFiles();
    connect(this, &TForm1::welcomeScreenRequested, this, &TForm1::ShowWelcomeScreen);
    qApp->installEventFilter(this);
    qApp->installEventFilter(new HelpKey(this));
    setHelpHandler([this](int context) { ShowHelp(context); });
}

TForm1::~TForm1()
{
    // The document windows go with the area after this window has stopped being one: their
    // frames must no longer tell it of their activation or their state.
    MdiArea->disconnect(this);
    for (QMdiSubWindow* frame : MdiArea->subWindowList())
        frame->disconnect(this);
    setHelpHandler(nullptr);
    theMainWindow = nullptr;
}

void TForm1::createDocumentArea()
{
    MdiArea = new QMdiArea(this);
    MdiArea->setObjectName(QStringLiteral("MdiArea"));
    // Scroll bars reach a window moved partly out of the area.
    MdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    MdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(MdiArea);
    connect(MdiArea, &QMdiArea::subWindowActivated, this, &TForm1::documentWindowActivated);
    fileCommands_ = new FileCommands(MdiArea, this, paths_, this);
    connect(fileCommands_, &FileCommands::documentSaved, this, &TForm1::rememberSavedFile);
    recoveryCopies_ = new RecoveryCopies(fileCommands_, RecoveryStore::defaultFolder(), this);
}

// The commands work on the active window while it is shown. A minimised window shows
// nothing to work on: Qt keeps one active when every window is minimised, and then the
// commands are off as with no window at all, until a window is restored.
void TForm1::documentWindowActivated(QMdiSubWindow* subWindow)
{
    if (activeDocument_)
        activeDocument_->FormDeactivate();
    activeDocument_ = subWindow && !subWindow->isMinimized() ? qobject_cast<DocumentWindow*>(subWindow->widget())
                                                              : nullptr;
    if (activeDocument_)
        activeDocument_->FormActivate();
    if (subWindow)
        connect(subWindow, &QMdiSubWindow::windowStateChanged, this, &TForm1::documentWindowStateChanged,
                Qt::UniqueConnection);
}

void TForm1::documentWindowStateChanged()
{
    QMdiSubWindow* active = MdiArea->activeSubWindow();
    const bool shown = active && !active->isMinimized();
    if (shown != (activeDocument_ != nullptr))
        documentWindowActivated(active);
}

QAction* TForm1::createAction(const char* name, const QString& caption, const QString& hint, void (TForm1::*slot)())
{
    auto* action = new QAction(caption, this);
    action->setObjectName(QLatin1String(name));
    setHint(action, hint);
    connect(action, &QAction::triggered, this, [this, slot] { runCommand([this, slot] { (this->*slot)(); }); });
    return action;
}

void TForm1::createActions()
{
    // The two "Nowy" items share their toolbar buttons' hints.
    Projekt1 = createAction("Projekt1", QStringLiteral("Projekt"), QStringLiteral("Utwórz nowy projekt"),
                            &TForm1::FileNew1Execute);
    Ocenaryzyka1 = createAction("Ocenaryzyka1", QStringLiteral("Ocena ryzyka"),
                                QStringLiteral("Ocena ryzyka: utwórz nową na podstawie projektu"),
                                &TForm1::Ocenaryzyka1Click);
    NowyZSzablonu = createAction("NowyZSzablonu", QStringLiteral("Nowy projekt z &szablonu…"),
                                 QStringLiteral("Utwórz nowy projekt na podstawie szablonu stanowiska"),
                                 &TForm1::NowyZSzablonuClick);
    FileOpenItem = createAction("FileOpenItem", QStringLiteral("&Otwórz"), QStringLiteral("Otwórz zbiór"),
                                &TForm1::FileOpen1Execute);
    FileOpenItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    Zamknij = createAction("Zamknij", QStringLiteral("&Zamknij"), QStringLiteral("Zamknij"), &TForm1::ZamknijClick);
    Zamknij->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    Zamknijwszystkie1 = createAction("Zamknijwszystkie1", QStringLiteral("Zamknij wszystkie"),
                                     QStringLiteral("Zamknij wszystkie zbiory"), &TForm1::Zamknijwszystkie1Click);
    Zapisz1 = createAction("Zapisz1", QStringLiteral("&Zapisz"), QStringLiteral("Zapisz"), &TForm1::Zapisz1Click);
    // Ctrl+Z stays the undo of the field being edited.
    Zapisz1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    Zapiszjako1 = createAction("Zapiszjako1", QStringLiteral("Zapisz jako"), QStringLiteral("Zapisz jako"),
                               &TForm1::Zapiszjako1Click);
    ZapiszJakoSzablon = createAction("ZapiszJakoSzablon", QStringLiteral("Zapisz jako szab&lon…"),
                                     QStringLiteral("Zapisz projekt jako szablon stanowiska"),
                                     &TForm1::ZapiszJakoSzablonClick);
    FileExitItem = createAction("FileExitItem", QStringLiteral("Zakończ"), QStringLiteral("Zakończ program"),
                                &TForm1::FileExit1Execute);

    CopyItem = createAction("CopyItem", QStringLiteral("&Kopiuj"), QStringLiteral("Kopiuj|Kopiuj"), &TForm1::CopyItemClick);
    CopyItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    PasteItem = createAction("PasteItem", QStringLiteral("&Wklej"), QStringLiteral("Wklej|Wklej"), &TForm1::PasteItemClick);
    PasteItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    Dodajwierszdoprojektu1 = createAction("Dodajwierszdoprojektu1", QStringLiteral("&Dodaj wiersz do projektu"),
                                          QStringLiteral("Dodaj wiersz do projektu"), &TForm1::ToolButton8Click);
    Wstawwierszdoprojektu1 = createAction("Wstawwierszdoprojektu1", QStringLiteral("W&staw wiersz do projektu"),
                                          QStringLiteral("Wstaw wiersz do projektu"), &TForm1::ToolButton16Click);
    Usuwierszzprojektu1 = createAction("Usuwierszzprojektu1", QStringLiteral("&Usuń wiersz z projektu"),
                                       QStringLiteral("Usuń wiersz z projektu"), &TForm1::ToolButton10Click);
    PrzeniedoWorda1 = createAction("PrzeniedoWorda1", QStringLiteral("Przenieś do Worda"),
                                   QStringLiteral("Przenieś do Worda"), &TForm1::ToolButton17Click);
    PowielWiersz = createAction("PowielWiersz", QStringLiteral("&Powiel wiersz"),
                                QStringLiteral("Wstaw pod wierszem jego kopię"), &TForm1::PowielWierszClick);
    PowielWiersz->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    KopiujZagrozenia = createAction("KopiujZagrozenia", QStringLiteral("Kopiuj &zagrożenia z…"),
                                    QStringLiteral("Dołącz zagrożenia i pytania listy kontrolnej z innego dokumentu"),
                                    &TForm1::KopiujZagrozeniaClick);
    Opcje1 = createAction("Opcje1", QStringLiteral("Opcje"), QStringLiteral("Opcje programu"), &TForm1::Opcje1Click);
    Rejestr1 = createAction("Rejestr1", QStringLiteral("&Rejestr ocen ryzyka"),
                            QStringLiteral("Rejestr ocen ryzyka: wszystkie oceny folderu"), &TForm1::Rejestr1Click);

    WindowCascadeItem = createAction("WindowCascadeItem", QStringLiteral("&Kaskada"), QStringLiteral("Kaskada"),
                                     &TForm1::WindowCascadeItemClick);
    WindowTileItem = createAction("WindowTileItem", QStringLiteral("&Sąsiadująco"), QStringLiteral("Sąsiadująco"),
                                  &TForm1::WindowTileItemClick);
    WindowTileItem2 = createAction("WindowTileItem2", QStringLiteral("&Uporządkuj ikony"),
                                   QStringLiteral("Uporządkuj ikony"), &TForm1::WindowTileItem2Click);
    WindowMinimizeItem = createAction("WindowMinimizeItem", QStringLiteral("Z&minimalizuj wszystkie"),
                                      QStringLiteral("Zminimalizuj wszystkie"), &TForm1::WindowMinimizeItemClick);

    const QString webSiteHint = QStringLiteral("Zapraszamy na naszą stronę internetową");
    Pomoc1 = createAction("Pomoc1", QStringLiteral("&Pomoc"), QStringLiteral("Pomoc"), &TForm1::Pomoc1Click);
    Samouczek1 = createAction("Samouczek1", QStringLiteral("&Samouczek"), QStringLiteral("Samouczek"),
                              &TForm1::Samouczek1Click);
    WebSiteItem = createAction("WebSiteItem", MakerWebAddress, webSiteHint, &TForm1::WebSiteItemClick);
    WebSiteItem->setVisible(!MakerWebAddress.isEmpty());
    HelpAboutItem = createAction("HelpAboutItem", QStringLiteral("&O programie"), QStringLiteral("O programie"),
                                 &TForm1::HelpAbout1Execute);

    // The row, save, clipboard and report commands wait for a document window that can use them.
    updateCommands();
}

void TForm1::createMenus()
{
    Plik1 = named(menuBar()->addMenu(QStringLiteral("&Plik")), "Plik1");
    FileNewItem = named(Plik1->addMenu(QStringLiteral("&Nowy")), "FileNewItem");
    setHint(FileNewItem->menuAction(), QStringLiteral("Utwórz nowy"));
    FileNewItem->addActions({Projekt1, Ocenaryzyka1});
    Plik1->addActions({NowyZSzablonu, FileOpenItem, Zamknij, Zamknijwszystkie1});
    addSeparator(Plik1, "N5");
    Plik1->addActions({Zapisz1, Zapiszjako1, ZapiszJakoSzablon});
    addSeparator(Plik1, "N1");
    Plik1->addAction(FileExitItem);

    Edit1 = named(menuBar()->addMenu(QStringLiteral("&Narzędzia")), "Edit1");
    Edit1->addActions({CopyItem, PasteItem});
    addSeparator(Edit1, "N2");
    Edit1->addActions({Dodajwierszdoprojektu1, Wstawwierszdoprojektu1, Usuwierszzprojektu1, PowielWiersz,
                       KopiujZagrozenia, PrzeniedoWorda1});
    addSeparator(Edit1, "N4");
    Edit1->addActions({Rejestr1, Opcje1});

    // Shown once a tool library has been found.
    Uzyteczne = named(menuBar()->addMenu(QStringLiteral("&Użyteczne")), "Uzyteczne");
    Uzyteczne->menuAction()->setVisible(false);

    Window1 = named(menuBar()->addMenu(QStringLiteral("&Okna")), "Window1");
    Window1->addActions({WindowCascadeItem, WindowTileItem, WindowTileItem2, WindowMinimizeItem});
    windowListSeparator = Window1->addSeparator();
    connect(Window1, &QMenu::aboutToShow, this, &TForm1::updateWindowMenu);

    Help1 = named(menuBar()->addMenu(QStringLiteral("&Pomoc")), "Help1");
    Help1->addActions({Pomoc1, Samouczek1, WebSiteItem});
    addSeparator(Help1, "N3");
    Help1->addAction(HelpAboutItem);
}

void TForm1::createToolBars()
{
    ToolBar1 = addToolBar(QStringLiteral("ToolBar1"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(32, 32));
    // Each button runs the command of its menu item through the same action; the button
    // carries its own published name.
    prepareIcons();
    // The buttons' images are drawn for the program in one style: the pale images of some
    // themes look like disabled buttons beside them.
    const struct {
        QAction* command;   // nullptr: a separator
        const char* name;
        const char* image;  // its drawn image
    } buttons[] = {
        {Projekt1, "ToolButton9", "new_project"},
        {Ocenaryzyka1, "ToolButton15", "new_assessment"},
        {FileOpenItem, "ToolButton1", "open"},
        {Zapisz1, "ToolButton2", "save"},
        {nullptr, nullptr, nullptr},
        {CopyItem, "ToolButton5", "copy"},
        {PasteItem, "ToolButton6", "paste"},
        {nullptr, nullptr, nullptr},
        {Dodajwierszdoprojektu1, "ToolButton8", "row_add"},
        {Wstawwierszdoprojektu1, "ToolButton16", "row_insert"},
        {Usuwierszzprojektu1, "ToolButton10", "row_delete"},
        {PrzeniedoWorda1, "ToolButton17", "to_word"},
        {Rejestr1, "RegisterButton", "register"},
        {nullptr, nullptr, nullptr},
        {Pomoc1, "ToolButton11", "help"},
        {WebSiteItem, "WebSiteButton", "web"},
        {nullptr, nullptr, nullptr},
        {FileExitItem, "ToolButton13", "exit"},
    };
    for (const auto& button : buttons) {
        if (!button.command) {
            ToolBar1->addSeparator();
            continue;
        }
        // The menus show no images, as before the commands had buttons.
        button.command->setIcon(drawnIcon(button.image));
        button.command->setIconVisibleInMenu(false);
        ToolBar1->addAction(button.command);
        QWidget* widget = ToolBar1->widgetForAction(button.command);
        widget->setObjectName(QLatin1String(button.name));
        widget->setFixedSize(39, 38);
    }
    // The bars cannot be switched off.
    setContextMenuPolicy(Qt::NoContextMenu);
}

void TForm1::createStatusBar()
{
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
}

// Reads the settings and, when they ask for it, the password and the recent files. A file
// that cannot be read leaves what was not read as it was (all switches off).
void TForm1::readSettings()
{
    try {
        SettingsFile settings(paths_);
        settings.readProgramSettings(programSettings());
        checkAccessPassword();
        if (programSettings().RememberRecent)
            recentFiles_ = settings.readRecentFiles();
    } catch (const AppError&) {
        prompts().message(SettingsReadError, Prompts::Icon::Error);
    }
}

// A wrong password is named, then closes the window as soon as the event loop runs, before
// anything else it has queued (the welcome screen).
void TForm1::checkAccessPassword()
{
    const QString& hash = programSettings().AccessPasswordHash;
    if (hash.isEmpty() || passwordMatches(hash, AskPassword()))
        return;
    prompts().message(WrongAccessPassword, Prompts::Icon::Error);
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void TForm1::scanToolLibrariesReportingFailure()
{
    try {
        ScanToolLibraries();
    } catch (const std::exception&) {
        prompts().message(ToolScanError, Prompts::Icon::Error);
    }
}

// Every tool library of the tools folder (the program's folder, or the install's) gets an
// item in "Użyteczne", which is shown once there is one.
void TForm1::ScanToolLibraries()
{
    for (const ToolLibrary& tool : findToolLibraries(paths_.toolsFolder())) {
        toolLibraries_.append(tool.fileName);
        QAction* item = Uzyteczne->addAction(literalCaption(tool.caption));
        connect(item, &QAction::triggered, this, [this, item] { runCommand([this, item] { ToolMenuClick(item); }); });
    }
    Uzyteczne->menuAction()->setVisible(!toolLibraries_.isEmpty());
}

void TForm1::ToolMenuClick(QAction* item)
{
    const qsizetype index = Uzyteczne->actions().indexOf(item);
    if (index < 0 || index >= toolLibraries_.size())
        return;
    // A tool runs in this process and may take it down: the unsaved work is copied first.
    recoveryCopies_->writeNow();
    runToolLibrary(QDir(paths_.toolsFolder()).filePath(toolLibraries_[index]), winId());
}

void TForm1::rememberSavedFile(const QString& path)
{
    if (!programSettings().RememberRecent)
        return;
    rememberRecentFile(recentFiles_, path);
    ShowRecentFiles();
}

// The recent files follow the fixed items of Plik1, newest first; caption and hint are
// the full path.
void TForm1::ShowRecentFiles()
{
    const QList<QAction*> items = Plik1->actions();
    for (qsizetype i = FixedFileItems; i < items.size(); ++i)
        delete items[i];
    if (!recentFiles_.isEmpty())
        addSeparator(Plik1, "N6");
    for (auto path = recentFiles_.crbegin(); path != recentFiles_.crend(); ++path) {
        QAction* item = Plik1->addAction(literalCaption(*path));
        setHint(item, *path);
        connect(item, &QAction::triggered, this,
                [this, fullPath = *path] { runCommand([this, &fullPath] { RecentFileClick(fullPath); }); });
    }
}

// The window menu lists the open document windows after its fixed items, the active one
// checked; choosing one activates it, restored when it was minimised.
void TForm1::updateWindowMenu()
{
    const QList<QAction*> items = Window1->actions();
    for (qsizetype i = items.indexOf(windowListSeparator) + 1; i < items.size(); ++i)
        delete items[i];
    const QList<QMdiSubWindow*> windows = MdiArea->subWindowList(QMdiArea::CreationOrder);
    windowListSeparator->setVisible(!windows.isEmpty());
    for (qsizetype i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows[i];
        // The document's full path, also for a minimised window, whose frame shows only the
        // file name.
        const QString title = window->widget()->windowTitle();
        QAction* item = Window1->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(literalCaption(title)));
        item->setCheckable(true);
        item->setChecked(window == MdiArea->activeSubWindow());
        connect(item, &QAction::triggered, window, [this, window] {
            if (window->isMinimized())
                window->showNormal();
            MdiArea->setActiveSubWindow(window);
        });
    }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        // Only this window's own widgets: a dialog's field keeps its undo, copy and paste.
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this && claimsKey(widget, static_cast<QKeyEvent*>(event)->keyCombination())) {
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TForm1::claimsKey(const QWidget* focused, QKeyCombination key) const
{
    const QKeySequence pressed(key);
    if (pressed == Zapisz1->shortcut())
        return true;
    if (pressed != CopyItem->shortcut() && pressed != PasteItem->shortcut())
        return false;
    // A cell being edited in place copies and pastes its own selection.
    const QWidget* viewport = focused->parentWidget();
    return !(viewport && qobject_cast<const QAbstractItemView*>(viewport->parentWidget()));
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    ApplyAutoScale(this);
    if (programSettings().ShowWelcome || offerRecoveryAtStart_)
        QMetaObject::invokeMethod(this, &TForm1::WelcomeScreenMessage, Qt::QueuedConnection);
}

void TForm1::WelcomeScreenMessage()
{
    if (isVisible() && std::exchange(offerRecoveryAtStart_, false))
        recoveryCopies_->offerLeftCopies();
    if (isVisible() && programSettings().ShowWelcome)
        emit welcomeScreenRequested();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (!fileCommands_->CloseAll()) {
        event->ignore();
        return;
    }
    if (programSettings().RememberRecent) {
        runCommand([this] { SettingsFile(paths_).writeRecentFiles(recentFiles_); });
    }
    event->accept();
}

void TForm1::setRowCommandsEnabled(bool enabled)
{
    rowCommandsApply_ = enabled;
    updateCommands();
}

void TForm1::setReportEnabled(bool enabled)
{
    reportApplies_ = enabled;
    updateCommands();
}

void TForm1::updateCommands()
{
    for (QAction* command : {Dodajwierszdoprojektu1, Wstawwierszdoprojektu1, Usuwierszzprojektu1, PowielWiersz})
        command->setEnabled(rowCommandsApply_);
    for (QAction* command : {Zapisz1, Zapiszjako1, CopyItem, PasteItem, PrzeniedoWorda1, KopiujZagrozenia})
        command->setEnabled(reportApplies_);
    ZapiszJakoSzablon->setEnabled(reportApplies_ && activeDocument_ && activeDocument_->Extension == ".rpr");
}

void TForm1::WindowCascadeItemClick()
{
    MdiArea->cascadeSubWindows();
}

void TForm1::WindowTileItemClick()
{
    tileHorizontally(MdiArea);
}

void TForm1::WindowTileItem2Click()
{
    arrangeIcons(MdiArea);
}

void TForm1::WindowMinimizeItemClick()
{
    minimizeAll(MdiArea);
}

void TForm1::FileNew1Execute()
{
    fileCommands_->NewProject();
}

void TForm1::NowyZSzablonuClick()
{
    fileCommands_->NewProjectFromTemplate();
}

void TForm1::ZapiszJakoSzablonClick()
{
    if (DocumentWindow* window = fileCommands_->activeDocument())
        fileCommands_->SaveAsTemplate(window);
}

void TForm1::Ocenaryzyka1Click()
{
    fileCommands_->NewAssessment();
}

void TForm1::FileOpen1Execute()
{
    fileCommands_->Open();
}

void TForm1::OpenDocument(const QString& path)
{
    fileCommands_->OpenReporting(path);
}

void TForm1::OpenFromOutside(const QStringList& paths)
{
    if (!isVisible())
        return;
    for (const QString& path : paths) {
        // Opening would make a missing file, and take any other file for an assessment.
        const QFileInfo file(path);
        if (file.isFile() && (path.endsWith(QLatin1String(".rpr")) || path.endsWith(QLatin1String(".ron"))))
            OpenDocument(path);
        else
            prompts().message(QStringLiteral("Nie otwarto „%1”: nie ma takiego pliku projektu (.rpr) "
                                             "ani oceny ryzyka (.ron).")
                                  .arg(QDir::toNativeSeparators(path)),
                              Prompts::Icon::Error);
    }
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    raise();
    activateWindow();
}

void TForm1::RecentFileClick(const QString& path)
{
    OpenDocument(path);
}

void TForm1::ZamknijClick()
{
    fileCommands_->Close();
}

void TForm1::Zamknijwszystkie1Click()
{
    fileCommands_->CloseAll();
}

void TForm1::Zapisz1Click()
{
    if (DocumentWindow* window = fileCommands_->activeDocument())
        fileCommands_->Save(window);
}

void TForm1::Zapiszjako1Click()
{
    if (DocumentWindow* window = fileCommands_->activeDocument())
        fileCommands_->SaveAs(window);
}

void TForm1::ExportPlanClick()
{
    fileCommands_->ExportPlan(fileCommands_->activeDocument());
}

void TForm1::ToolButton17Click()
{
    if (DocumentWindow* window = fileCommands_->activeDocument()) {
        TForm7 dialog(window, this);
        dialog.exec();
    }
}

bool TForm1::Save(QWidget* documentWindow)
{
    auto* window = qobject_cast<DocumentWindow*>(documentWindow);
    return window && fileCommands_->Save(window);
}

void TForm1::ToolButton8Click()
{
    row_commands::AddRow(fileCommands_->activeDocument(), paths_.hazardCatalogue());
}

void TForm1::ToolButton16Click()
{
    row_commands::InsertRow(fileCommands_->activeDocument(), paths_.hazardCatalogue());
}

void TForm1::ToolButton10Click()
{
    row_commands::DeleteRow(fileCommands_->activeDocument());
}

void TForm1::PowielWierszClick()
{
    row_commands::DuplicateRow(fileCommands_->activeDocument());
}

void TForm1::KopiujZagrozeniaClick()
{
    copy_rows::copyRowsInto(fileCommands_->activeDocument(), paths_.documentsFolder());
}

void TForm1::CopyItemClick()
{
    clipboard_commands::Copy(fileCommands_->activeDocument());
}

void TForm1::PasteItemClick()
{
    clipboard_commands::Paste(fileCommands_->activeDocument());
}

void TForm1::Rejestr1Click()
{
    if (register_) {
        register_->showNormal();
        register_->raise();
        register_->activateWindow();
        return;
    }
    register_ = new RegisterWindow(this);
    connect(register_, &RegisterWindow::openRequested, fileCommands_, &FileCommands::OpenReporting);
    connect(register_, &RegisterWindow::folderChosen, this, [this](const QString& folder) {
        runCommand([this, &folder] { SettingsFile(paths_).writeString(RegisterFolderKey, folder); });
    });
    connect(register_, &RegisterWindow::exportRequested, this, &TForm1::exportRegister);
    connect(fileCommands_, &FileCommands::documentSaved, register_, &RegisterWindow::refreshFile);
    QString folder;
    runCommand([this, &folder] { folder = SettingsFile(paths_).readString(RegisterFolderKey); });
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = paths_.documentsFolder();
    register_->show();
    register_->readFolder(folder);
}

void TForm1::exportRegister()
{
    const QString path = prompts().saveFileName(QStringLiteral("Eksport rejestru ocen ryzyka"),
                                                QDir(register_->folder()).filePath(QStringLiteral("rejestr.xlsx")),
                                                QStringLiteral("Arkusz Excel (*.xlsx);;CSV (*.csv);;PDF (*.pdf)"));
    if (!path.isEmpty())
        runCommand([this, &path] { writeRegister(register_->shownEntries(), path, register_->table()->today()); });
}

void TForm1::Opcje1Click()
{
    TForm190 dialog(paths_, this);
    dialog.exec();
}

void TForm1::Pomoc1Click()
{
    requestHelp(ContentsHelpContext);
}

// Only "&Tak !" closes the program; the main window's own close box asks nothing.
void TForm1::FileExit1Execute()
{
    TForm23 question(this);
    if (question.exec() == QDialog::Accepted)
        close();
}

void TForm1::HelpAbout1Execute()
{
    TAboutBox box(this);
    box.exec();
}

void TForm1::WebSiteItemClick()
{
    QDesktopServices::openUrl(QUrl(MakerWebAddress));
}

void TForm1::ShowWelcomeScreen()
{
    TForm6 welcome(this);
    welcome.exec();
}

void TForm1::ShowHelp(int context)
{
    if (!helpWindow_)
        helpWindow_ = new HelpWindow(paths_, this);
    helpWindow_->showContext(context);
}

void TForm1::Samouczek1Click()
{
    if (!tutorial_) {
        tutorial_ = new TutorialCards(paths_, this);
        connect(tutorial_, &TutorialCards::message, this, &TForm1::TutorialMessage);
    }
    tutorial_->ShowCard(TutorialFirstCard);
}

void TForm1::TutorialMessage(int action, int value)
{
    if (!tutorial_)
        return;
    if (action == TutorialClose || action == TutorialOtherCaller)
        tutorial_->hide();
    else if (action == TutorialData && value >= 10 && value <= 80 && value % 10 == 0)
        tutorial_->ShowCard(value);
}
