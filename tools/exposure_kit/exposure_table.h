#pragma once
// ExposureTable: the table of partial exposures of a calculator (activities, substances): one
// row each, with "Dodaj wiersz" and "Usuń wiersz" below it. Its columns hold text, numbers,
// durations or a check box; numbers and durations are checked as they are typed and what
// cannot be used is named in red below the table.

#include "exposure_input.h"

#include <QList>
#include <QWidget>

class QLabel;
class QTableWidget;
class QTableWidgetItem;

class ExposureTable : public QWidget {
public:
    enum class Kind { Text, Number, Duration, Check };

    struct Column {
        QString header;
        Kind kind = Kind::Text;
        exposure::NumberRule rule = exposure::NumberRule::NonNegative;
        int width = 0;   // 0: the column takes the remaining width
    };

    ExposureTable(const QString& label, const QList<Column>& columns, int rows, QWidget* parent = nullptr);

    int rowCount() const;
    QString text(int row, int column) const;
    bool checked(int row, int column) const;
    QTableWidget* table() const { return table_; }
    // The message below the table; empty while every cell can be used.
    QString message() const;
    // The rows that are not wholly empty as an HTML table, for a printout.
    QString html() const;

private:
    void addRow();
    void check(QTableWidgetItem* item);

    QList<Column> columns_;
    QTableWidget* table_;
    QLabel* message_;
};
