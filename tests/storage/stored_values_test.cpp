#include "storage/stored_values.h"

#include "base/win1250.h"
#include "storage/ini_file.h"

#include <gtest/gtest.h>

namespace {

// The table as one lookup per cell finds it: rows from 1 while column 0 is there and is not
// the end marker.
QList<QStringList> lookedUp(const TMemIniFile& file, int columns)
{
    QList<QStringList> rows;
    for (int row = 1; file.ReadValue("S", stored::cellKey("TABELA", 0, row), "@Koniec@") != "@Koniec@"; ++row) {
        QStringList cells;
        for (int col = 0; col < columns; ++col)
            cells.append(win1250::toUnicode(file.ReadValue("S", stored::cellKey("TABELA", col, row), "?")));
        rows.append(cells);
    }
    return rows;
}

} // namespace

// Reading a table in one walk over its section finds what a lookup of each cell's key finds,
// whatever the layout of the lines.
TEST(StoredTable, ReadingLineByLineFindsWhatLookupsFind)
{
    struct Case {
        const char* name;
        QByteArray lines;
    };
    const Case cases[] = {
        {"as written", "TABELA0/1=a\r\nTABELA1/1=b\r\nTABELA0/2=c\r\nTABELA1/2=d\r\n"},
        {"a short last row", "TABELA0/1=a\r\nTABELA1/1=b\r\nTABELA0/2=c\r\n"},
        {"more columns than are read", "TABELA0/1=a\r\nTABELA1/1=b\r\nTABELA2/1=c\r\nTABELA0/2=d\r\nTABELA1/2=e\r\nTABELA2/2=f\r\n"},
        {"a key again after the table", "TABELA0/1=a\r\nTABELA1/1=b\r\nTABELA0/2=c\r\ntabela1/1=z\r\n"},
        {"keys in other letters", "tabela0/1=a\r\nTaBeLa1/1=b\r\n"},
        {"a later line of a key wins", "TABELA0/1=a\r\nTABELA1/1=b\r\nTABELA1/1=c\r\ntabela0/1=d\r\n"},
        {"a missing cell", "TABELA0/1=a\r\nTABELA0/2=b\r\nTABELA1/2=c\r\n"},
        {"the end marker", "TABELA0/1=a\r\nTABELA0/2=@Koniec@\r\nTABELA0/3=c\r\n"},
        {"the end marker in other letters", "TABELA0/1=a\r\nTABELA0/2=@KONIEC@\r\n"},
        {"an empty first cell", "TABELA0/1=\r\nTABELA1/1=b\r\n"},
        {"a gap in the rows", "TABELA0/1=a\r\nTABELA0/3=c\r\n"},
        {"rows out of order", "TABELA0/3=c\r\nTABELA0/1=a\r\nTABELA1/3=e\r\nTABELA0/2=b\r\n"},
        {"no first row", "TABELA0/2=b\r\nTABELA1/1=x\r\n"},
        {"numbers not as written", "TABELA0/1=e\r\nTABELA0/01=a\r\nTABELA00/1=b\r\nTABELA0/+1=c\r\nTABELA1/1 x=d\r\n"},
        {"numbers out of range", "TABELA0/1=a\r\nTABELA0/99999999999=b\r\nTABELA0/2147483647=c\r\nTABELA0/-1=d\r\n"},
        {"cells beside the table", "TABELA0/1=a\r\nTABELA2/1=far\r\nTABELA0/0=zero\r\nTABELA=x\r\nINNY0/1=y\r\nnote\r\n"},
        {"many rows, one far off", "TABELA0/1=a\r\nTABELA0/2=b\r\nTABELA0/3=c\r\nTABELA0/4=d\r\nTABELA0/9=i\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // The walk reads a section straight from the file's bytes until a lookup has parsed it.
        const QByteArray text = "[S]\r\n" + c.lines + "[T]\r\nTABELA0/9=elsewhere\r\n";
        TMemIniFile walked;
        walked.LoadFromBytes(text);
        TMemIniFile looked;
        looked.LoadFromBytes(text);
        const QList<QStringList> expected = lookedUp(looked, 2);
        EXPECT_EQ(stored::readTable(walked, "S", "TABELA", 2, "?"), expected);
        EXPECT_EQ(stored::tableRows(walked, "S", "TABELA"), expected.size());
        EXPECT_EQ(stored::readTable(looked, "S", "TABELA", 2, "?"), expected);
    }
}
