// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A read-only table whose cells are texts made on demand, so that a hundred thousand records cost
// no item each.
#pragma once

#include <QAbstractTableModel>

#include <functional>

namespace progress {

class TextTable : public QAbstractTableModel
{
public:
    using Cell = std::function<QString(int row, int column)>;

    explicit TextTable(QObject *parent)
        : QAbstractTableModel(parent)
    {}

    void show(QStringList headers, int rows, Cell cell)
    {
        beginResetModel();
        m_headers = std::move(headers);
        m_rows = rows;
        m_cell = std::move(cell);
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
        if (role != Qt::DisplayRole || !index.isValid())
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
};

} // namespace progress
