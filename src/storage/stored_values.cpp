#include "storage/stored_values.h"

#include "base/win1250.h"
#include "storage/ini_file.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace stored {

// Compared exactly, letter case included.
const QByteArray MemoEnd = QByteArrayLiteral("@NUL@");

namespace {

const QByteArray kEmptyLine = QByteArrayLiteral("@#13#10@");
// The default of the column-0 probe; a cell holding exactly this text also ends the table.
const QByteArray kEndProbe = QByteArrayLiteral("@Koniec@");

} // namespace

QByteArray memoLineKey(const QByteArray& stem, int n)
{
    return stem + QByteArray::number(n);
}

QByteArray memoLineBytes(const QString& line)
{
    return line.isEmpty() ? kEmptyLine : win1250::fromUnicode(line);
}

QStringList readMemo(const TMemIniFile& file, const QByteArray& section, const QByteArray& stem)
{
    QStringList read;
    for (int n = 1;; ++n) {
        const QByteArray value = file.ReadValue(section, memoLineKey(stem, n), MemoEnd);
        if (value == MemoEnd)
            return read;
        read.append(value == kEmptyLine ? QString() : win1250::toUnicode(value));
    }
}

QByteArray cellKey(const QByteArray& stem, int col, int row)
{
    QByteArray key;
    cellKey(stem, col, row, key);
    return key;
}

void cellKey(const QByteArray& stem, int col, int row, QByteArray& out)
{
    // Written straight into one buffer: a save builds a key for every cell.
    char numbers[24];
    char* end = std::to_chars(numbers, numbers + 11, col).ptr;
    *end++ = '/';
    end = std::to_chars(end, end + 11, row).ptr;
    out.resize(stem.size() + (end - numbers));
    std::copy(numbers, end, std::copy(stem.begin(), stem.end(), out.begin()));
}

namespace {

// The number `digits` spell as to_chars writes a non-negative int, or -1 for any other text.
int canonicalNumber(QByteArrayView digits)
{
    if (digits.isEmpty() || digits.size() > 10 || (digits.size() > 1 && digits.front() == '0')
        || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return -1;
    int number = 0;
    const auto [end, error] = std::from_chars(digits.begin(), digits.end(), number);
    return error == std::errc() && end == digits.end() ? number : -1;
}

// Calls visit(row, col, value) for every line of the section, when its key lines are the cells
// of a table row after row under the keys cellKey writes, each once, as a table this program
// wrote lies; returns false as soon as a key line is out of that order.
template <typename Visit>
bool walkInOrder(const TMemIniFile& file, const QByteArray& section, const QByteArray& stem, Visit&& visit)
{
    int row = 1;
    int col = 0;
    int width = -1;   // the cells of a row, known once the second row begins
    bool inOrder = true;
    QByteArray expected;
    file.ForEachKey(section, [&](QByteArrayView key, QByteArrayView value) {
        if (!inOrder)
            return;
        if (width < 0 || col < width) {
            cellKey(stem, col, row, expected);
            if (key == QByteArrayView(expected)) {
                visit(row, col++, value);
                return;
            }
        }
        cellKey(stem, 0, row + 1, expected);
        inOrder = col > 0 && (width < 0 || col == width) && key == QByteArrayView(expected);
        if (inOrder) {
            width = col;
            col = 0;
            visit(++row, col++, value);
        }
    });
    return inOrder;
}

// The cells of a table as lookups of their keys find them, whatever the layout of the lines,
// gathered in one walk over them: a key is a cell's when it is the cell's key regardless of
// letter case, and the last line of a key wins. Cells are views of the copy's bytes, valid
// while it stays unchanged.
class StoredTable {
public:
    StoredTable(const TMemIniFile& file, const QByteArray& section, const QByteArray& stem, int columns)
        : columns_(std::max(columns, 1))   // column 0 tells where the table ends
    {
        // Every row of the table has a column-0 line, so it has no more rows than those.
        int bound = 0;
        forEachCell(file, section, stem, [&bound](int, int col, QByteArrayView) { bound += col == 0; });
        cells_.resize(std::size_t(bound) * std::size_t(columns_));
        forEachCell(file, section, stem, [this, bound](int row, int col, QByteArrayView value) {
            if (row <= bound)
                cells_[std::size_t(row - 1) * std::size_t(columns_) + std::size_t(col)] = value;
        });
        while (rows_ < bound && !cell(rows_ + 1, 0).isNull() && cell(rows_ + 1, 0) != kEndProbe)
            ++rows_;
    }

    int rows() const { return rows_; }
    // The cell's value, or a null view when the file does not hold it.
    QByteArrayView cell(int row, int col) const
    {
        return cells_[std::size_t(row - 1) * std::size_t(columns_) + std::size_t(col)];
    }

private:
    // Calls visit(row, col, value) for every line whose key is that of a cell of the table.
    template <typename Visit>
    void forEachCell(const TMemIniFile& file, const QByteArray& section, const QByteArray& stem, Visit&& visit) const
    {
        file.ForEachKey(section, [&](QByteArrayView key, QByteArrayView value) {
            if (key.size() <= stem.size()
                || !std::equal(stem.begin(), stem.end(), key.begin(),
                               [](char a, char b) { return win1250::toUpper(a) == win1250::toUpper(b); }))
                return;
            key = key.sliced(stem.size());
            const qsizetype slash = key.indexOf('/');
            if (slash < 0)
                return;
            const int col = canonicalNumber(key.first(slash));
            const int row = canonicalNumber(key.sliced(slash + 1));
            if (col >= 0 && col < columns_ && row >= 1)
                visit(row, col, value);
        });
    }

    int columns_;
    int rows_ = 0;
    std::vector<QByteArrayView> cells_; // row after row; null for a cell the file lacks
};

// Calls visit(row, col, value) for every cell the file holds in columns 0 to columns - 1 of
// the rows before the table's end, row after row, with the value a lookup of its key finds.
// A table laid out as this program writes it is read in one walk over its lines; any other
// through a StoredTable, after a call of restart() when the walk had called visit already.
template <typename Visit, typename Restart>
void forEachStoredCell(const TMemIniFile& file, const QByteArray& section, const QByteArray& stem, int columns,
                       Visit&& visit, Restart&& restart)
{
    bool ended = false;
    const bool inOrder = walkInOrder(file, section, stem, [&](int row, int col, QByteArrayView value) {
        ended = ended || (col == 0 && value == kEndProbe);
        if (!ended && col < columns)
            visit(row, col, value);
    });
    if (inOrder)
        return;
    restart();
    const StoredTable table(file, section, stem, columns);
    for (int row = 1; row <= table.rows(); ++row)
        for (int col = 0; col < columns; ++col)
            if (const QByteArrayView value = table.cell(row, col); !value.isNull())
                visit(row, col, value);
}

} // namespace

int tableRows(const TMemIniFile& file, const QByteArray& section, const QByteArray& stem)
{
    int rows = 0;
    forEachStoredCell(
        file, section, stem, 1, [&rows](int row, int, QByteArrayView) { rows = row; }, [&rows] { rows = 0; });
    return rows;
}

QList<QStringList> readTable(const TMemIniFile& file, const QByteArray& section, const QByteArray& stem, int columns,
                             const QByteArray& def)
{
    const QString defText = win1250::toUnicode(def);
    QList<QStringList> rows;
    forEachStoredCell(
        file, section, stem, std::max(columns, 1),
        [&](int row, int col, QByteArrayView value) {
            while (rows.size() < row)
                rows.append(QStringList(columns, defText));
            if (col < columns)
                rows[row - 1][col] = win1250::toUnicode(value);
        },
        [&rows] { rows.clear(); });
    return rows;
}

int matchingValue(const QByteArray& stored, const QStringList& values)
{
    const QByteArray upper = win1250::toUpper(stored);
    for (int i = 0; i < values.size(); ++i) {
        if (win1250::toUpper(win1250::fromUnicode(values[i])) == upper)
            return i;
    }
    return -1;
}

} // namespace stored
