#pragma once
#include <QAbstractTableModel>
#include <QStringList>
#include <QTimer>

#include "records/traffic_list.h"

namespace tovrin::gui {

// The traffic list as a table, read in place. Changes are gathered and announced to
// the view in one batch per flush, so a fast bus costs one repaint per flush instead
// of one per frame. Clearing is announced at once: the rows are gone. After the
// record's eight columns come the row's statistics.
class TrafficTableModel : public QAbstractTableModel, private TrafficListObserver {
    Q_OBJECT
public:
    static constexpr int FLUSH_INTERVAL_MS = 80;

    explicit TrafficTableModel(TrafficList& list, QObject* parent = nullptr);
    ~TrafficTableModel() override;

    void SetHeadings(const QStringList& headings);
    // Announces what changed since the last flush; the timer calls it too.
    void Flush();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    // Rows were announced or repainted by a flush.
    void Flushed();

private:
    void RowsChanged(int first, int last) override;
    void RowAppended(int position) override;
    void AboutToClear() override;
    void Cleared() override;
    void MarkDirty();

    TrafficList& m_list;
    QStringList m_headings;
    QTimer m_flushTimer;
    int m_knownRows = 0;  // rows the view has been told about
    int m_dirtyFirst = -1, m_dirtyLast = -1;
};

}  // namespace tovrin::gui
