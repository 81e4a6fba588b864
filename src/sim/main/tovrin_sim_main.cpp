// tovrin-sim: a virtual converter for trying and testing the host tool without hardware.
#include <signal.h>

#include <chrono>
#include <cstdio>
#include <exception>
#include <iostream>

#include "sim/sim_options.h"
#include "sim/virtual_converter.h"

namespace {

using namespace std::chrono_literals;

// True when SIGINT or SIGTERM came within `wait`.
bool Signalled(const sigset_t& stopSignals, std::chrono::milliseconds wait) {
    const timespec timeout{0, std::chrono::nanoseconds(wait).count()};
    return sigtimedwait(&stopSignals, nullptr, &timeout) > 0;
}

int Run(const tovrin::sim::SimOptions& options, const sigset_t& stopSignals) {
    tovrin::sim::VirtualConverter converter;
    converter.SetLineSpeed(options.baud);
    std::cout << converter.DevicePath() << std::endl;
    converter.Start();
    if (options.plan) converter.Generate(*options.plan);
    while (!Signalled(stopSignals, 100ms)) {
        if (options.exitAfter && converter.WaitGenerated(0ms)) {
            converter.WaitHostRead(5s);
            break;
        }
    }
    converter.Stop();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    tovrin::sim::SimOptions options;
    try {
        options = tovrin::sim::ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::invalid_argument& e) {
        std::cerr << "tovrin-sim: " << e.what() << "\nTry 'tovrin-sim --help'.\n";
        return 2;
    }
    if (options.help) {
        std::cout << tovrin::sim::SimHelpText();
        return 0;
    }
    // Taken by sigtimedwait alone; blocked before any thread starts, so every thread inherits it.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    try {
        return Run(options, stopSignals);
    } catch (const std::exception& e) {
        std::cerr << "tovrin-sim: " << e.what() << "\n";
        return 1;
    }
}
