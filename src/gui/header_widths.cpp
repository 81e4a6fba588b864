#include "gui/header_widths.h"

#include <algorithm>

#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

namespace tovrin::gui {

void SetSectionWidth(QHeaderView& header, int section, int width) {
    const QString heading = header.model()->headerData(section, header.orientation(), Qt::DisplayRole).toString();
    const int margins = 2 * header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header) + 8;
    header.resizeSection(section, std::max(width, header.fontMetrics().horizontalAdvance(heading) + margins));
}

int AllColumnsWidth(const QTableView& table) {
    return table.horizontalHeader()->length() + table.verticalScrollBar()->sizeHint().width() +
           2 * table.frameWidth();
}

}  // namespace tovrin::gui
