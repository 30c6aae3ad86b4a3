// The main window's menus, toolbar and status bar as the user finds them at start.

#include "shell/main_window.h"
#include "shell/product.h"

#include "base/program_settings.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QApplication>
#include <QMenu>
#include <QStyle>
#include <QStatusTipEvent>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// One entry of a menu or the toolbar; a separator has an empty caption and hint.
struct Item {
    const char* name;
    QString caption;
    QString hint;
    QKeySequence shortcut = {};
    bool enabled = true;
};

Item separator(const char* name = "")
{
    return {name, {}, {}};
}

class MainWindowLayout : public ::testing::Test {
protected:
    void SetUp() override { programSettings() = ProgramSettings{}; }
    void TearDown() override { programSettings() = ProgramSettings{}; }

    QMenu* menu(const char* name) const
    {
        auto* found = form.findChild<QMenu*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    static void expectItems(const QList<QAction*>& actions, const std::vector<Item>& expected, const char* where)
    {
        ASSERT_EQ(actions.size(), qsizetype(expected.size())) << where;
        for (size_t i = 0; i < expected.size(); ++i) {
            const QAction* action = actions[qsizetype(i)];
            const Item& item = expected[i];
            const std::string at = std::string(where) + " item " + std::to_string(i) + " " + item.name;
            if (item.caption.isEmpty() && item.hint.isEmpty()) {
                EXPECT_TRUE(action->isSeparator()) << at;
                if (*item.name) {
                    EXPECT_EQ(action->objectName(), item.name) << at;
                }
                continue;
            }
            EXPECT_EQ(action->objectName(), item.name) << at;
            EXPECT_EQ(action->text(), item.caption) << at;
            EXPECT_EQ(action->statusTip(), item.hint) << at;
            EXPECT_EQ(action->shortcut(), item.shortcut) << at;
            EXPECT_EQ(action->isEnabled(), item.enabled) << at;
        }
    }

    TempFolder folder;
    PromptsScope scope;
    TForm1 form{folder.root()};
};

TEST_F(MainWindowLayout, MenuBarHoldsTheFiveMenusWithTheToolsMenuHidden)
{
    const QList<QAction*> menus = form.menuBar()->actions();
    ASSERT_EQ(menus.size(), 5);
    const QStringList captions{"&Plik", "&Narzędzia", "&Użyteczne", "&Okna", "&Pomoc"};
    const QStringList names{"Plik1", "Edit1", "Uzyteczne", "Window1", "Help1"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(menus[i]->text(), captions[i]);
        EXPECT_EQ(menus[i]->menu()->objectName(), names[i]);
        EXPECT_EQ(menus[i]->isVisible(), names[i] != "Uzyteczne") << names[i].toStdString();
    }
    EXPECT_TRUE(menu("Uzyteczne")->actions().isEmpty());
}

TEST_F(MainWindowLayout, FileMenuHoldsItsElevenFixedItems)
{
    expectItems(menu("Plik1")->actions(),
                {
                    {"FileNewItem", "&Nowy", "Utwórz nowy"},
                    {"NowyZSzablonu", "Nowy projekt z &szablonu…", "Utwórz nowy projekt na podstawie szablonu stanowiska"},
                    {"FileOpenItem", "&Otwórz", "Otwórz zbiór", QKeySequence("Ctrl+O")},
                    {"Zamknij", "&Zamknij", "Zamknij", QKeySequence("Ctrl+F4")},
                    {"Zamknijwszystkie1", "Zamknij wszystkie", "Zamknij wszystkie zbiory"},
                    separator("N5"),
                    {"Zapisz1", "&Zapisz", "Zapisz", QKeySequence("Ctrl+S"), false},
                    {"Zapiszjako1", "Zapisz jako", "Zapisz jako", {}, false},
                    {"ZapiszJakoSzablon", "Zapisz jako szab&lon…", "Zapisz projekt jako szablon stanowiska", {}, false},
                    separator("N1"),
                    {"FileExitItem", "Zakończ", "Zakończ program"},
                },
                "Plik1");
    expectItems(menu("FileNewItem")->actions(),
                {
                    {"Projekt1", "Projekt", "Utwórz nowy projekt"},
                    {"Ocenaryzyka1", "Ocena ryzyka", "Ocena ryzyka: utwórz nową na podstawie projektu"},
                },
                "Nowy");
}

TEST_F(MainWindowLayout, ToolsMenuHoldsClipboardRowReportAndOptions)
{
    expectItems(menu("Edit1")->actions(),
                {
                    {"CopyItem", "&Kopiuj", "Kopiuj", QKeySequence("Ctrl+C"), false},
                    {"PasteItem", "&Wklej", "Wklej", QKeySequence("Ctrl+V"), false},
                    separator("N2"),
                    {"Dodajwierszdoprojektu1", "&Dodaj wiersz do projektu", "Dodaj wiersz do projektu", {}, false},
                    {"Wstawwierszdoprojektu1", "W&staw wiersz do projektu", "Wstaw wiersz do projektu", {}, false},
                    {"Usuwierszzprojektu1", "&Usuń wiersz z projektu", "Usuń wiersz z projektu", {}, false},
                    {"PowielWiersz", "&Powiel wiersz", "Wstaw pod wierszem jego kopię", QKeySequence("Ctrl+D"), false},
                    {"KopiujZagrozenia", "Kopiuj &zagrożenia z…",
                     "Dołącz zagrożenia i pytania listy kontrolnej z innego dokumentu", {}, false},
                    {"PrzeniedoWorda1", "Przenieś do Worda", "Przenieś do Worda", {}, false},
                    separator("N4"),
                    {"Rejestr1", "&Rejestr ocen ryzyka", "Rejestr ocen ryzyka: wszystkie oceny folderu"},
                    {"Opcje1", "Opcje", "Opcje programu"},
                },
                "Edit1");
}

TEST_F(MainWindowLayout, CopyAndPasteHintsHaveAShortAndALongForm)
{
    for (const char* name : {"CopyItem", "PasteItem"}) {
        const auto* action = form.findChild<QAction*>(name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->toolTip(), action->statusTip()) << name;
        EXPECT_FALSE(action->toolTip().contains('|')) << name;
    }
}

TEST_F(MainWindowLayout, WindowMenuHoldsTheArrangementCommands)
{
    const QList<QAction*> actions = menu("Window1")->actions();
    expectItems(actions.mid(0, 4),
                {
                    {"WindowCascadeItem", "&Kaskada", "Kaskada"},
                    {"WindowTileItem", "&Sąsiadująco", "Sąsiadująco"},
                    {"WindowTileItem2", "&Uporządkuj ikony", "Uporządkuj ikony"},
                    {"WindowMinimizeItem", "Z&minimalizuj wszystkie", "Zminimalizuj wszystkie"},
                },
                "Window1");
}

TEST_F(MainWindowLayout, HelpMenuHoldsHelpTutorialWebSiteAndAbout)
{
    const QList<QAction*> actions = menu("Help1")->actions();
    ASSERT_EQ(actions.size(), 5);
    expectItems({actions[0], actions[1]}, {{"Pomoc1", "&Pomoc", "Pomoc"}, {"Samouczek1", "&Samouczek", "Samouczek"}},
                "Help1");
    EXPECT_EQ(actions[2]->objectName(), "WebSiteItem");
    EXPECT_EQ(actions[2]->text(), MakerWebAddress) << "the caption is the maker's web address";
    EXPECT_FALSE(actions[2]->statusTip().isEmpty());
    expectItems({actions[3], actions[4]}, {separator("N3"), {"HelpAboutItem", "&O programie", "O programie"}}, "Help1");
}

// Every button runs its menu item's own action: one state, one hint, one command; and it
// has an image of its own, none of Qt's or the program's general ones.
TEST_F(MainWindowLayout, ToolbarButtonsShareTheActionsOfTheirMenuItems)
{
    const auto image = [](const QIcon& icon) { return icon.pixmap(32, 32).toImage(); };
    QList<QImage> images{image(QApplication::windowIcon()),
                         image(QApplication::style()->standardIcon(QStyle::SP_TitleBarMenuButton)),
                         image(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning))};
    const auto* toolBar = form.findChild<QToolBar*>("ToolBar1");
    ASSERT_NE(toolBar, nullptr);
    const QList<QAction*> actions = toolBar->actions();
    const struct {
        const char* button;   // "": a separator
        const char* command;
        QString hint;
    } expected[] = {
        {"ToolButton9", "Projekt1", "Utwórz nowy projekt"},
        {"ToolButton15", "Ocenaryzyka1", "Ocena ryzyka: utwórz nową na podstawie projektu"},
        {"ToolButton1", "FileOpenItem", "Otwórz zbiór"},
        {"ToolButton2", "Zapisz1", "Zapisz"},
        {"", "", {}},
        {"ToolButton5", "CopyItem", "Kopiuj"},
        {"ToolButton6", "PasteItem", "Wklej"},
        {"", "", {}},
        {"ToolButton8", "Dodajwierszdoprojektu1", "Dodaj wiersz do projektu"},
        {"ToolButton16", "Wstawwierszdoprojektu1", "Wstaw wiersz do projektu"},
        {"ToolButton10", "Usuwierszzprojektu1", "Usuń wiersz z projektu"},
        {"ToolButton17", "PrzeniedoWorda1", "Przenieś do Worda"},
        {"RegisterButton", "Rejestr1", "Rejestr ocen ryzyka: wszystkie oceny folderu"},
        {"", "", {}},
        {"ToolButton11", "Pomoc1", "Pomoc"},
        {"WebSiteButton", "WebSiteItem", "Zapraszamy na naszą stronę internetową"},
        {"", "", {}},
        {"ToolButton13", "FileExitItem", "Zakończ program"},
    };
    ASSERT_EQ(actions.size(), qsizetype(std::size(expected)));
    for (qsizetype i = 0; i < actions.size(); ++i) {
        const auto& item = expected[i];
        QAction* action = actions[i];
        if (!*item.button) {
            EXPECT_TRUE(action->isSeparator()) << i;
            continue;
        }
        EXPECT_EQ(action, form.findChild<QAction*>(item.command)) << item.button;
        EXPECT_EQ(action->toolTip(), item.hint) << item.button;
        EXPECT_EQ(action->statusTip(), item.hint) << item.button;
        EXPECT_FALSE(action->icon().pixmap(32, 32).isNull()) << item.button << " has an image";
        EXPECT_FALSE(images.contains(image(action->icon()))) << item.button << " has an image of its own";
        images.append(image(action->icon()));
        EXPECT_FALSE(action->isIconVisibleInMenu()) << item.button;
        auto* button = qobject_cast<QToolButton*>(toolBar->widgetForAction(action));
        ASSERT_NE(button, nullptr) << item.button;
        EXPECT_EQ(button->objectName(), item.button);
        EXPECT_EQ(button->size(), QSize(39, 38)) << item.button;
    }
    EXPECT_EQ(toolBar->iconSize(), QSize(32, 32));
    EXPECT_FALSE(toolBar->isMovable());
}

TEST_F(MainWindowLayout, DocumentWindowsSwitchTheRowAndReportCommandsOnMenuAndToolbarTogether)
{
    const QStringList rowCommands{"Dodajwierszdoprojektu1", "Wstawwierszdoprojektu1", "Usuwierszzprojektu1",
                                  "ToolButton8", "ToolButton16", "ToolButton10"};
    const QStringList reportCommands{"PrzeniedoWorda1", "ToolButton17"};
    // A menu item's action or a toolbar button, by its name.
    const auto enabled = [this](const QStringList& names) {
        QList<bool> states;
        for (const QString& name : names)
            states.append(form.findChild<QObject*>(name)->property("enabled").toBool());
        return states;
    };
    DocumentHost& host = form;

    host.setRowCommandsEnabled(true);
    EXPECT_EQ(enabled(rowCommands), QList<bool>(6, true));
    EXPECT_EQ(enabled(reportCommands), QList<bool>(2, false));

    host.setReportEnabled(true);
    host.setRowCommandsEnabled(false);
    EXPECT_EQ(enabled(rowCommands), QList<bool>(6, false));
    EXPECT_EQ(enabled(reportCommands), QList<bool>(2, true));
    EXPECT_TRUE(form.findChild<QAction*>("CopyItem")->isEnabled()) << "copy and paste are always on";
}

TEST_F(MainWindowLayout, NewRiskAssessmentIsNamedByThePhraseOfTheProduct)
{
    EXPECT_EQ(form.findChild<QAction*>("Ocenaryzyka1")->text(), "Ocena ryzyka");
}

TEST_F(MainWindowLayout, StatusBarShowsTheHintOfTheItemUnderTheMouse)
{
    QObject::disconnect(&form, &TForm1::welcomeScreenRequested, &form, nullptr);   // no welcome screen
    form.show();
    // A menu reports the hint of the item under the mouse to the menu bar that opened it.
    form.findChild<QAction*>("Zamknijwszystkie1")->showStatusText(form.menuBar());
    EXPECT_EQ(form.statusBar()->currentMessage(), "Zamknij wszystkie zbiory");

    // A toolbar button reports its own when the mouse enters it.
    auto* button = form.findChild<QToolButton*>("ToolButton9");
    ASSERT_NE(button, nullptr);
    QStatusTipEvent tip(button->statusTip());
    QApplication::sendEvent(button, &tip);
    EXPECT_EQ(form.statusBar()->currentMessage(), "Utwórz nowy projekt");
}

} // namespace
