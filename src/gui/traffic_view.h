#pragma once
#include <string>
#include <vector>

#include <QTableView>

#include "gui/traffic_table_model.h"

namespace tovrin::gui {

// The traffic list: whole rows selected, several at once, and rows of one fixed
// height so that a million of them scroll as easily as a hundred.
class TrafficView : public QTableView {
    Q_OBJECT
public:
    explicit TrafficView(TrafficList& list, QWidget* parent = nullptr);

    TrafficTableModel& trafficModel() { return m_model; }
    // Headings of the current language; widths come from the captions table.
    void SetHeadings(const std::vector<std::string>& headings);
    void ScrollToRow(int row);
    // The count and cycle columns, shown in statistics mode only.
    void ShowStatistics(bool shown);
    std::vector<int> SelectedRows() const;  // in no particular order

    // Wide enough for every column.
    QSize sizeHint() const override;

private:
    TrafficTableModel m_model;
    std::vector<std::string> m_headings;
};

}  // namespace tovrin::gui
