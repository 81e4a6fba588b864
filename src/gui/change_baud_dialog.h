#pragma once
#include <optional>

class QWidget;

namespace tovrin::gui {

// The converter's baud-rate dialog in the window's language, opened on initialEntry:
// the list position chosen with Change (-1 for none), nothing after Cancel.
std::optional<int> RunChangeBaudDialog(bool english, int initialEntry, QWidget* parent);

}  // namespace tovrin::gui
