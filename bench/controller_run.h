// The window controller driven as the window drives it, without a view: the serial
// channel's deliveries and the 200 ms refresh tick run on this thread, fed by a
// virtual converter. Shared by the controller benchmarks.
#pragma once
#include <poll.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "app/control_ids.h"
#include "app/kelvara_dlg.h"
#include "frame_number.h"
#include "sim/virtual_converter.h"

namespace tovrin::bench {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// What the controller needs of its surroundings: a real clock, and boxes printed.
class BenchPlatform : public Platform {
public:
    void StartTimer(int, int) override {}
    void StopTimer(int) override {}
    BoxResult MessageBox(const std::string& text, const std::string&, BoxIcon, BoxButtons) override {
        std::fprintf(stderr, "box: %s\n", text.c_str());
        ++boxes;
        return BoxResult::Ok;
    }
    std::optional<SaveChoice> AskSaveFile(const std::vector<std::string>&) override { return std::nullopt; }
    TransparentDialogResult RunTransparentDialog(bool) override { return {}; }
    std::optional<int> RunChangeBaudDialog(bool, int) override { return std::nullopt; }
    std::optional<std::vector<PortInfo>> ListSerialPorts() override { return std::vector<PortInfo>{}; }
    LocalTime Now() override {
        const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(
                                std::chrono::system_clock::now().time_since_epoch())
                                .count();
        const time_t seconds = static_cast<time_t>(micros / 1000000);
        tm local{};
        localtime_r(&seconds, &local);
        return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                local.tm_sec,         static_cast<int>(micros / 1000 % 1000), micros};
    }
    void Beep() override {}
    void ShowAbout() override {}
    void EndDialog(int) override {}

    int boxes = 0;
};

// Every frame of a plan carries its number in its data, low byte first; a row placed
// with a number out of turn shows frames lost on the way.
class PlacedFrames : public TrafficListObserver {
public:
    void Watch(TrafficList& list) {
        list_ = &list;
        list.SetObserver(this);
    }
    void RowsChanged(int first, int) override { Count(first); }
    void RowAppended(int position) override { Count(position); }
    void Restart() { placed = next = outOfTurn = 0; }

    uint64_t placed = 0, next = 0, outOfTurn = 0;

private:
    void Count(int position) {
        const std::string& data = list_->row(position)[TrafficColumn::Data];
        uint64_t number = 0;
        if (!FrameNumber(data, number) || number != next) ++outOfTurn;
        next = number + 1;
        ++placed;
    }

    const TrafficList* list_ = nullptr;
};

struct RunResult {
    double seconds = 0;
    uint64_t frames = 0;
    uint64_t lost = 0;
    double perSecond() const { return seconds > 0 ? static_cast<double>(frames) / seconds : 0; }
};

// A working directory of its own (automatic record files land there), the settings
// file in it, and the controller with its port open on the converter.
class ControllerRun {
public:
    ControllerRun() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tovrin-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        dir_ = pattern;
        std::filesystem::current_path(dir_);
        dlg_ = std::make_unique<CKelvaraDlg>(platform_, "cfgCANA.ini");
        dlg_->OnInitDialog();
        placed_.Watch(dlg_->trafficList());
        converter_.Start();
    }
    ~ControllerRun() {
        dlg_.reset();
        converter_.Stop();
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }

    CKelvaraDlg& dlg() { return *dlg_; }
    const std::filesystem::path& dir() const { return dir_; }
    int boxes() const { return platform_.boxes; }

    // Opens the port and waits for the converter's answer to a bus state query, so that
    // the monitor thread is known to run before any traffic starts.
    bool Open() {
        dlg_->Type(id::PORT, converter_.DevicePath());
        dlg_->Click(id::OPEN);
        if (!dlg_->port().IsOpen()) return false;
        const std::string before = dlg_->controls().Get(id::BUS_STATE).text;
        dlg_->Click(id::BUS_MONITOR);
        const auto deadline = Clock::now() + 10s;
        while (dlg_->controls().Get(id::BUS_STATE).text == before && Clock::now() < deadline) Pump();
        return dlg_->controls().Get(id::BUS_STATE).text != before;
    }

    // Runs the plan (which must have an end) until every frame is placed, or nothing
    // has come for five seconds.
    RunResult Receive(const sim::TrafficPlan& plan) {
        placed_.Restart();
        const auto start = Clock::now();
        converter_.Generate(plan);
        auto lastProgress = start;
        auto nextTick = start + 200ms;
        uint64_t seen = 0;
        while (placed_.placed < plan.count && Clock::now() - lastProgress < 5s) {
            Pump();
            if (placed_.placed != seen) {
                seen = placed_.placed;
                lastProgress = Clock::now();
            }
            if (Clock::now() >= nextTick) {
                dlg_->OnTimer(REFRESH_TIMER);
                nextTick += 200ms;
            }
        }
        RunResult result;
        result.seconds = std::chrono::duration<double>(lastProgress - start).count();
        result.frames = placed_.placed;
        result.lost = plan.count - placed_.placed + placed_.outOfTurn;
        return result;
    }

private:
    void Pump() {
        pollfd fd{dlg_->port().NotifyFd(), POLLIN, 0};
        if (poll(&fd, 1, 20) > 0) dlg_->port().DeliverPending();
    }

    std::filesystem::path dir_;
    BenchPlatform platform_;
    sim::VirtualConverter converter_;
    std::unique_ptr<CKelvaraDlg> dlg_;
    PlacedFrames placed_;
};

// Frames as fast as the line takes them, both packet forms, numbered in their data.
inline sim::TrafficPlan FullRatePlan(uint64_t count, uint32_t idCount) {
    sim::TrafficPlan plan;
    plan.ratePerSecond = 0;
    plan.count = count;
    plan.idCount = idCount;
    plan.raw = true;
    plan.form = sim::FormMix::Mixed;
    return plan;
}

}  // namespace tovrin::bench
