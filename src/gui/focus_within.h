#pragma once

class QWidget;

namespace tovrin::gui {

// Whether the widget is the root or lies inside it, popups of its children included.
bool IsWithin(const QWidget* widget, const QWidget* root);

}  // namespace tovrin::gui
