#include "exposure_table.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

ExposureTable::ExposureTable(const QString& label, const QList<Column>& columns, int rows, QWidget* parent)
    : QWidget(parent)
    , columns_(columns)
    , table_(new QTableWidget(0, int(columns.size())))
    , message_(new QLabel)
{
    QStringList headers;
    for (int column = 0; column < columns_.size(); ++column) {
        headers.append(columns_[column].header);
        if (columns_[column].width > 0)
            table_->setColumnWidth(column, columns_[column].width);
        else
            table_->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Stretch);
    }
    table_->setHorizontalHeaderLabels(headers);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 10);
    for (int row = 0; row < rows; ++row)
        addRow();
    message_->setStyleSheet(QStringLiteral("color: #b00000"));
    message_->setWordWrap(true);
    connect(table_, &QTableWidget::itemChanged, this, &ExposureTable::check);

    auto* add = new QPushButton(QStringLiteral("&Dodaj wiersz"));
    auto* remove = new QPushButton(QStringLiteral("&Usuń wiersz"));
    // Enter calculates, whichever button has the focus.
    add->setAutoDefault(false);
    remove->setAutoDefault(false);
    connect(add, &QPushButton::clicked, this, &ExposureTable::addRow);
    connect(remove, &QPushButton::clicked, this, [this] {
        if (table_->rowCount() > 1)
            table_->removeRow(table_->currentRow() >= 0 ? table_->currentRow() : table_->rowCount() - 1);
    });

    auto* caption = new QLabel(label);
    caption->setBuddy(table_);
    auto* rowButtons = new QHBoxLayout;
    rowButtons->addWidget(add);
    rowButtons->addWidget(remove);
    rowButtons->addWidget(message_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins({});
    layout->addWidget(caption);
    layout->addWidget(table_);
    layout->addLayout(rowButtons);
}

int ExposureTable::rowCount() const
{
    return table_->rowCount();
}

QString ExposureTable::text(int row, int column) const
{
    const QTableWidgetItem* item = table_->item(row, column);
    return item ? item->text() : QString();
}

bool ExposureTable::checked(int row, int column) const
{
    const QTableWidgetItem* item = table_->item(row, column);
    return item && item->checkState() == Qt::Checked;
}

QString ExposureTable::message() const
{
    return message_->text();
}

QString ExposureTable::html() const
{
    QString rows;
    for (int row = 0; row < rowCount(); ++row) {
        QString cells;
        bool typed = false;
        for (int column = 0; column < columns_.size(); ++column) {
            QString cell = text(row, column).trimmed();
            if (columns_[column].kind == Kind::Check)
                cell = checked(row, column) ? QStringLiteral("tak") : QString();
            typed = typed || (!cell.isEmpty() && columns_[column].kind != Kind::Check);
            cells += QStringLiteral("<td>%1</td>").arg(cell.toHtmlEscaped());
        }
        if (typed)
            rows += QStringLiteral("<tr>%1</tr>").arg(cells);
    }
    QString headers;
    for (const Column& column : columns_)
        headers += QStringLiteral("<th>%1</th>").arg(column.header.toHtmlEscaped());
    return QStringLiteral("<table border=1 cellspacing=0 cellpadding=3><tr>%1</tr>%2</table>").arg(headers, rows);
}

void ExposureTable::addRow()
{
    const int row = table_->rowCount();
    table_->insertRow(row);
    for (int column = 0; column < columns_.size(); ++column) {
        if (columns_[column].kind != Kind::Check)
            continue;
        auto* box = new QTableWidgetItem;
        box->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        box->setCheckState(Qt::Unchecked);
        table_->setItem(row, column, box);
    }
}

// A cell as typed: an empty cell is left for the calculation to judge (a row may stay empty).
void ExposureTable::check(QTableWidgetItem* item)
{
    const Column& column = columns_[item->column()];
    QString problem;
    if (!item->text().trimmed().isEmpty()) {
        if (column.kind == Kind::Number)
            problem = exposure::numberProblem(item->text(), column.rule);
        else if (column.kind == Kind::Duration)
            problem = exposure::durationProblem(item->text());
    }
    item->setBackground(problem.isEmpty() ? QBrush() : QBrush(QColor(0xff, 0xd8, 0xd8)));
    if (!problem.isEmpty())
        message_->setText(QStringLiteral("Wiersz %1, %2: %3").arg(item->row() + 1).arg(column.header, problem));
    else if (message_->text().startsWith(QStringLiteral("Wiersz %1, %2:").arg(item->row() + 1).arg(column.header)))
        message_->clear();
}
