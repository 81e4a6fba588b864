#pragma once
#include <optional>
#include <string>
#include <vector>

#include "sim/traffic_plan.h"

namespace tovrin::sim {

struct SimOptions {
    std::optional<TrafficPlan> plan;  // nothing: only answer what the host sends
    bool exitAfter = false;
    std::optional<unsigned> baud;
    bool help = false;
};

// Throws std::invalid_argument naming the option at fault.
SimOptions ParseSimOptions(const std::vector<std::string>& args);
std::string SimHelpText();

}  // namespace tovrin::sim
