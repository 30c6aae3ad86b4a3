// The "Użyteczne" menu: tool libraries found in the program's folder at start and run from
// the menu, with libraries the tests build (FAKE_TOOLS_DIR) and the program's own tools.

#include "shell/main_window.h"

#include "base/help_request.h"

#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLibrary>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

namespace {

const QString ToolScanError = QStringLiteral(
    "Wystąpił błąd podczas sprawdzania bibliotek. Niektóre z dodatkowych funkcji programu będą niedostępne.");

class ToolLibraries : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.write(QStringLiteral("TARVEN.INI"), "[USTAWIENIA]\r\nPowitalny=0\r\n");
        qputenv("FAKE_TOOL_MARKER", marker().toLocal8Bit());
    }

    // Copies the test's libraries into the program's folder, under their own names.
    void install(const QStringList& names) const
    {
        for (const QString& name : names)
            ASSERT_TRUE(QFile::copy(QStringLiteral(FAKE_TOOLS_DIR "/%1.so").arg(name), folder.path(name + ".so")));
    }

    std::unique_ptr<TForm1> start() const { return std::make_unique<TForm1>(folder.root()); }

    static QMenu* toolsMenu(const TForm1& form) { return form.findChild<QMenu*>(QStringLiteral("Uzyteczne")); }

    static QStringList captions(const TForm1& form)
    {
        QStringList texts;
        for (const QAction* item : toolsMenu(form)->actions())
            texts.append(item->text());
        return texts;
    }

    QString marker() const { return folder.path(QStringLiteral("marker.txt")); }
    bool loaded(const QString& name) const { return QLibrary(folder.path(name + ".so")).isLoaded(); }

    TempFolder folder;
    PromptsScope scope;
};

enum class Damage { MetadataOverwritten, CutShort, NotALibrary };

// A file named `name` in the program's folder: a copy of narzedzie_a.so damaged as told.
void writeDamaged(const TempFolder& folder, const QString& name, Damage damage)
{
    QFile file(QStringLiteral(FAKE_TOOLS_DIR "/narzedzie_a.so"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    // The metadata follows the name of its ELF note and a 4-byte header.
    const qsizetype metadata = bytes.indexOf("qt-project!");
    ASSERT_GT(metadata, 0);
    if (damage == Damage::MetadataOverwritten)
        bytes.replace(metadata + 16, 32, QByteArray(32, '\xff'));
    else
        bytes = damage == Damage::CutShort ? bytes.left(100) : QByteArray("to nie jest biblioteka");
    folder.write(name, bytes);
}

struct ScanCase {
    const char* what;
    QStringList libraries;
    QStringList items;   // empty: the menu stays hidden
};

class ToolLibraryScan : public ToolLibraries, public ::testing::WithParamInterface<ScanCase> {};

TEST_P(ToolLibraryScan, ListsTheToolsInNameOrderAndSkipsEveryOtherFile)
{
    install(GetParam().libraries);
    // Broken files sort first: none of them may end the scan.
    writeDamaged(folder, QStringLiteral("a_uszkodzona.so"), Damage::MetadataOverwritten);
    writeDamaged(folder, QStringLiteral("a_obcieta.so"), Damage::CutShort);
    writeDamaged(folder, QStringLiteral("a_smieci.so"), Damage::NotALibrary);
    const auto form = start();
    EXPECT_EQ(captions(*form), GetParam().items);
    EXPECT_EQ(toolsMenu(*form)->menuAction()->isVisible(), !GetParam().items.isEmpty());
    EXPECT_TRUE(scope.prompts.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Folders, ToolLibraryScan, ::testing::Values(
    ScanCase{"NoLibrary", {}, {}},
    ScanCase{"InternalNameInLowerCase", {"male_litery"}, {}},
    ScanCase{"TwoTools", {"narzedzie_b", "narzedzie_a"}, {"Narzędzie A", "Narzędzie B"}},
    ScanCase{"NoInternalName", {"bez_nazwy", "narzedzie_b"}, {"Narzędzie B"}},
    ScanCase{"NoFileDescription", {"bez_opisu"}, {""}}),
    [](const auto& test) { return std::string(test.param.what); });

TEST_F(ToolLibraries, FolderThatCannotBeListedIsReportedAndStartUpGoesOn)
{
    auto form = std::make_unique<TForm1>(folder.path(QStringLiteral("nie_ma")));
    ASSERT_EQ(scope.prompts.messages.size(), 1);
    EXPECT_EQ(scope.prompts.messages[0].text, ToolScanError);
    EXPECT_EQ(scope.prompts.messages[0].icon, Prompts::Icon::Error);
    EXPECT_FALSE(toolsMenu(*form)->menuAction()->isVisible());
}

struct ChoiceCase {
    const char* what;
    QStringList libraries;
    int item;
    bool removedAfterStart;
    QString markerLine;   // written by each call, "%1" standing for the main window's handle
    QString message;      // shown after each call
};

class ToolChoice : public ToolLibraries, public ::testing::WithParamInterface<ChoiceCase> {};

// Every choice loads the library afresh (its call count is 1 again), calls FExp with the main
// window's handle and unloads the library, also when FExp fails.
TEST_P(ToolChoice, RunsTheItemsLibraryOnceAndUnloadsIt)
{
    const ChoiceCase& c = GetParam();
    install(c.libraries);
    const auto form = start();
    const QString library = c.libraries[c.item];
    if (c.removedAfterStart)
        QFile::remove(folder.path(library + ".so"));
    QStringList expectedLines;
    QStringList expectedMessages;
    for (int choice = 0; choice < 2; ++choice) {
        toolsMenu(*form)->actions()[c.item]->trigger();
        EXPECT_FALSE(loaded(library));
        if (!c.markerLine.isEmpty())
            expectedLines.append(c.markerLine.arg(form->winId()));
        if (!c.message.isEmpty())
            expectedMessages.append(c.message);
    }
    EXPECT_EQ(QString::fromUtf8(folder.read(marker())).split('\n', Qt::SkipEmptyParts), expectedLines);
    QStringList messages;
    for (const auto& shown : scope.prompts.messages)
        messages.append(shown.text);
    EXPECT_EQ(messages, expectedMessages);
}

INSTANTIATE_TEST_SUITE_P(Libraries, ToolChoice, ::testing::Values(
    ChoiceCase{"SecondOfTwo", {"narzedzie_a", "narzedzie_b"}, 1, false, "narzedzie_b 1 %1", {}},
    ChoiceCase{"WithoutFExp", {"bez_fexp"}, 0, false, {}, {}},
    ChoiceCase{"RemovedSinceTheStart", {"narzedzie_a"}, 0, true, {}, {}},
    ChoiceCase{"FExpThrows", {"rzuca"}, 0, false, "rzuca 1 %1",
               "Narzędzie rzuca.so zakończyło pracę błędem: awaria narzędzia"}),
    [](const auto& test) { return std::string(test.param.what); });

// The program's own tools, each with a worked example as the user fills it in.
struct ProgramToolCase {
    const char* what;
    QString library;
    QString caption;
    std::function<void(QWidget* window)> fill;
    QString result;    // a part of the result shown
    QString summary;   // what "Kopiuj wynik" puts on the clipboard
    int helpContext;
};

class ProgramTool : public ToolLibraries, public ::testing::WithParamInterface<ProgramToolCase> {};

void setCell(QWidget* window, int row, int column, const QString& text)
{
    window->findChild<QTableWidget*>()->setItem(row, column, new QTableWidgetItem(text));
}

void setLine(QWidget* window, const char* name, const QString& text)
{
    window->findChild<QLineEdit*>(QString::fromLatin1(name))->setText(text);
}

void click(QWidget* window, const QString& text)
{
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (button->text() == text)
            button->click();
    }
}

// Listed under its description, its window owned by the main window; the example's result, its
// one-line summary on the clipboard and F1's topic; the library unloaded after the window closes.
TEST_P(ProgramTool, ShowsItsCalculatorOwnedByTheMainWindow)
{
    const ProgramToolCase& c = GetParam();
    ASSERT_TRUE(QFile::copy(QStringLiteral(PROGRAM_DIR "/%1.so").arg(c.library), folder.path(c.library + ".so")));
    const auto form = start();
    form->show();
    QList<int> helpAsked;
    setHelpHandler([&](int context) { helpAsked.append(context); });
    ASSERT_EQ(captions(*form), QStringList({c.caption}));
    QString result;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->parentWidget(), form.get());
        c.fill(dialog);
        click(dialog, QStringLiteral("&Oblicz"));
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            result += label->text();
        QApplication::clipboard()->clear();
        click(dialog, QStringLiteral("&Kopiuj wynik"));
        QTest::keyClick(dialog, Qt::Key_F1);
        QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
        dialog->grab().save(QStringLiteral(SCREENSHOT_DIR "/%1_tool.png").arg(c.library));
        dialog->close();
    });
    toolsMenu(*form)->actions()[0]->trigger();
    EXPECT_TRUE(result.contains(c.result)) << result.toStdString();
    EXPECT_EQ(QApplication::clipboard()->text(), c.summary);
    EXPECT_EQ(helpAsked, QList<int>({c.helpContext}));
    EXPECT_FALSE(loaded(c.library));
}

INSTANTIATE_TEST_SUITE_P(Tools, ProgramTool, ::testing::Values(
    ProgramToolCase{"Noise", "halas", "Hałas: dzienna ekspozycja L_EX,8h",
                    [](QWidget* w) {
                        setCell(w, 0, 1, "88");
                        setCell(w, 0, 2, "4:00");
                    },
                    "L<sub>EX,8h</sub> = 85,0 dB",
                    "L_EX,8h = 85,0 dB – NDN zachowane, ale przekroczony dolny próg działania: pracownicy muszą "
                    "mieć dostęp do ochronników słuchu.",
                    5140},
    // sqrt((6,2² * 2 + 3,5² * 1,5) / 8) = sqrt(95,255 / 8) = 3,45; 3,45 / 2,8 = 1,23.
    ProgramToolCase{"Vibration", "drgania", "Drgania mechaniczne: dzienna ekspozycja A(8)",
                    [](QWidget* w) {
                        setCell(w, 0, 0, "szlifierka kątowa");
                        setCell(w, 0, 1, "6,2");
                        setCell(w, 0, 2, "2");
                        setCell(w, 1, 0, "wiertarka udarowa");
                        setCell(w, 1, 1, "3,5");
                        setCell(w, 1, 2, "1:30");
                    },
                    "A(8) = 3,45 m/s²: przekracza NDN (2,8 m/s²), przekracza próg działania (2,5 m/s²)",
                    "A(8) = 3,45 m/s² – przekroczona NDN 2,8 m/s² (1,23 NDN) – ryzyko duże", 5150},
    // Toluene 60 / 100 and xylene 50 / 100 act alike: 0,6 + 0,5 = 1,1; benzene 0,5 / 1,6 = 0,31.
    ProgramToolCase{"Chemical", "chemia", "Czynniki chemiczne i pyły: wskaźniki C/NDS",
                    [](QWidget* w) {
                        const QStringList rows[] = {{"Toluen", "60", "100", "150", "200"}, {"Ksylen", "50", "100"},
                                                    {"Benzen", "0,5", "1,6"}};
                        for (int row = 0; row < 3; ++row) {
                            for (int column = 0; column < rows[row].size(); ++column)
                                setCell(w, row, column, rows[row][column]);
                        }
                        auto* table = w->findChild<QTableWidget*>();
                        table->item(0, 6)->setCheckState(Qt::Checked);
                        table->item(1, 6)->setCheckState(Qt::Checked);
                        table->item(2, 5)->setCheckState(Qt::Checked);
                    },
                    "Benzen: C / NDS = 0,31 – ryzyko średnie (rakotwórcza lub mutagenna)",
                    "Mieszanina: Σ C/NDS = 1,10 – przekroczona wartość 1 (1,10 NDS) – ryzyko duże", 5160},
    ProgramToolCase{"ManualHandling", "transport", "Ręczne prace transportowe: dopuszczalna masa",
                    [](QWidget* w) {
                        setLine(w, "masa", "25");
                        setLine(w, "czestosc", "2");
                        w->findChild<QComboBox*>()->setCurrentIndex(1);
                    },
                    "dopuszczalna masa 20 kg",
                    "Masa 25 kg (kobiety, praca dorywcza) – przekroczona dopuszczalna masa 20 kg o 5 kg (1,25 "
                    "dopuszczalnej) – ryzyko duże",
                    5170}),
    [](const auto& test) { return std::string(test.param.what); });

} // namespace
