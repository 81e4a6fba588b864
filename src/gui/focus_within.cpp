#include "gui/focus_within.h"

#include <QWidget>

namespace tovrin::gui {

// parentWidget() crosses window boundaries, so a drop-down's popup counts as inside.
bool IsWithin(const QWidget* widget, const QWidget* root) {
    for (; widget; widget = widget->parentWidget())
        if (widget == root) return true;
    return false;
}

}  // namespace tovrin::gui
