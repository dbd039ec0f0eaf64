// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A read-only table whose cells are texts made on demand, so that a hundred thousand records cost
// no item each.
#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

#include <functional>

namespace progress {

class TextTable : public QAbstractTableModel
{
public:
    using Cell = std::function<QString(int row, int column)>;

    explicit TextTable(QObject *parent)
        : QAbstractTableModel(parent)
    {}

    // What a column sorts by, and the group a row keeps to whatever the order.
    using Key = std::function<QVariant(int row, int column)>;
    static constexpr int SortRole = Qt::UserRole;
    static constexpr int GroupRole = Qt::UserRole + 1;

    void show(QStringList headers, int rows, Cell cell, Key key = {}, Key group = {})
    {
        beginResetModel();
        m_headers = std::move(headers);
        m_rows = rows;
        m_cell = std::move(cell);
        m_key = std::move(key);
        m_group = std::move(group);
        endResetModel();
    }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : m_rows;
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_headers.size());
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid())
            return {};
        if (role == SortRole)
            return m_key ? m_key(index.row(), index.column()) : m_cell(index.row(), index.column());
        if (role == GroupRole)
            return m_group ? m_group(index.row(), index.column()) : 0;
        if (role != Qt::DisplayRole)
            return {};
        return m_cell(index.row(), index.column());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
            return QAbstractTableModel::headerData(section, orientation, role);
        return m_headers.value(section);
    }
    const QStringList &headers() const { return m_headers; }
    QString cell(int row, int column) const { return m_cell(row, column); }

private:
    QStringList m_headers;
    int m_rows = 0;
    Cell m_cell;
    Key m_key;
    Key m_group;
};

// Sorts by a column's key within each group, the groups staying in their order: the class, then
// those not in it, then the class's average.
class GroupedSort : public QSortFilterProxyModel
{
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override
    {
        const int a = left.data(TextTable::GroupRole).toInt();
        const int b = right.data(TextTable::GroupRole).toInt();
        if (a != b)
            return (sortOrder() == Qt::AscendingOrder) == (a < b);
        const QVariant x = left.data(TextTable::SortRole), y = right.data(TextTable::SortRole);
        if (x.typeId() == QMetaType::QString)
            return QString::localeAwareCompare(x.toString(), y.toString()) < 0;
        return QVariant::compare(x, y) == QPartialOrdering::Less;
    }
};

} // namespace progress
