#pragma once
#include <map>

class QWidget;

namespace tovrin::gui {

// Places the control widgets: the traffic list with its tool row on the left half,
// the configuration groups and the eight send rows on the right. Controls that are
// never shown stay out of the layout. The sample point goes beside the custom rate.
void LayOutWindow(QWidget& window, const std::map<int, QWidget*>& widgets, QWidget& samplePoint);

}  // namespace tovrin::gui
