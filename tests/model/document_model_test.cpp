// The document model against the in-memory copy of a document file: every declared field
// through its kind, the stored encodings of memos, tables, choices and lines, the table
// model's commands and the modified flag.

#include "base/win1250.h"
#include "model/document_model.h"
#include "model/document_table.h"
#include "risk/risk_method.h"
#include "storage/ini_file.h"
#include "support/crlf_bytes.h"
#include "storage/stored_values.h"

#include <gtest/gtest.h>
#include <functional>
#include <ostream>

void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

void PrintTo(const QByteArray& bytes, std::ostream* os)
{
    *os << '\n' << win1250::toUnicode(bytes).replace(QStringLiteral("\r\n"), QStringLiteral("\\r\\n\n")).toStdString();
}

namespace {

// The key lines of `section` whose key starts with `stem`, in file order, as a copy read
// back from the written bytes holds them.
QStringList storedLines(const TMemIniFile& written, const QByteArray& section, const QByteArray& stem)
{
    TMemIniFile file;
    file.LoadFromBytes(written.ToBytes());
    QStringList lines;
    for (const QByteArray& key : file.SectionKeys(section)) {
        if (key.startsWith(stem))
            lines.append(win1250::toUnicode(key + '=' + file.ReadValue(section, key, {})));
    }
    return lines;
}

// --- Every field through its kind ------------------------------------------------------------

// One sample value per kind of field. The sample chooses FIVE STEPS, and a hazard's factor
// cell holds an entry of the method's scale: a factor off the scale would empty the risk.
const QString kLine = QStringLiteral("Łódź – ul. Żółta");
constexpr int kChoice = 2;
constexpr int kRows = 2;

QString sampleCell(Field field, int col, int row)
{
    const RiskMethod method = risk::methodFromIndex(kChoice);
    if (const std::optional<risk::Factor> factor = risk::factorOfColumn(method, col); field == Field::Hazards && factor)
        return risk::scale(method, *factor).value(row - 1);
    // The plan's and the residual ratings' rows name their hazard by number and by name.
    if ((field == Field::Plan || field == Field::Residual) && col <= 1)
        return col == 0 ? QString::number(row) : sampleCell(Field::Hazards, 0, row);
    return QStringLiteral("k%1 w%2 ź").arg(col).arg(row);
}

QStringList sampleLines(const StoredField& field, int columns)
{
    const QString key = QString::fromLatin1(field.key);
    switch (field.kind) {
    case FieldKind::Line:
        return {key + '=' + kLine};
    case FieldKind::Memo:
        return {key + "1=Pierwsza", key + "2=@#13#10@", key + "3=Trzecia", key + "4=@NUL@"};
    case FieldKind::Choice:
        return {key + '=' + field.choices[kChoice]};
    case FieldKind::Table: {
        QStringList lines;
        for (int row = 1; row <= kRows; ++row) {
            for (int col = 0; col < columns; ++col)
                lines.append(QStringLiteral("%1%2/%3=").arg(key).arg(col).arg(row) + sampleCell(field.id, col, row));
        }
        return lines;
    }
    }
    return {};
}

// A file holding every field of the model's kind with its sample, written in placing order;
// a table has the columns the model gives it.
QByteArray sampleFile(const DocumentModel& model)
{
    QStringList lines;
    QByteArray section;
    for (const StoredField& field : documentFields(model.kind())) {
        if (field.section != section) {
            if (!section.isEmpty())
                lines.append(QString());
            section = field.section;
            lines.append('[' + QString::fromLatin1(section) + ']');
        }
        lines += sampleLines(field, field.kind == FieldKind::Table ? model.table(field.id).columnCount() : 0);
    }
    lines.append(QString());
    return crlf(lines);
}

TEST(DocumentFields, EveryFieldLoadsAndSavesThroughItsKindInPlacingOrder)
{
    for (const DocumentKind kind : {DocumentKind::Project, DocumentKind::Assessment}) {
        SCOPED_TRACE(kind == DocumentKind::Project ? "project" : "assessment");
        // The hazard table takes the columns of the sample's method once the model read it.
        DocumentModel model(kind);
        TMemIniFile file;
        file.LoadFromBytes(sampleFile(model));
        model.load(file);
        const QByteArray bytes = sampleFile(model);
        file.LoadFromBytes(bytes);
        model.load(file);
        // A new file holds only what the model read, each key where its field is placed.
        TMemIniFile fresh;
        model.save(fresh);
        EXPECT_EQ(fresh.ToBytes(), bytes) << "a new file";
        model.save(file);
        EXPECT_EQ(file.ToBytes(), bytes) << "a load then a save";
    }
}

// --- Encodings -------------------------------------------------------------------------------

TEST(StoredEncoding, MemoParagraphsMarkersAndShrinking)
{
    struct Case {
        const char* name;
        QStringList seed;            // section OPIS of the file loaded first
        QList<QStringList> saves;    // the memo's paragraphs at each save
        QStringList stored;          // the memo's keys afterwards, in file order
        QStringList reread;
    };
    const QStringList fiveLines = {"Uwagi1=1", "Uwagi2=2", "Uwagi3=3", "Uwagi4=4", "Uwagi5=5", "Uwagi6=@NUL@"};
    const Case cases[] = {
        {"an empty paragraph has its marker", {}, {{"Pierwsza", "", "Trzecia"}},
         {"Uwagi1=Pierwsza", "Uwagi2=@#13#10@", "Uwagi3=Trzecia", "Uwagi4=@NUL@"}, {"Pierwsza", "", "Trzecia"}},
        {"a memo without its first key is empty", {"Uwagi2=osierocona"}, {{}},
         {"Uwagi2=osierocona", "Uwagi1=@NUL@"}, {}},
        {"shrinking deletes up to the loaded end marker", fiveLines + QStringList{"Uwagi7=dalej"}, {{"A", "B"}},
         {"Uwagi1=A", "Uwagi2=B", "Uwagi7=dalej", "Uwagi3=@NUL@"}, {"A", "B"}},
        {"eight then six lines leave the old keys above the marker", fiveLines,
         {{"a", "b", "c", "d", "e", "f", "g", "h"}, {"A", "B", "C", "D", "E", "F"}},
         {"Uwagi1=A", "Uwagi2=B", "Uwagi3=C", "Uwagi4=D", "Uwagi5=E", "Uwagi6=F", "Uwagi7=@NUL@", "Uwagi8=h",
          "Uwagi9=@NUL@"},
         {"A", "B", "C", "D", "E", "F"}},
        {"markers as texts are compared exactly", {}, {{"przed", "@#13#10@", "@nul@", "@NUL@", "po"}},
         {"Uwagi1=przed", "Uwagi2=@#13#10@", "Uwagi3=@nul@", "Uwagi4=@NUL@", "Uwagi5=po", "Uwagi6=@NUL@"},
         {"przed", "", "@nul@"}},
        {"a line of blanks reads back empty", {}, {{"a", "   ", "b"}},
         {"Uwagi1=a", "Uwagi2=", "Uwagi3=b", "Uwagi4=@NUL@"}, {"a", "", "b"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TMemIniFile file;
        file.LoadFromBytes(crlf(QStringList{"[OPIS]"} + c.seed));
        DocumentModel model(DocumentKind::Project);
        model.load(file);
        for (const QStringList& lines : c.saves) {
            model.setLines(Field::Description, lines);
            model.save(file);
        }
        EXPECT_EQ(storedLines(file, "OPIS", "Uwagi"), c.stored);
        TMemIniFile written;
        written.LoadFromBytes(file.ToBytes());
        DocumentModel reread(DocumentKind::Project);
        reread.load(written);
        EXPECT_EQ(reread.lines(Field::Description), c.reread);
    }
}

TEST(StoredEncoding, TableEndColumnsAndRewriting)
{
    using Rows = QList<QStringList>;
    struct Case {
        const char* name;
        QStringList seed;                              // section WARUNKI of the file
        std::function<void(DocumentTable&)> edit;      // on the loaded two-column checklist
        Rows loaded;
        QStringList stored;                            // the section's keys after a save
    };
    const auto rowKeys = [](int first, int last) {
        QStringList lines;
        for (int row = first; row <= last; ++row)
            lines << QStringLiteral("TABELA0/%1=a%1").arg(row) << QStringLiteral("TABELA1/%1=b%1").arg(row);
        return lines;
    };
    const auto rows = [](int count) {
        Rows result;
        for (int row = 1; row <= count; ++row)
            result.append({QStringLiteral("a%1").arg(row), QStringLiteral("b%1").arg(row)});
        return result;
    };
    const auto none = [](DocumentTable&) {};
    const Case cases[] = {
        {"a missing column-0 key ends the table",
         {"TABELA0/1=a1", "TABELA1/1=b1", "TABELA1/2=b2", "TABELA0/3=a3", "TABELA1/3=b3"}, none, rows(1),
         {"TABELA1/2=b2", "TABELA0/3=a3", "TABELA1/3=b3", "TABELA0/1=a1", "TABELA1/1=b1"}},
        {"no row 1 is an empty table", {"TABELA1/1=x", "TABELA0/2=y"}, none, {}, {"TABELA1/1=x", "TABELA0/2=y"}},
        {"@Koniec@ in column 0 ends the table", rowKeys(1, 1) + QStringList{"TABELA0/2=@Koniec@", "TABELA1/2=b2"},
         none, {{"a1", "b1"}}, {"TABELA0/2=@Koniec@", "TABELA1/2=b2", "TABELA0/1=a1", "TABELA1/1=b1"}},
        {"an empty column-0 cell does not end it",
         {"TABELA0/1=", "TABELA1/1=b1", "TABELA0/2=@koniec@", "TABELA1/2=b2"}, none, {{"", "b1"}, {"@koniec@", "b2"}},
         {"TABELA0/1=", "TABELA1/1=b1", "TABELA0/2=@koniec@", "TABELA1/2=b2"}},
        {"a shortened table is rewritten at the end of its section", rowKeys(1, 10) + QStringList{"Inne=bez zmian"},
         [](DocumentTable& t) { t.setRowCount(5); }, rows(10), QStringList{"Inne=bez zmian"} + rowKeys(1, 4)},
        {"fewer columns than stored keep the extra keys",
         {"TABELA0/1=a1", "TABELA1/1=b1", "TABELA2/1=c1", "TABELA0/2=a2", "TABELA1/2=b2", "TABELA2/2=c2"},
         [](DocumentTable& t) { t.setCell(1, 2, "zmiana"); }, rows(2),
         {"TABELA2/1=c1", "TABELA2/2=c2", "TABELA0/1=a1", "TABELA1/1=b1", "TABELA0/2=a2", "TABELA1/2=zmiana"}},
        {"missing columns read the default", {"TABELA0/1=a1", "TABELA0/2="}, none, {{"a1", ""}, {"", ""}},
         {"TABELA0/1=a1", "TABELA1/1=", "TABELA0/2=", "TABELA1/2="}},
        {"a table emptied to its title row leaves no cell keys", rowKeys(1, 3),
         [](DocumentTable& t) { t.setRowCount(1); }, rows(3), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TMemIniFile file;
        file.LoadFromBytes(crlf(QStringList{"[WARUNKI]"} + c.seed));
        DocumentModel model(DocumentKind::Project);
        model.load(file);
        DocumentTable& checklist = model.checklist();
        ASSERT_EQ(checklist.columnCount(), 2);
        EXPECT_EQ(checklist.dataRows(), c.loaded);
        c.edit(checklist);
        model.save(file);
        EXPECT_EQ(storedLines(file, "WARUNKI", ""), c.stored);
    }
}

TEST(StoredEncoding, ChoiceMatchesWithoutRegardToCaseAndKeepsAnUnmatchedValue)
{
    struct Case {
        QStringList seed;   // section OPIS
        int chosen;
        QString saved;      // "<brak>" for no key
    };
    const Case cases[] = {
        {{"Metoda=risk score"}, 1, "RISK SCORE"},
        {{"Metoda=matrycowa (pn-n-18002)"}, 3, "Matrycowa (PN-N-18002)"},
        {{"Metoda=Metoda własna"}, -1, "Metoda własna"},
        {{}, -1, "<brak>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seed.value(0).toStdString());
        TMemIniFile file;
        file.LoadFromBytes(crlf(QStringList{"[OPIS]"} + c.seed));
        DocumentModel model(DocumentKind::Project);
        model.setChoice(Field::Method, 0);
        model.load(file);
        EXPECT_EQ(model.choice(Field::Method), c.chosen);
        model.save(file);
        EXPECT_EQ(win1250::toUnicode(file.ReadValue("OPIS", "Metoda", "<brak>")), c.saved);
    }
    // Polish letters match in either case, by the code page's own upper-casing.
    const QStringList entries = {QStringLiteral("Ćma"), QStringLiteral("Żuraw")};
    const std::pair<const char*, int> polish[] = {{"żURAW", 1}, {"ćMA", 0}, {"ZURAW", -1}};
    for (const auto& [stored, index] : polish)
        EXPECT_EQ(stored::matchingValue(win1250::fromUnicode(QString::fromUtf8(stored)), entries), index) << stored;
}

TEST(StoredEncoding, LineIsStoredInWindows1250AsOneTrimmedLine)
{
    struct Case {
        QString text;
        QByteArray stored;
        QString reread;
    };
    const Case cases[] = {
        {QStringLiteral("Łódź – ul. Żółta"), "\xA3\xF3" "d\x9F \x96 ul. \xAF\xF3\xB3ta", QStringLiteral("Łódź – ul. Żółta")},
        {QStringLiteral("  Ślusarz  "), "\x8Clusarz", QStringLiteral("Ślusarz")},
        {QStringLiteral("dwa\r\nwiersze"), "dwa wiersze", QStringLiteral("dwa wiersze")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        DocumentModel model(DocumentKind::Project);
        model.setText(Field::Workstation, c.text);
        TMemIniFile written;
        model.save(written);
        TMemIniFile file;
        file.LoadFromBytes(written.ToBytes());
        EXPECT_EQ(file.ReadValue("OPIS", "Stanowisko", {}), c.stored);
        model.load(file);
        EXPECT_EQ(model.text(Field::Workstation), c.reread);
    }
}

// --- The table model -------------------------------------------------------------------------

TEST(DocumentTableModel, RowCommandsSpareTheTitleRowAndOnlyDataChangesAreEdits)
{
    using Rows = QList<QStringList>;
    struct Case {
        const char* name;
        std::function<void(DocumentTable&)> command;
        bool edit;
        Rows rows;          // the data rows afterwards
        QString title1;     // the title of column 1 afterwards
    };
    const Rows start = {{"a1", "b1"}, {"a2", "b2"}};
    const Case cases[] = {
        {"inserting before the title row is refused", [](DocumentTable& t) { EXPECT_FALSE(t.insertRows(0, 1)); },
         false, start, "T1"},
        {"removing the title row is refused", [](DocumentTable& t) { EXPECT_FALSE(t.removeRows(0, 2)); }, false,
         start, "T1"},
        {"no row count goes below the title row", [](DocumentTable& t) { t.setRowCount(0); }, true, {}, "T1"},
        {"a row inserted", [](DocumentTable& t) { EXPECT_TRUE(t.insertRows(2, 1)); }, true,
         {{"a1", "b1"}, {"", ""}, {"a2", "b2"}}, "T1"},
        {"rows added", [](DocumentTable& t) { t.setRowCount(4); }, true, start + Rows{{"", ""}}, "T1"},
        {"a title by setCell", [](DocumentTable& t) { t.setCell(1, 0, "Nowy"); }, false, start, "Nowy"},
        {"a title by setData", [](DocumentTable& t) { EXPECT_TRUE(t.setData(t.index(0, 1), "Nowy", Qt::EditRole)); },
         false, start, "Nowy"},
        {"the text a cell holds", [](DocumentTable& t) { t.setCell(1, 1, "b1"); }, false, start, "T1"},
        {"a cell by setData", [](DocumentTable& t) { EXPECT_TRUE(t.setData(t.index(2, 1), "x", Qt::EditRole)); },
         true, {{"a1", "b1"}, {"a2", "x"}}, "T1"},
        {"more columns keep the cells", [](DocumentTable& t) { t.setColumnCount(3); }, false,
         {{"a1", "b1", ""}, {"a2", "b2", ""}}, "T1"},
        {"fewer columns keep the first ones", [](DocumentTable& t) { t.setColumnCount(1); }, false, {{"a1"}, {"a2"}},
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DocumentTable table(2);
        table.setTitles({"T0", "T1"});
        table.setRowCount(3);
        for (int row = 1; row <= 2; ++row) {
            table.setCell(0, row, start[row - 1][0]);
            table.setCell(1, row, start[row - 1][1]);
        }
        int edits = 0;
        QObject::connect(&table, &DocumentTable::edited, [&edits] { ++edits; });
        c.command(table);
        EXPECT_EQ(edits, c.edit ? 1 : 0);
        EXPECT_EQ(table.dataRows(), c.rows);
        EXPECT_EQ(table.cell(0, 0), QStringLiteral("T0"));
        EXPECT_EQ(table.cell(1, 0), c.title1);
    }
}

// --- The modified flag -----------------------------------------------------------------------

TEST(DocumentModified, LoadClearsItAndOnlyARealChangeSetsIt)
{
    struct Case {
        const char* name;
        std::function<void(DocumentModel&)> change;
        bool modifies;
    };
    const Case cases[] = {
        {"the same line", [](DocumentModel& m) { m.setText(Field::Workstation, "Tokarz"); }, false},
        {"another line", [](DocumentModel& m) { m.setText(Field::Workstation, "Spawacz"); }, true},
        {"the same memo", [](DocumentModel& m) { m.setLines(Field::Description, {"a"}); }, false},
        {"another memo", [](DocumentModel& m) { m.setLines(Field::Description, {"a", ""}); }, true},
        {"the same choice", [](DocumentModel& m) { m.setChoice(Field::Method, 0); }, false},
        {"another choice", [](DocumentModel& m) { m.setChoice(Field::Method, 1); }, true},
        {"the same cell", [](DocumentModel& m) { m.checklist().setCell(1, 1, "b1"); }, false},
        {"a title cell", [](DocumentModel& m) { m.checklist().setCell(1, 0, "Tytuł"); }, false},
        {"another cell", [](DocumentModel& m) { m.checklist().setCell(1, 1, "B1"); }, true},
        {"a row added", [](DocumentModel& m) { m.checklist().setRowCount(3); }, true},
    };
    TMemIniFile file;
    file.LoadFromBytes(crlf({"[OPIS]", "Stanowisko=Tokarz", "Uwagi1=a", "Uwagi2=@NUL@", "Metoda=PHA", "[WARUNKI]",
                             "TABELA0/1=a1", "TABELA1/1=b1"}));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DocumentModel model(DocumentKind::Project);
        model.setText(Field::Workstation, "przed");
        ASSERT_TRUE(model.isModified());
        QList<bool> told;
        QObject::connect(&model, &DocumentModel::modifiedChanged, [&told](bool modified) { told.append(modified); });
        model.load(file);
        EXPECT_FALSE(model.isModified());
        EXPECT_EQ(told, QList<bool>{false});

        told.clear();
        c.change(model);
        EXPECT_EQ(model.isModified(), c.modifies);
        // A further change is told only when the document was not modified yet.
        model.setText(Field::Workstation, "jeszcze inny");
        EXPECT_EQ(told, QList<bool>{true});
    }
}

} // namespace
