#include "gui/list_table_model.h"

#include "gui/qt_text.h"

namespace tovrin::gui {

ListTableModel::ListTableModel(ListModel& list, QObject* parent) : QAbstractTableModel(parent), m_list(list) {}

// The list tells after the fact; a reset is the one announcement that fits that.
void ListTableModel::Reload() {
    beginResetModel();
    endResetModel();
}

void ListTableModel::CellChanged(size_t row, size_t column) {
    const QModelIndex cell = index(static_cast<int>(row), static_cast<int>(column));
    emit dataChanged(cell, cell, {Qt::DisplayRole});
}

int ListTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_list.RowCount());
}

int ListTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_list.ColumnCount());
}

QVariant ListTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return FromUtf8(m_list.Cell(static_cast<size_t>(index.row()), static_cast<size_t>(index.column())));
}

QVariant ListTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || static_cast<size_t>(section) >= m_list.ColumnCount())
        return {};
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    return FromUtf8(m_list.Column(static_cast<size_t>(section)).header);
}

// Editable so that the view opens the delegate's editor when the list model says so;
// the view itself never starts an edit.
Qt::ItemFlags ListTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

}  // namespace tovrin::gui
