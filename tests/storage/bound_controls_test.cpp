// Bound controls on the pages of a small document window, saved to a real file and read back
// by a second window.

#include "base/app_error.h"
#include "base/win1250.h"
#include "storage/bound_pass.h"
#include "controls/edit_ini.h"
#include "storage/ini_dat.h"
#include "storage/ini_file.h"
#include "controls/memo_ini.h"
#include "controls/radio_group_ini.h"
#include "controls/string_grid_ini.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QApplication>
#include <QClipboard>
#include <QEnterEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <gtest/gtest.h>
#include <ostream>

// Readable failure messages.
void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

void PrintTo(const QStringList& list, std::ostream* os)
{
    *os << '{' << ('"' + list.join(QStringLiteral("\", \"")) + '"').toStdString() << '}';
}

void PrintTo(const QByteArray& bytes, std::ostream* os)
{
    *os << '\n' << win1250::toUnicode(bytes).replace(QStringLiteral("\r\n"), QStringLiteral("\\r\\n\n")).toStdString();
}

namespace {

// The text of a file as it is written: every line (given here in UTF-8) in Windows-1250,
// followed by CR LF.
QByteArray crlf(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += win1250::fromUnicode(line) + "\r\n";
    return bytes;
}

// A document window in miniature. Page "Opis": an edit, a memo, a radio group and a panel
// holding another edit, bound but left off the list the passes walk. Page "Tabela": a
// five-column table with a title row.
class TestWindow : public QWidget {
public:
    TestWindow()
    {
        PageControl1 = new QTabWidget(this);
        auto* opis = new QWidget(PageControl1);
        PageControl1->addTab(opis, QStringLiteral("Opis"));
        EditIni1 = bind(new TEditIni(opis), "OPIS", "Stanowisko");
        MemoIni1 = bind(new TMemoIni(opis), "OPIS", "Uwagi");
        RadioGroupIni1 = bind(new TRadioGroupIni(QStringLiteral("Metoda"), opis), "OPIS", "Metoda");
        RadioGroupIni1->setItems({"PHA", "RISK SCORE", "FIVE STEPS", "Matrycowa (PN-N-18002)"});
        RadioGroupIni1->Values = RadioGroupIni1->items();
        Panel1 = new QFrame(opis);
        NestedEdit = bindTo(new TEditIni(Panel1), IniDat1, QStringLiteral("OPIS"), QStringLiteral("Zagniezdzony"));

        auto* tabela = new QWidget(PageControl1);
        PageControl1->addTab(tabela, QStringLiteral("Tabela"));
        StringGridIni1 = bind(new TStringGridIni(tabela), "ZAGROZENIA", "TABELA");
        StringGridIni1->Tytul = true;
        StringGridIni1->setColumnCount(5);
        StringGridIni1->setRowCount(1);
        for (int col = 0; col < 5; ++col)
            StringGridIni1->setCell(col, 0, QStringLiteral("Tytuł %1").arg(col));
    }

    template <typename Control>
    Control* bind(Control* control, const char* section, const char* key)
    {
        Controls.append(control);
        return bindTo(control, IniDat1, QString::fromUtf8(section), QString::fromUtf8(key));
    }

    // The open sequence of a document window.
    void open(const QString& path)
    {
        IniDat1->OpenIniFile(path);
        IniDat1->Ini()->WriteToDisk();
        ReadPass(Controls);
        IniDat1->ClearModified();
        IniDat1->CloseIni();
    }

    // The save sequence, to the file the window holds.
    void save()
    {
        IniDat1->OpenIni();
        WritePass(Controls);
        IniDat1->Ini()->WriteToDisk();
        IniDat1->CloseIni();
    }

    // Rows 1.. of the table: each row's cells from column 0.
    void setRows(const QList<QStringList>& rows)
    {
        StringGridIni1->setRowCount(rows.size() + 1);
        for (int row = 0; row < rows.size(); ++row) {
            for (int col = 0; col < rows[row].size(); ++col)
                StringGridIni1->setCell(col, row + 1, rows[row][col]);
        }
    }

    QList<QStringList> rows() const
    {
        QList<QStringList> result;
        for (int row = 1; row < StringGridIni1->rowCount(); ++row) {
            QStringList cells;
            for (int col = 0; col < StringGridIni1->columnCount(); ++col)
                cells.append(StringGridIni1->cell(col, row));
            result.append(cells);
        }
        return result;
    }

    TIniDat* IniDat1 = new TIniDat(this);
    QList<BoundControl*> Controls;   // what the passes walk, in placing order
    QTabWidget* PageControl1;
    TEditIni* EditIni1;
    TMemoIni* MemoIni1;
    TRadioGroupIni* RadioGroupIni1;
    QFrame* Panel1;
    TEditIni* NestedEdit;
    TStringGridIni* StringGridIni1;
};

class BoundControls : public ::testing::Test {
protected:
    // No window may meet a lock left behind by another one.
    void TearDown() override { EXPECT_TRUE(scope.prompts.messages.isEmpty()); }

    QString path() const { return folder.path(QStringLiteral("dokument.rpr")); }
    QString seed(const QStringList& lines) const { return folder.write(QStringLiteral("dokument.rpr"), crlf(lines)); }
    QByteArray fileBytes() const { return folder.read(path()); }

    // A value as a fresh copy of the file reads it; "<brak>" when the key is missing.
    QString stored(const char* section, const char* key) const
    {
        TMemIniFile file(path());
        file.LoadFromFile();
        return win1250::toUnicode(file.ReadValue(section, key, "<brak>"));
    }

    // Saves `lines` in the memo of a window that opened the file, and gives the file up.
    void saveMemo(const QStringList& lines) const
    {
        TestWindow w;
        w.open(path());
        w.MemoIni1->setLines(lines);
        w.save();
    }

    QStringList reopenedMemo(int* lini = nullptr) const
    {
        TestWindow w;
        w.open(path());
        if (lini)
            *lini = w.MemoIni1->Lini;
        return w.MemoIni1->lines();
    }

    PromptsScope scope;
    TempFolder folder;
};

QList<QStringList> twoColumnRows(int count)
{
    QList<QStringList> rows;
    for (int row = 1; row <= count; ++row)
        rows.append({QStringLiteral("a%1").arg(row), QStringLiteral("b%1").arg(row)});
    return rows;
}

// Key lines of a two-column table, rows `first` to `last`, with the texts of twoColumnRows.
QStringList twoColumnKeys(int first, int last)
{
    QStringList lines;
    for (int row = first; row <= last; ++row)
        lines << QStringLiteral("TABELA0/%1=a%1").arg(row) << QStringLiteral("TABELA1/%1=b%1").arg(row);
    return lines;
}

} // namespace

// --- Read pass and write pass ------------------------------------------------------------

TEST_F(BoundControls, FirstWriteOrdersSectionsAndKeysByPagesAndPlacing)
{
    TestWindow w;
    // A page put in front of the others, its control listed first, is passed first.
    auto* front = new QWidget(w.PageControl1);
    w.PageControl1->insertTab(0, front, QStringLiteral("Karta"));
    TEditIni* number = w.bind(new TEditIni(front), "KARTA", "Numer");
    w.Controls.move(w.Controls.size() - 1, 0);
    w.open(path());
    number->setText(QStringLiteral("7"));
    w.EditIni1->setText(QStringLiteral("Spawacz"));
    w.MemoIni1->setLines({QStringLiteral("Hala B")});
    w.RadioGroupIni1->setItemIndex(0);
    w.StringGridIni1->setColumnCount(2);
    w.setRows({{"x", "y"}});
    w.save();

    EXPECT_EQ(fileBytes(), crlf({"[KARTA]", "Numer=7", "",
                                 "[OPIS]", "Stanowisko=Spawacz", "Uwagi1=Hala B", "Uwagi2=@NUL@", "Metoda=PHA", "",
                                 "[ZAGROZENIA]", "TABELA0/1=x", "TABELA1/1=y", ""}));
}

TEST_F(BoundControls, BoundControlLeftOffTheListIsNeitherReadNorWritten)
{
    seed({"[OPIS]", "Zagniezdzony=z pliku", "Stanowisko=Tokarz"});
    TestWindow w;
    w.NestedEdit->setText(QStringLiteral("przed"));
    w.open(path());
    EXPECT_EQ(w.NestedEdit->text(), QStringLiteral("przed"));
    EXPECT_EQ(w.EditIni1->text(), QStringLiteral("Tokarz"));

    w.NestedEdit->setText(QStringLiteral("po"));
    w.save();
    EXPECT_EQ(stored("OPIS", "Zagniezdzony"), QStringLiteral("z pliku"));
}

TEST_F(BoundControls, ReadPassRaisesTheOrdinaryChangeNotifications)
{
    seed({"[OPIS]", "Stanowisko=Tokarz", "Uwagi1=Hala", "Metoda=FIVE STEPS"});
    TestWindow w;
    QSignalSpy editChanged(w.EditIni1, &QLineEdit::textChanged);
    QSignalSpy memoChanged(w.MemoIni1, &QPlainTextEdit::textChanged);
    QSignalSpy clicked(w.RadioGroupIni1, &TRadioGroupIni::Click);
    w.open(path());

    ASSERT_EQ(editChanged.count(), 1);
    EXPECT_EQ(editChanged.at(0).at(0).toString(), QStringLiteral("Tokarz"));
    EXPECT_GE(memoChanged.count(), 1);
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 2);
}

// --- Edit box ------------------------------------------------------------------------------

TEST_F(BoundControls, EditTextLosesBlanksAtBothEndsWhenReopened)
{
    {
        TestWindow w;
        w.open(path());
        w.EditIni1->setText(QStringLiteral("  Ślusarz narzędziowy  "));
        w.save();
    }
    TestWindow second;
    second.open(path());
    EXPECT_EQ(second.EditIni1->text(), QStringLiteral("Ślusarz narzędziowy"));
}

TEST_F(BoundControls, EditTextIsStoredInWindows1250)
{
    {
        TestWindow w;
        w.open(path());
        w.EditIni1->setText(QStringLiteral("Łódź – ul. Żółta"));
        w.save();
    }
    EXPECT_TRUE(fileBytes().contains(crlf({"Stanowisko=Łódź – ul. Żółta"})));
    TestWindow second;
    second.open(path());
    EXPECT_EQ(second.EditIni1->text(), QStringLiteral("Łódź – ul. Żółta"));
}

TEST_F(BoundControls, EditKeepsATextLongerThanAnEditBoxHoldsByDefault)
{
    const QString longText(40000, QLatin1Char('x'));
    seed({"[OPIS]", "Stanowisko=" + longText});
    {
        TestWindow w;
        w.open(path());
        EXPECT_EQ(w.EditIni1->text().size(), longText.size());
        w.save();
    }
    EXPECT_EQ(stored("OPIS", "Stanowisko"), longText);
}

// Entering and leaving `control` raise OnMouseEnter and OnMouseExit once each, with the
// control as sender.
template <typename Control>
void expectMouseEnterAndExit(Control* control)
{
    QSignalSpy entered(control, &Control::OnMouseEnter);
    QSignalSpy left(control, &Control::OnMouseExit);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(control, &enter);
    ASSERT_EQ(entered.count(), 1);
    EXPECT_EQ(qvariant_cast<QWidget*>(entered.at(0).at(0)), control);
    EXPECT_EQ(left.count(), 0);

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(control, &leave);
    ASSERT_EQ(left.count(), 1);
    EXPECT_EQ(qvariant_cast<QWidget*>(left.at(0).at(0)), control);
    EXPECT_EQ(entered.count(), 1);
}

TEST_F(BoundControls, EditAndMemoReportMouseEnterAndExitWithThemselvesAsSender)
{
    TestWindow w;
    expectMouseEnterAndExit(w.EditIni1);
    expectMouseEnterAndExit(w.MemoIni1);
}

// --- Memo ----------------------------------------------------------------------------------

TEST_F(BoundControls, MemoOfThreeLinesWithAnEmptyOneIsStoredUnderFourKeys)
{
    saveMemo({"Pierwsza", "", "Trzecia"});
    EXPECT_EQ(fileBytes(), crlf({"[OPIS]", "Stanowisko=", "Uwagi1=Pierwsza", "Uwagi2=@#13#10@", "Uwagi3=Trzecia",
                                 "Uwagi4=@NUL@", ""}));
    int lini = -1;
    EXPECT_EQ(reopenedMemo(&lini), QStringList({"Pierwsza", "", "Trzecia"}));
    EXPECT_EQ(lini, 3);
}

TEST_F(BoundControls, MemoWithoutItsFirstKeyReadsEmptyAndStoresOnlyTheEndMarker)
{
    seed({"[OPIS]", "Uwagi2=osierocona"});
    TestWindow w;
    w.MemoIni1->setLines({QStringLiteral("stara treść")});
    w.open(path());
    EXPECT_TRUE(w.MemoIni1->lines().isEmpty());
    EXPECT_TRUE(w.MemoIni1->toPlainText().isEmpty());
    EXPECT_EQ(w.MemoIni1->Lini, 0);

    w.save();
    EXPECT_EQ(stored("OPIS", "Uwagi1"), QStringLiteral("@NUL@"));
    EXPECT_EQ(stored("OPIS", "Uwagi2"), QStringLiteral("osierocona"));
}

TEST_F(BoundControls, MemoReadWithFiveLinesAndSavedWithTwoEndsTheSectionWithTheMarker)
{
    seed({"[OPIS]", "Stanowisko=Tokarz", "Uwagi1=a", "Uwagi2=b", "Uwagi3=c", "Uwagi4=d", "Uwagi5=e", "Uwagi6=@NUL@",
          "Metoda=PHA"});
    TestWindow w;
    w.open(path());
    ASSERT_EQ(w.MemoIni1->Lini, 5);
    w.MemoIni1->setLines({QStringLiteral("A"), QStringLiteral("B")});
    w.save();
    EXPECT_EQ(fileBytes(), crlf({"[OPIS]", "Stanowisko=Tokarz", "Uwagi1=A", "Uwagi2=B", "Metoda=PHA", "Uwagi3=@NUL@", ""}));
    EXPECT_EQ(w.MemoIni1->Lini, 5); // only reading changes it
}

TEST_F(BoundControls, MemoSavedWithEightThenSixLinesLeavesTheOldKeysAboveTheMarker)
{
    seed({"[OPIS]", "Uwagi1=1", "Uwagi2=2", "Uwagi3=3", "Uwagi4=4", "Uwagi5=5", "Uwagi6=@NUL@"});
    {
        TestWindow w;
        w.open(path());
        w.MemoIni1->setLines({"a", "b", "c", "d", "e", "f", "g", "h"});
        w.save();
        w.MemoIni1->setLines({"A", "B", "C", "D", "E", "F"});
        w.save();
    }
    EXPECT_EQ(fileBytes(), crlf({"[OPIS]", "Uwagi1=A", "Uwagi2=B", "Uwagi3=C", "Uwagi4=D", "Uwagi5=E", "Uwagi6=F",
                                 "Stanowisko=", "Uwagi7=@NUL@", "Uwagi8=h", "Uwagi9=@NUL@", ""}));
    EXPECT_EQ(reopenedMemo(), QStringList({"A", "B", "C", "D", "E", "F"}));
}

TEST_F(BoundControls, MemoReadAgainDeletesEverythingUpToTheOldMarker)
{
    saveMemo({"1", "2", "3", "4", "5"});
    saveMemo({"x"});
    EXPECT_EQ(stored("OPIS", "Uwagi2"), QStringLiteral("@NUL@"));
    for (const char* gone : {"Uwagi3", "Uwagi4", "Uwagi5", "Uwagi6"})
        EXPECT_EQ(stored("OPIS", gone), QStringLiteral("<brak>")) << gone;
}

TEST_F(BoundControls, MemoMarkersAsLineTextsAreComparedExactly)
{
    saveMemo({"przed", "@#13#10@", "@nul@", "@NUL@", "po"});
    int lini = -1;
    EXPECT_EQ(reopenedMemo(&lini), QStringList({"przed", "", "@nul@"}));
    EXPECT_EQ(lini, 3);
}

TEST_F(BoundControls, MemoLineOfBlanksReadsBackEmpty)
{
    saveMemo({"a", "   ", "b"});
    EXPECT_EQ(reopenedMemo(), QStringList({"a", "", "b"}));
}

TEST_F(BoundControls, MemoStoresAWrappedParagraphUnderOneKey)
{
    const QString paragraph = QStringLiteral("Stanowisko pracy przy obrabiarce sterowanej numerycznie, ").repeated(6).trimmed();
    TestWindow w;
    w.open(path());
    w.MemoIni1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    w.MemoIni1->setFixedWidth(120);
    w.show();
    w.MemoIni1->setLines({paragraph, QStringLiteral("Drugi akapit")});
    QApplication::processEvents();
    ASSERT_GT(w.MemoIni1->document()->begin().layout()->lineCount(), 1); // it does wrap on screen

    w.save();
    EXPECT_EQ(stored("OPIS", "Uwagi1"), paragraph);
    EXPECT_EQ(stored("OPIS", "Uwagi2"), QStringLiteral("Drugi akapit"));
    EXPECT_EQ(stored("OPIS", "Uwagi3"), QStringLiteral("@NUL@"));
}

TEST_F(BoundControls, MemoLinesAreItsParagraphsWithoutTheCursorLineAfterAFinalBreak)
{
    TMemoIni memo;
    EXPECT_TRUE(memo.lines().isEmpty());
    memo.setPlainText(QStringLiteral("a\nb\n"));
    EXPECT_EQ(memo.lines(), QStringList({"a", "b"}));
    memo.setLines({"a", "", ""});
    EXPECT_EQ(memo.lines(), QStringList({"a", "", ""}));
    memo.setLines({""});
    EXPECT_EQ(memo.lines(), QStringList({""}));

    memo.clear();
    QTest::keyClicks(&memo, QStringLiteral("ab"));
    QTest::keyClick(&memo, Qt::Key_Return, Qt::ShiftModifier); // a break inside the paragraph
    QTest::keyClicks(&memo, QStringLiteral("cd"));
    QTest::keyClick(&memo, Qt::Key_Return);
    EXPECT_EQ(memo.lines(), QStringList({"ab", "cd"}));
}

// --- Radio group ---------------------------------------------------------------------------

TEST_F(BoundControls, RadioGroupMatchesTheStoredValueWithoutRegardToCase)
{
    seed({"[OPIS]", "Metoda=risk score"});
    TestWindow w;
    QSignalSpy clicked(w.RadioGroupIni1, &TRadioGroupIni::Click);
    w.open(path());
    EXPECT_EQ(w.RadioGroupIni1->ItemIndex(), 1);
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 1);

    w.save();
    EXPECT_EQ(stored("OPIS", "Metoda"), QStringLiteral("RISK SCORE"));
}

TEST_F(BoundControls, RadioGroupMatchesPolishLettersOfEitherCase)
{
    seed({"[OPIS]", "Metoda=żURAW"});
    TestWindow w;
    w.RadioGroupIni1->setItems({"Ćma", "Żuraw"});
    w.RadioGroupIni1->Values = w.RadioGroupIni1->items();
    w.open(path());
    EXPECT_EQ(w.RadioGroupIni1->ItemIndex(), 1);
}

TEST_F(BoundControls, RadioGroupWithAnUnmatchedValueSelectsNothingAndKeepsTheValue)
{
    seed({"[OPIS]", "Metoda=Metoda własna"});
    TestWindow w;
    w.RadioGroupIni1->setItemIndex(2);
    w.open(path());
    EXPECT_EQ(w.RadioGroupIni1->ItemIndex(), -1);
    for (const QAbstractButton* button : w.RadioGroupIni1->findChildren<QRadioButton*>())
        EXPECT_FALSE(button->isChecked());

    w.save();
    EXPECT_EQ(stored("OPIS", "Metoda"), QStringLiteral("Metoda własna"));
}

TEST_F(BoundControls, RadioGroupStoresTheValuesEntryNotTheCaption)
{
    TestWindow w;
    w.RadioGroupIni1->Values = {"pha", "rs", "5s", "pn"};
    w.open(path());
    w.RadioGroupIni1->setItemIndex(1);
    w.save();
    EXPECT_EQ(stored("OPIS", "Metoda"), QStringLiteral("rs"));
}

TEST_F(BoundControls, RadioGroupWithTooFewValuesFailsToWriteABeyondButton)
{
    TestWindow w;
    w.RadioGroupIni1->Values = {"PHA", "RISK SCORE"};
    w.open(path());
    w.RadioGroupIni1->setItemIndex(3);
    w.IniDat1->OpenIni();
    EXPECT_THROW(w.RadioGroupIni1->WriteIni(), AppError);
    w.IniDat1->CloseIni();
}

TEST_F(BoundControls, RadioGroupClickFollowsEverySelection)
{
    TestWindow w;
    w.show();
    QSignalSpy clicked(w.RadioGroupIni1, &TRadioGroupIni::Click);
    const QList<QRadioButton*> buttons = w.RadioGroupIni1->findChildren<QRadioButton*>();
    ASSERT_EQ(buttons.size(), 4);
    QTest::mouseClick(buttons[3], Qt::LeftButton);
    EXPECT_EQ(w.RadioGroupIni1->ItemIndex(), 3);
    w.RadioGroupIni1->setItemIndex(0);
    w.RadioGroupIni1->setItemIndex(-1);
    EXPECT_EQ(w.RadioGroupIni1->ItemIndex(), -1);

    ASSERT_EQ(clicked.count(), 2);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 3);
    EXPECT_EQ(clicked.at(1).at(0).toInt(), 0);
}

// --- Table ---------------------------------------------------------------------------------

TEST_F(BoundControls, TableFromASectionWithoutRowOneIsEmpty)
{
    seed({"[ZAGROZENIA]", "TABELA1/1=bez kolumny zero", "TABELA0/2=za daleko"});
    TestWindow w;
    w.setRows({{"stary"}, {"wiersz"}, {"jeszcze"}});
    w.open(path());
    EXPECT_EQ(w.StringGridIni1->rowCount(), 1);
    EXPECT_EQ(w.StringGridIni1->cell(0, 0), QStringLiteral("Tytuł 0")); // the title row stays
}

TEST_F(BoundControls, TableWithoutTitleRowKeepsAtLeastOneRow)
{
    seed({"[OPIS]", "Stanowisko=Tokarz"});
    TestWindow w;
    w.StringGridIni1->Tytul = false;
    w.open(path());
    EXPECT_EQ(w.StringGridIni1->rowCount(), 1);
}

TEST_F(BoundControls, TableWithoutTitleRowStoresRowZero)
{
    {
        TestWindow w;
        w.StringGridIni1->Tytul = false;
        w.StringGridIni1->setColumnCount(2);
        w.open(path());
        w.setRows({{"a1", "b1"}});
        w.save();
    }
    EXPECT_EQ(stored("ZAGROZENIA", "TABELA0/0"), QStringLiteral("Tytuł 0"));
    EXPECT_EQ(stored("ZAGROZENIA", "TABELA1/1"), QStringLiteral("b1"));
    TestWindow second;
    second.StringGridIni1->Tytul = false;
    second.StringGridIni1->setColumnCount(2);
    second.StringGridIni1->setCell(1, 0, QStringLiteral("inny"));
    second.open(path());
    EXPECT_EQ(second.StringGridIni1->rowCount(), 2);
    EXPECT_EQ(second.StringGridIni1->cell(1, 0), QStringLiteral("Tytuł 1"));
}

TEST_F(BoundControls, TableEndsAtTheFirstRowWithoutItsColumnZeroKey)
{
    seed({"[ZAGROZENIA]", "TABELA0/1=a1", "TABELA1/1=b1", "TABELA1/2=b2", "TABELA0/3=a3", "TABELA1/3=b3"});
    TestWindow w;
    w.StringGridIni1->setColumnCount(2);
    w.open(path());
    EXPECT_EQ(w.rows(), QList<QStringList>({{"a1", "b1"}}));

    w.save(); // only row 1 is deleted and rewritten
    EXPECT_EQ(fileBytes(), crlf({"[ZAGROZENIA]", "TABELA1/2=b2", "TABELA0/3=a3", "TABELA1/3=b3", "TABELA0/1=a1",
                                 "TABELA1/1=b1", "", "[OPIS]", "Stanowisko=", "Uwagi1=@NUL@", ""}));

    // Once the grid has a row 2 again, its cells replace the keys left in the file.
    w.setRows({{"a1", "b1"}, {"a2", "B2"}});
    w.save();
    EXPECT_EQ(fileBytes(), crlf({"[ZAGROZENIA]", "TABELA1/2=B2", "TABELA0/3=a3", "TABELA1/3=b3", "TABELA0/1=a1",
                                 "TABELA1/1=b1", "TABELA0/2=a2", "", "[OPIS]", "Stanowisko=", "Uwagi1=@NUL@", ""}));
}

TEST_F(BoundControls, TableCellHoldingTheProbeTextEndsTheTable)
{
    {
        TestWindow w;
        w.StringGridIni1->setColumnCount(2);
        w.open(path());
        w.setRows({{"a1", "b1"}, {"@Koniec@", "b2"}, {"a3", "b3"}});
        w.save();
    }
    TestWindow second;
    second.StringGridIni1->setColumnCount(2);
    second.open(path());
    EXPECT_EQ(second.rows(), QList<QStringList>({{"a1", "b1"}}));
}

TEST_F(BoundControls, TableEmptyColumnZeroCellDoesNotEndTheTable)
{
    {
        TestWindow w;
        w.StringGridIni1->setColumnCount(2);
        w.open(path());
        w.setRows({{"a1", "b1"}, {"", "b2"}, {"@koniec@", "b3"}});
        w.save();
    }
    EXPECT_EQ(stored("ZAGROZENIA", "TABELA0/2"), QString());
    TestWindow second;
    second.StringGridIni1->setColumnCount(2);
    second.open(path());
    EXPECT_EQ(second.rows(), QList<QStringList>({{"a1", "b1"}, {"", "b2"}, {"@koniec@", "b3"}}));
}

TEST_F(BoundControls, TableShortenedFromTenToFourRowsIsRewrittenAtTheEndOfItsSection)
{
    seed(QStringList{"[ZAGROZENIA]"} + twoColumnKeys(1, 10) + QStringList{"Inne=bez zmian"});
    TestWindow w;
    w.StringGridIni1->setColumnCount(2);
    w.open(path());
    ASSERT_EQ(w.rows(), twoColumnRows(10));

    w.StringGridIni1->setRowCount(5);
    w.save();
    EXPECT_EQ(fileBytes(), crlf(QStringList{"[ZAGROZENIA]", "Inne=bez zmian"} + twoColumnKeys(1, 4) +
                                QStringList{"", "[OPIS]", "Stanowisko=", "Uwagi1=@NUL@", ""}));
}

TEST_F(BoundControls, TableWithFewerColumnsThanStoredKeepsTheExtraKeys)
{
    seed({"[ZAGROZENIA]", "TABELA0/1=a1", "TABELA1/1=b1", "TABELA2/1=c1", "TABELA0/2=a2", "TABELA1/2=b2",
          "TABELA2/2=c2"});
    TestWindow w;
    w.StringGridIni1->setColumnCount(2);
    w.open(path());
    EXPECT_EQ(w.rows(), twoColumnRows(2));

    w.StringGridIni1->setCell(1, 2, QStringLiteral("zmiana"));
    w.save();
    EXPECT_EQ(fileBytes(), crlf({"[ZAGROZENIA]", "TABELA2/1=c1", "TABELA2/2=c2", "TABELA0/1=a1", "TABELA1/1=b1",
                                 "TABELA0/2=a2", "TABELA1/2=zmiana", "",
                                 "[OPIS]", "Stanowisko=", "Uwagi1=@NUL@", ""}));
}

TEST_F(BoundControls, TableColumnsTheFileDoesNotHoldGetTheDefault)
{
    seed({"[ZAGROZENIA]", "TABELA0/1=a1", "TABELA0/2="});
    TestWindow w;
    w.StringGridIni1->setColumnCount(3);
    w.StringGridIni1->Domyslna = QStringLiteral("brak");
    w.open(path());
    EXPECT_EQ(w.rows(), QList<QStringList>({{"a1", "brak", "brak"}, {"", "brak", "brak"}}));
}

TEST_F(BoundControls, FiveColumnTableWrittenForTheFirstTimeKeepsRowAfterRowOrder)
{
    {
        TestWindow w;
        w.open(path());
        w.setRows({{"Hałas", "Maszyny", "Uszkodzenie słuchu", "Ochronniki", "2"},
                   {"Pył", "Szlifierka", "Choroby płuc", "Odciąg", "3"}});
        w.save();
    }
    EXPECT_EQ(fileBytes(), crlf({"[OPIS]", "Stanowisko=", "Uwagi1=@NUL@", "",
                                 "[ZAGROZENIA]", "TABELA0/1=Hałas", "TABELA1/1=Maszyny",
                                 "TABELA2/1=Uszkodzenie słuchu", "TABELA3/1=Ochronniki", "TABELA4/1=2",
                                 "TABELA0/2=Pył", "TABELA1/2=Szlifierka", "TABELA2/2=Choroby płuc",
                                 "TABELA3/2=Odciąg", "TABELA4/2=3", ""}));
    TestWindow second;
    second.open(path());
    EXPECT_EQ(second.StringGridIni1->rowCount(), 3);
    EXPECT_EQ(second.StringGridIni1->cell(2, 1), QStringLiteral("Uszkodzenie słuchu"));
    EXPECT_EQ(second.StringGridIni1->cell(3, 0), QStringLiteral("Tytuł 3"));
}

TEST_F(BoundControls, TableEmptiedToItsTitleRowLeavesNoCellKeys)
{
    seed(QStringList{"[ZAGROZENIA]"} + twoColumnKeys(1, 3));
    {
        TestWindow w;
        w.StringGridIni1->setColumnCount(2);
        w.open(path());
        w.StringGridIni1->setRowCount(1);
        w.save();
    }
    EXPECT_EQ(fileBytes(), crlf({"[ZAGROZENIA]", "", "[OPIS]", "Stanowisko=", "Uwagi1=@NUL@", ""}));
}

TEST_F(BoundControls, TablePostAndAppendWriteOneRowAndDeleteNothing)
{
    seed(QStringList{"[ZAGROZENIA]"} + twoColumnKeys(1, 3));
    TestWindow w;
    w.StringGridIni1->setColumnCount(2);
    w.open(path());
    w.setRows({{"x1", "y1"}, {"x2", "y2"}, {"a3", "b3"}, {"x4", "y4"}});
    w.StringGridIni1->setCurrentCell(2, 1);

    w.IniDat1->OpenIni();
    w.StringGridIni1->PostIni();
    w.StringGridIni1->AppendIni();
    w.IniDat1->Ini()->WriteToDisk();
    w.IniDat1->CloseIni();
    EXPECT_EQ(fileBytes(), crlf({"[ZAGROZENIA]", "TABELA0/1=a1", "TABELA1/1=b1", "TABELA0/2=x2", "TABELA1/2=y2",
                                 "TABELA0/3=a3", "TABELA1/3=b3", "TABELA0/4=x4", "TABELA1/4=y4", ""}));
}

TEST_F(BoundControls, TablePostAndAppendNeverStoreTheTitleRow)
{
    seed({"[ZAGROZENIA]", "TABELA0/1=a1"});
    TestWindow w;
    w.open(path());
    w.StringGridIni1->setRowCount(1);   // the title row alone
    w.StringGridIni1->setCurrentCell(0, 2);

    w.IniDat1->OpenIni();
    w.StringGridIni1->PostIni();
    w.StringGridIni1->AppendIni();
    w.IniDat1->Ini()->WriteToDisk();
    w.IniDat1->CloseIni();
    EXPECT_EQ(fileBytes(), crlf({"[ZAGROZENIA]", "TABELA0/1=a1", ""}));
}

TEST_F(BoundControls, TableRowZeroIsACellRowWithQtHeadersHidden)
{
    TStringGridIni grid;
    grid.setColumnCount(2);
    grid.setRowCount(2);
    EXPECT_TRUE(grid.horizontalHeader()->isHidden());
    EXPECT_TRUE(grid.verticalHeader()->isHidden());
    EXPECT_EQ(grid.cell(1, 1), QString());
    grid.setCell(1, 0, QStringLiteral("Źródło"));
    grid.setCell(1, 0, QStringLiteral("Źródła"));
    EXPECT_EQ(grid.cell(1, 0), QStringLiteral("Źródła"));
    EXPECT_EQ(grid.item(0, 1)->text(), QStringLiteral("Źródła"));
}

// --- Characters that Windows-1250 cannot hold ----------------------------------------------

class RefusedInput : public BoundControls {
protected:
    void SetUp() override
    {
        w.show();
        QApplication::clipboard()->clear();
    }

    // Types `text` key by key, each key carrying one character (QTest::keyClicks can only
    // type ASCII).
    static void type(QWidget* target, const QString& text)
    {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    TestWindow w;
};

TEST_F(RefusedInput, EditRefusesTypedCharacters)
{
    w.EditIni1->setFocus();
    QTest::keyClicks(w.EditIni1, QStringLiteral("ab"));
    type(w.EditIni1, QStringLiteral("ñc¥äжł")); // ñ, ¥ and ж have no byte; ä and ł have
    EXPECT_EQ(w.EditIni1->text(), QStringLiteral("abcäł"));
}

TEST_F(RefusedInput, EditRefusesPastedText)
{
    w.EditIni1->setText(QStringLiteral("Hala "));
    QApplication::clipboard()->setText(QStringLiteral("Łódź ж"));
    w.EditIni1->paste();
    EXPECT_EQ(w.EditIni1->text(), QStringLiteral("Hala "));
    QApplication::clipboard()->setText(QStringLiteral("Łódź"));
    w.EditIni1->paste();
    EXPECT_EQ(w.EditIni1->text(), QStringLiteral("Hala Łódź"));
}

TEST_F(RefusedInput, MemoRefusesTypedCharacters)
{
    w.MemoIni1->setFocus();
    QTest::keyClicks(w.MemoIni1, QStringLiteral("ab"));
    type(w.MemoIni1, QStringLiteral("ñc¥äж\u2028ł"));
    EXPECT_EQ(w.MemoIni1->toPlainText(), QStringLiteral("abcäł"));
}

TEST_F(RefusedInput, MemoRefusesPastedText)
{
    w.MemoIni1->setPlainText(QStringLiteral("Hala "));
    w.MemoIni1->moveCursor(QTextCursor::End);
    QApplication::clipboard()->setText(QStringLiteral("Łódź\n日本"));
    w.MemoIni1->paste();
    EXPECT_EQ(w.MemoIni1->toPlainText(), QStringLiteral("Hala "));
    QApplication::clipboard()->setText(QStringLiteral("Łódź\nKraków"));
    w.MemoIni1->paste();
    EXPECT_EQ(w.MemoIni1->lines(), QStringList({"Hala Łódź", "Kraków"}));
}

TEST_F(RefusedInput, TableCellEditorRefusesTypedAndPastedCharacters)
{
    TStringGridIni* grid = w.StringGridIni1;
    w.PageControl1->setCurrentIndex(1);
    w.setRows({{"", "b1"}});
    grid->setCurrentCell(1, 0);
    grid->editItem(grid->item(1, 0));
    auto* editor = grid->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);

    QTest::keyClicks(editor, QStringLiteral("x"));
    type(editor, QStringLiteral("ñyжó"));
    QApplication::clipboard()->setText(QStringLiteral("日本"));
    editor->paste();
    QApplication::clipboard()->setText(QStringLiteral("ść"));
    editor->paste();
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents(); // the delegate commits the editor's text from the event loop
    EXPECT_EQ(grid->cell(0, 1), QStringLiteral("xyóść"));
}

TEST_F(RefusedInput, TableCellEditorKeepsALongCellWhole)
{
    TStringGridIni* grid = w.StringGridIni1;
    w.PageControl1->setCurrentIndex(1);
    const QString longText(40000, QLatin1Char('x'));
    w.setRows({{longText, "b1"}});
    grid->setCurrentCell(1, 0);
    grid->editItem(grid->item(1, 0));
    auto* editor = grid->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClicks(editor, QStringLiteral("y"));
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(grid->cell(0, 1), longText + QLatin1Char('y'));
}

TEST_F(RefusedInput, NothingTypedIsSavedAsQuestionMarks)
{
    w.open(path());
    type(w.EditIni1, QStringLiteral("ñ¥日本"));
    w.save();
    EXPECT_EQ(stored("OPIS", "Stanowisko"), QString());
    EXPECT_FALSE(fileBytes().contains('?'));
}
