// The main window's menus, toolbar and status bar as the user finds them at start.

#include "shell/main_window.h"

#include "base/program_settings.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QApplication>
#include <QMenu>
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
    const QStringList captions{"&Plik", "&Narzędzia", "Użyteczne", "&Okna", "&Pomoc"};
    const QStringList names{"Plik1", "Edit1", "Uzyteczne", "Window1", "Help1"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(menus[i]->text(), captions[i]);
        EXPECT_EQ(menus[i]->menu()->objectName(), names[i]);
        EXPECT_EQ(menus[i]->isVisible(), names[i] != "Uzyteczne") << names[i].toStdString();
    }
    EXPECT_TRUE(menu("Uzyteczne")->actions().isEmpty());
}

TEST_F(MainWindowLayout, FileMenuHoldsItsNineFixedItems)
{
    expectItems(menu("Plik1")->actions(),
                {
                    {"FileNewItem", "Nowy", "Utwórz nowy"},
                    {"FileOpenItem", "&Otwórz", "Otwórz zbiór", QKeySequence("Ctrl+O")},
                    {"Zamknij", "&Zamknij", "Zamknij", QKeySequence("Ctrl+F4")},
                    {"Zamknijwszystkie1", "Zamknij wszystkie", "Zamknij wszystkie zbiory"},
                    separator("N5"),
                    {"Zapisz1", "&Zapisz", "Zapisz", QKeySequence("Ctrl+Z")},
                    {"Zapiszjako1", "Zapisz jako", "Zapisz jako"},
                    separator("N1"),
                    {"FileExitItem", "Zakończ", "Zakończ program"},
                },
                "Plik1");
    expectItems(menu("FileNewItem")->actions(),
                {
                    {"Projekt1", "Projekt", ""},
                    {"Ocenaryzyka1", "Ocena ryzyka", ""},
                },
                "Nowy");
}

TEST_F(MainWindowLayout, ToolsMenuHoldsClipboardRowReportAndOptions)
{
    expectItems(menu("Edit1")->actions(),
                {
                    {"CopyItem", "&Kopiuj", "Kopiuj", QKeySequence("Ctrl+C")},
                    {"PasteItem", "&Wklej", "Wklej", QKeySequence("Ctrl+V")},
                    separator("N2"),
                    {"Dodajwierszdoprojektu1", "&Dodaj wiersz do projektu", "Dodaj wiersz do projektu", {}, false},
                    {"Wstawwierszdoprojektu1", "W&staw wiersz do projektu", "Wstaw wiersz do projektu", {}, false},
                    {"Usuwierszzprojektu1", "&Usuń wiersz z projektu", "Usuń wiersz z projektu", {}, false},
                    {"PrzeniedoWorda1", "Przenieś do Worda", "Przenieś do Worda", {}, false},
                    separator("N4"),
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
                    {"WindowCascadeItem", "Kaskada", "Kaskada"},
                    {"WindowTileItem", "Sąsiadująo", "Sąsiadująo"},
                    {"WindowTileItem2", "Uporządkuj ikony", "Uporządkuj ikony"},
                    {"WindowMinimizeItem", "Zminimalizuj wszystkie", "Zminimalizuj wszystkie"},
                },
                "Window1");
}

TEST_F(MainWindowLayout, HelpMenuHoldsHelpTutorialWebSiteAndAbout)
{
    const QList<QAction*> actions = menu("Help1")->actions();
    ASSERT_EQ(actions.size(), 5);
    expectItems({actions[0], actions[1]}, {{"Pomoc1", "Pomoc", "Pomoc"}, {"Samouczek1", "Samouczek", "Samouczek"}},
                "Help1");
    EXPECT_EQ(actions[2]->objectName(), "WebSiteItem");
    EXPECT_TRUE(actions[2]->text().startsWith("https://")) << "the caption is the maker's web address";
    EXPECT_FALSE(actions[2]->statusTip().isEmpty());
    expectItems({actions[3], actions[4]}, {separator("N3"), {"HelpAboutItem", "O programie", "O programie"}}, "Help1");
}

TEST_F(MainWindowLayout, ToolbarHoldsItsButtonsInOrderWithHintsAndStates)
{
    const auto* toolBar = form.findChild<QToolBar*>("ToolBar1");
    ASSERT_NE(toolBar, nullptr);
    const QList<QAction*> actions = toolBar->actions();
    ASSERT_EQ(actions.size(), 17);

    // ToolButton15's hint names a new risk assessment; the web-site button invites to the
    // maker's site: both checked apart below.
    expectItems(actions,
                {
                    {"ToolButton9", "Utwórz nowy projekt", "Utwórz nowy projekt"},
                    {"ToolButton15", actions[1]->statusTip(), actions[1]->statusTip()},
                    {"ToolButton1", "Otwórz zbiór", "Otwórz zbiór"},
                    {"ToolButton2", "Zapisz", "Zapisz"},
                    separator(),
                    {"ToolButton5", "Kopiuj", "Kopiuj"},
                    {"ToolButton6", "Wklej", "Wklej"},
                    separator(),
                    {"ToolButton8", "Dodaj wiersz do projektu", "Dodaj wiersz do projektu", {}, false},
                    {"ToolButton16", "Wstaw wiersz do projektu", "Wstaw wiersz do projektu", {}, false},
                    {"ToolButton10", "Usuń wiersz z projektu", "Usuń wiersz z projektu", {}, false},
                    {"ToolButton17", "Przenieś do Worda", "Przenieś do Worda", {}, false},
                    separator(),
                    {"ToolButton11", "Pomoc", "Pomoc"},
                    {"WebSiteButton", actions[14]->statusTip(), actions[14]->statusTip()},
                    separator(),
                    {"ToolButton13", "Zakończ program", "Zakończ program"},
                },
                "ToolBar1");
    EXPECT_TRUE(actions[1]->statusTip().contains("Ocena ryzyka"));
    EXPECT_EQ(actions[14]->statusTip(), form.findChild<QAction*>("WebSiteItem")->statusTip());

    for (QAction* action : actions) {
        if (action->isSeparator())
            continue;
        const std::string name = action->objectName().toStdString();
        EXPECT_EQ(action->toolTip(), action->statusTip()) << name;
        EXPECT_FALSE(action->icon().pixmap(32, 32).isNull()) << name << " has an image";
        auto* button = qobject_cast<QToolButton*>(toolBar->widgetForAction(action));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->objectName(), action->objectName());
        EXPECT_EQ(button->size(), QSize(39, 38)) << name;
    }
    EXPECT_EQ(toolBar->iconSize(), QSize(32, 32));
    EXPECT_FALSE(toolBar->isMovable());
}

TEST_F(MainWindowLayout, DocumentWindowsSwitchTheRowAndReportCommandsOnMenuAndToolbarTogether)
{
    const QStringList rowCommands{"Dodajwierszdoprojektu1", "Wstawwierszdoprojektu1", "Usuwierszzprojektu1",
                                  "ToolButton8", "ToolButton16", "ToolButton10"};
    const QStringList reportCommands{"PrzeniedoWorda1", "ToolButton17"};
    const auto enabled = [this](const QStringList& names) {
        QList<bool> states;
        for (const QString& name : names)
            states.append(form.findChild<QAction*>(name)->isEnabled());
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
