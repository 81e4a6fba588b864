#include "gui/traffic_table_model.h"

#include <algorithm>

#include "gui/qt_text.h"

namespace tovrin::gui {
namespace {

constexpr int COLUMN_COUNT = TRAFFIC_COLUMN_COUNT + STATISTICS_COLUMN_COUNT;

}  // namespace

TrafficTableModel::TrafficTableModel(TrafficList& list, QObject* parent) : QAbstractTableModel(parent), m_list(list) {
    m_knownRows = m_list.size();
    m_flushTimer.setSingleShot(true);
    m_flushTimer.setInterval(FLUSH_INTERVAL_MS);
    connect(&m_flushTimer, &QTimer::timeout, this, &TrafficTableModel::Flush);
    m_list.SetObserver(this);
}

TrafficTableModel::~TrafficTableModel() { m_list.SetObserver(nullptr); }

void TrafficTableModel::SetHeadings(const QStringList& headings) {
    m_headings = headings;
    emit headerDataChanged(Qt::Horizontal, 0, COLUMN_COUNT - 1);
}

int TrafficTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_knownRows; }

int TrafficTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : COLUMN_COUNT;
}

QVariant TrafficTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_knownRows) return {};
    if (index.column() < TRAFFIC_COLUMN_COUNT)
        return FromUtf8(m_list.row(index.row()).cells[static_cast<size_t>(index.column())]);
    const auto column = static_cast<StatisticsColumn>(index.column() - TRAFFIC_COLUMN_COUNT);
    return FromUtf8(StatisticsText(m_list.statistics(index.row()), column));
}

QVariant TrafficTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole || section < 0 || section >= m_headings.size()) return {};
    return m_headings[section];
}

void TrafficTableModel::MarkDirty() {
    if (!m_flushTimer.isActive()) m_flushTimer.start();
}

void TrafficTableModel::RowsChanged(int first, int last) {
    // Rows past the known ones are announced as new rows by the flush anyway.
    last = std::min(last, m_knownRows - 1);
    if (first > last) return;
    m_dirtyFirst = m_dirtyFirst < 0 ? first : std::min(m_dirtyFirst, first);
    m_dirtyLast = std::max(m_dirtyLast, last);
    MarkDirty();
}

void TrafficTableModel::RowAppended(int) { MarkDirty(); }

void TrafficTableModel::AboutToClear() {
    m_flushTimer.stop();
    beginResetModel();
}

void TrafficTableModel::Cleared() {
    m_knownRows = m_list.size();
    m_dirtyFirst = m_dirtyLast = -1;
    endResetModel();
}

void TrafficTableModel::Flush() {
    m_flushTimer.stop();
    const bool changed = m_dirtyFirst >= 0 || m_list.size() != m_knownRows;
    if (m_dirtyFirst >= 0) {
        emit dataChanged(index(m_dirtyFirst, 0), index(m_dirtyLast, COLUMN_COUNT - 1), {Qt::DisplayRole});
        m_dirtyFirst = m_dirtyLast = -1;
    }
    if (m_list.size() > m_knownRows) {
        beginInsertRows({}, m_knownRows, m_list.size() - 1);
        m_knownRows = m_list.size();
        endInsertRows();
    }
    if (changed) emit Flushed();
}

}  // namespace tovrin::gui
