#pragma once
#include <QAbstractTableModel>

#include "controls/list_model.h"

namespace tovrin::gui {

// An editable list's cells as a table. Only the view's own editor changes them, through
// the list model, so the table itself is read-only.
class ListTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ListTableModel(ListModel& list, QObject* parent = nullptr);

    ListModel& list() { return m_list; }
    // The list changed its columns or rows, or one cell.
    void Reload();
    void CellChanged(size_t row, size_t column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    ListModel& m_list;
};

}  // namespace tovrin::gui
