#pragma once
#include "config/transparent.h"

class QWidget;

namespace tovrin::gui {

// The Transparent button's dialog in the window's language: a local and a remote
// identifier, both starting at "00000000", taken as typed.
TransparentDialogResult RunTransparentDialog(bool english, QWidget* parent);

}  // namespace tovrin::gui
