#include "shell/register_table.h"

#include "model/action_plan.h"
#include "model/risk_overview.h"

#include <QBrush>
#include <QColor>
#include <QDir>
#include <QFont>

namespace {

QVariant sortValue(const RegisterEntry& entry, int column)
{
    switch (column) {
    case RegisterPreparedOn: {
        const QDate date = plan::parseDate(entry.preparedOn);
        return date.isValid() ? QVariant(date) : QVariant(entry.preparedOn);
    }
    case RegisterRated:
        return entry.rated;
    case RegisterUnacceptable:
        return entry.unacceptable;
    case RegisterUnacceptableAfter:
        return entry.unacceptableAfter;
    case RegisterMeasures:
        return entry.measures;
    case RegisterOverdue:
        return entry.overdue;
    case RegisterWorkersToInform:
        return entry.workersToInform;
    case RegisterReview:
        return entry.review;
    default:
        if (column >= RegisterLevel1 && column <= RegisterLevel5)
            return entry.levels[column - RegisterLevel1];
        return registerText(entry, column);
    }
}

} // namespace

RegisterTable::RegisterTable(QObject* parent) : QAbstractTableModel(parent) {}

void RegisterTable::setEntries(const QList<RegisterEntry>& entries, QDate today)
{
    beginResetModel();
    entries_ = entries;
    today_ = today;
    endResetModel();
}

void RegisterTable::updateEntry(const RegisterEntry& entry)
{
    for (int row = 0; row < entries_.size(); ++row) {
        if (entries_[row].path == entry.path) {
            entries_[row] = entry;
            emit dataChanged(index(row, 0), index(row, RegisterColumnCount - 1));
            return;
        }
    }
    beginInsertRows({}, int(entries_.size()), int(entries_.size()));
    entries_.append(entry);
    endInsertRows();
}

int RegisterTable::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(entries_.size());
}

int RegisterTable::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : RegisterColumnCount;
}

QVariant RegisterTable::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= entries_.size())
        return {};
    const RegisterEntry& entry = entries_[index.row()];
    const int column = index.column();
    const bool failed = !entry.failure.isEmpty();
    switch (role) {
    case Qt::DisplayRole:
        return registerText(entry, column);
    case SortRole:
        return failed ? QVariant(registerText(entry, column)) : sortValue(entry, column);
    case Qt::ToolTipRole:
        return failed ? entry.failure : QDir::toNativeSeparators(entry.path);
    case Qt::TextAlignmentRole:
        return column >= RegisterRated && column <= RegisterOverdue ? QVariant(Qt::AlignCenter) : QVariant();
    case Qt::ForegroundRole:
        if (failed)
            return QBrush(Qt::gray);
        if ((column == RegisterUnacceptable && entry.unacceptable) || (column == RegisterUnacceptableAfter && entry.unacceptableAfter)
            || (column == RegisterOverdue && entry.overdue))
            return QBrush(QColor(0xc6, 0x28, 0x28));
        return {};
    case Qt::BackgroundRole: {
        if (failed)
            return {};
        if (column >= RegisterLevel1 && column <= RegisterLevel5 && entry.levels[column - RegisterLevel1] > 0)
            return QBrush(QColor::fromRgb(riskLevelRgb(column - RegisterLevel1 + 1)));
        if (column == RegisterReview) {
            const ReviewState state = reviewState(entry.review, today_);
            if (state == ReviewState::Passed)
                return QBrush(QColor(0xef, 0x9a, 0x9a));
            if (state == ReviewState::Soon)
                return QBrush(QColor(0xff, 0xcc, 0x80));
        }
        return {};
    }
    default:
        return {};
    }
}

QVariant RegisterTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole)
        return registerCaptions().value(section);
    if (role == Qt::ToolTipRole && section >= RegisterLevel1 && section <= RegisterLevel5)
        return QStringLiteral("Zagrożenia na poziomie ryzyka %1").arg(section - RegisterLevel1 + 1);
    return {};
}

RegisterFilter::RegisterFilter(QObject* parent) : QSortFilterProxyModel(parent)
{
    setSortRole(RegisterTable::SortRole);
    collator_.setNumericMode(true);
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
}

bool RegisterFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    const QVariant a = left.data(sortRole());
    const QVariant b = right.data(sortRole());
    // Texts as people read them: "Elektryk 2" before "Elektryk 10", Polish letters in place.
    if (a.typeId() == QMetaType::QString && b.typeId() == QMetaType::QString)
        return collator_.compare(a.toString(), b.toString()) < 0;
    return QSortFilterProxyModel::lessThan(left, right);
}

void RegisterFilter::setText(const QString& text)
{
    text_ = text.trimmed();
    invalidateRowsFilter();
}

void RegisterFilter::setQuick(int quick)
{
    quick_ = quick;
    invalidateRowsFilter();
}

bool RegisterFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    const auto* table = static_cast<const RegisterTable*>(sourceModel());
    const RegisterEntry& entry = table->entries().at(sourceRow);
    if (!text_.isEmpty() && !entry.workstation.contains(text_, Qt::CaseInsensitive)
        && !entry.unit.contains(text_, Qt::CaseInsensitive) && !entry.preparedBy.contains(text_, Qt::CaseInsensitive))
        return false;
    if ((quick_ & UnacceptableOnly) && entry.unacceptable == 0)
        return false;
    if ((quick_ & OverdueOnly) && entry.overdue == 0)
        return false;
    return !(quick_ & ReviewOnly) || reviewDue(entry.review, table->today());
}
