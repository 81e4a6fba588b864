#include "gui/traffic_view.h"

#include <QHeaderView>

#include "app/captions.h"
#include "gui/header_widths.h"
#include "gui/qt_text.h"

namespace tovrin::gui {

TrafficView::TrafficView(TrafficList& list, QWidget* parent) : QTableView(parent), m_model(list) {
    setModel(&m_model);
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    QHeaderView* rows = verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    ShowStatistics(false);
}

void TrafficView::ShowStatistics(bool shown) {
    for (int column = TRAFFIC_COLUMN_COUNT; column < m_model.columnCount(); ++column) setColumnHidden(column, !shown);
}

void TrafficView::SetHeadings(const std::vector<std::string>& headings) {
    if (headings == m_headings) return;  // the user's column widths stay
    m_headings = headings;
    QStringList texts;
    for (const std::string& h : headings) texts << FromUtf8(h);
    m_model.SetHeadings(texts);

    // A heading in either language picks its own width.
    const auto table = TrafficListHeadings();
    for (size_t i = 0; i < headings.size() && i < table.size(); ++i) {
        const int width = headings[i] == table[i].english ? table[i].englishWidth : table[i].chineseWidth;
        SetSectionWidth(*horizontalHeader(), static_cast<int>(i), width);
    }
}

QSize TrafficView::sizeHint() const {
    return {AllColumnsWidth(*this), QTableView::sizeHint().height()};
}

void TrafficView::ScrollToRow(int row) {
    if (row >= 0 && row < m_model.rowCount()) scrollTo(m_model.index(row, 0), QAbstractItemView::EnsureVisible);
}

std::vector<int> TrafficView::SelectedRows() const {
    std::vector<int> rows;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row) rows.push_back(row);
    return rows;
}

}  // namespace tovrin::gui
