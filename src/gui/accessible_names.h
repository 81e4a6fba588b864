#pragma once
#include <span>

namespace tovrin::gui {

// An edit, drop-down or list and the label or group box whose caption names it for
// assistive tools.
struct NamedBy {
    int captionId;
    int controlId;
};

std::span<const NamedBy> AccessibleNameSources();

}  // namespace tovrin::gui
