#include "storage/stored_values.h"

#include "base/win1250.h"
#include "storage/ini_file.h"

#include <algorithm>
#include <charconv>

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
    // Written straight into one buffer: a save builds a key for every cell twice.
    char numbers[24];
    char* end = std::to_chars(numbers, numbers + 11, col).ptr;
    *end++ = '/';
    end = std::to_chars(end, end + 11, row).ptr;
    QByteArray key(stem.size() + (end - numbers), Qt::Uninitialized);
    std::copy(numbers, end, std::copy(stem.begin(), stem.end(), key.begin()));
    return key;
}

int tableEnd(const TMemIniFile& file, const QByteArray& section, const QByteArray& stem, int firstRow)
{
    int row = firstRow;
    while (file.ReadValue(section, cellKey(stem, 0, row), kEndProbe) != kEndProbe)
        ++row;
    return row;
}

QStringList readTableRow(const TMemIniFile& file, const QByteArray& section, const QByteArray& stem, int row,
                         int columns, const QByteArray& def)
{
    QStringList cells;
    cells.reserve(columns);
    for (int col = 0; col < columns; ++col)
        cells.append(win1250::toUnicode(file.ReadValue(section, cellKey(stem, col, row), def)));
    return cells;
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
