#pragma once
// RegisterTable: the register of assessments as a table model, one row per file, and
// RegisterFilter, the rows the user asked to see. Every column sorts by its value (numbers
// as numbers, dates as dates); the level counts are coloured like the overview, a review
// date that has passed is red and one within 30 days amber, and a file that could not be
// read is a grey row that names its failure.

#include "model/assessment_register.h"

#include <QAbstractTableModel>
#include <QCollator>
#include <QSortFilterProxyModel>

class RegisterTable : public QAbstractTableModel {
    Q_OBJECT
public:
    // The value a column sorts by.
    static constexpr int SortRole = Qt::UserRole;

    explicit RegisterTable(QObject* parent = nullptr);

    void setEntries(const QList<RegisterEntry>& entries, QDate today);
    // Puts `entry` in place of the row of its path, or adds it.
    void updateEntry(const RegisterEntry& entry);
    const QList<RegisterEntry>& entries() const { return entries_; }
    QDate today() const { return today_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<RegisterEntry> entries_;
    QDate today_;
};

class RegisterFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    enum Quick {
        UnacceptableOnly = 1,
        OverdueOnly = 2,
        ReviewOnly = 4,
    };

    explicit RegisterFilter(QObject* parent = nullptr);
    // Text looked for in the workstation, the unit and the author, without regard to case.
    void setText(const QString& text);
    void setQuick(int quick);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    QCollator collator_{QLocale(QLocale::Polish)};
    QString text_;
    int quick_ = 0;
};
