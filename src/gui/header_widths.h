#pragma once

class QHeaderView;
class QTableView;

namespace tovrin::gui {

// Gives a column the width the captions table asks for, or more when the heading
// would not fit in the font in use.
void SetSectionWidth(QHeaderView& header, int section, int width);

// The width at which a table shows every column.
int AllColumnsWidth(const QTableView& table);

}  // namespace tovrin::gui
