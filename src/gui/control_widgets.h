#pragma once
#include "app/control_model.h"

class QWidget;

namespace tovrin::gui {

// The widget for a control of any kind but a list (lists need their models).
QWidget* CreateControlWidget(const Control& control, QWidget* parent);

// Makes the widget show the control. The widget's signals are blocked meanwhile, so
// nothing of a model change ever comes back as a user action.
void ShowControl(QWidget& widget, const Control& control);

}  // namespace tovrin::gui
