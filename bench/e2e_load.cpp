// The real window (offscreen) on a virtual converter at the line's limit, with Auto
// Save on, for a minute: what reached the ring and the automatic files is checked
// against what the converter generated, and the UI thread's longest stall is timed.
//   e2e_load [--seconds N]
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "app/control_ids.h"
#include "app/kelvara_dlg.h"
#include "gui/main_window.h"
#include "gui/qt_platform.h"
#include "frame_number.h"
#include "sim/virtual_converter.h"
#include "support/process_census.h"

using namespace tovrin;
using bench::FrameNumber;

namespace {

constexpr unsigned LINE_BAUD = 2000000;
constexpr double FRAMES_PER_SECOND = 15000;  // eight-byte standard frames at 2,000,000 baud 8N1

// A working directory of its own: the settings and the automatic files land there.
class WorkDir {
public:
    WorkDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tovrin-e2e-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
        std::filesystem::current_path(path_);
    }
    ~WorkDir() {
        std::error_code ignored;
        std::filesystem::current_path("/", ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Frames of the plan missing from the automatic text files (or there twice).
uint64_t LostFromFiles(const std::filesystem::path& dir, uint64_t count) {
    std::vector<uint8_t> seen(count, 0);
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (entry.path().extension() != ".txt") continue;
        std::ifstream file(entry.path(), std::ios::binary);
        std::string line;
        std::getline(file, line);  // the header
        while (std::getline(file, line)) {
            const size_t end = line.find_last_not_of(" \r");
            uint64_t number = 0;
            if (end == std::string::npos || end < 22 || !FrameNumber(line.substr(end - 22, 23), number)) continue;
            if (number < count && seen[number] < 2) ++seen[number];
        }
    }
    return static_cast<uint64_t>(std::count_if(seen.begin(), seen.end(), [](uint8_t n) { return n != 1; }));
}

// Rows of the ring that do not hold the frame the counter put there: frame k goes to
// row k mod the ring's size, and the ring keeps the last frames.
uint64_t LostFromRing(const TrafficList& list, uint64_t count) {
    const uint64_t rows = static_cast<uint64_t>(list.size());
    uint64_t wrong = count < rows ? rows - count : 0;
    for (uint64_t row = 0; row < std::min(rows, count); ++row) {
        const uint64_t lastRound = (count - 1 - row) / rows * rows + row;  // last frame meant for this row
        uint64_t number = 0;
        if (!FrameNumber(list.row(static_cast<int>(row))[TrafficColumn::Data], number) || number != lastRound) ++wrong;
    }
    return wrong;
}

// The longest gap between ticks of a 10 ms timer on the UI thread.
class StallMeter : public QObject {
public:
    StallMeter() {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] {
            maxGapMs_ = std::max(maxGapMs_, since_.nsecsElapsed() / 1000000);
            since_.restart();
        });
        since_.start();
        timer_.start(10);
    }
    qint64 maxGapMs() const { return maxGapMs_; }

private:
    QTimer timer_;
    QElapsedTimer since_;
    qint64 maxGapMs_ = 0;
};

void ChooseLineRate(CKelvaraDlg& dlg) {
    const auto& rates = dlg.controls().Get(id::COM_BAUD).items;
    const auto found = std::find(rates.begin(), rates.end(), std::to_string(LINE_BAUD));
    if (found != rates.end()) dlg.Choose(id::COM_BAUD, static_cast<int>(found - rates.begin()));
}

sim::TrafficPlan LinePacedPlan(int seconds) {
    sim::TrafficPlan plan;
    plan.ratePerSecond = FRAMES_PER_SECOND;
    plan.count = static_cast<uint64_t>(FRAMES_PER_SECOND) * static_cast<uint64_t>(seconds);
    plan.idCount = 16;
    plan.length = 8;
    plan.form = sim::FormMix::DataPackets;
    plan.raw = true;
    return plan;
}

// The frame number in the row the last record went to, or nothing yet.
std::optional<uint64_t> LastPlacedFrame(CKelvaraDlg& dlg) {
    const int row = dlg.lastPlacedRow();
    uint64_t number = 0;
    if (row < 0 || !FrameNumber(dlg.trafficList().row(row)[TrafficColumn::Data], number)) return std::nullopt;
    return number;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const int seconds = test::PositiveOption(argc, argv, "--seconds", 60);
    QApplication app(argc, argv);
    WorkDir dir;

    sim::VirtualConverter converter;
    converter.Start();
    gui::QtPlatform platform;
    CKelvaraDlg dlg(platform);
    gui::MainWindow window(dlg, platform);
    window.show();

    ChooseLineRate(dlg);
    dlg.Type(id::PORT, converter.DevicePath());
    dlg.Click(id::OPEN);
    if (!dlg.port().IsOpen()) {
        std::fprintf(stderr, "cannot open %s\n", converter.DevicePath().c_str());
        return 1;
    }
    dlg.Click(id::AUTO_SAVE);

    // The load and the stall meter start once the window is up and the loop runs.
    const sim::TrafficPlan plan = LinePacedPlan(seconds);
    std::unique_ptr<StallMeter> stalls;
    QElapsedTimer elapsed;
    QTimer::singleShot(0, &app, [&] {
        stalls = std::make_unique<StallMeter>();
        elapsed.start();
        converter.Generate(plan);
        QTimer::singleShot(10000, &app, [] {
            std::printf("rss_mb_at_10s=%.1f\n", test::ResidentMegabytes());
            std::fflush(stdout);
        });
    });
    // Done when the last frame is placed, or when nothing new has come for five seconds.
    std::optional<uint64_t> lastSeen;
    qint64 lastProgressMs = 0, endMs = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &app, [&] {
        if (!elapsed.isValid()) return;
        const auto placed = LastPlacedFrame(dlg);
        if (placed != lastSeen) {
            lastSeen = placed;
            lastProgressMs = elapsed.elapsed();
        }
        if ((placed && *placed + 1 == plan.count) || elapsed.elapsed() - lastProgressMs > 5000) {
            endMs = lastProgressMs;
            app.quit();
        }
    });
    watch.start(50);
    app.exec();
    const qint64 maxStallMs = stalls->maxGapMs();
    const uint64_t placed = lastSeen ? *lastSeen + 1 : 0;

    const uint64_t lost = LostFromRing(dlg.trafficList(), plan.count) + LostFromFiles(dir.path(), plan.count);
    const double perSecond = endMs > 0 ? static_cast<double>(placed) * 1000.0 / static_cast<double>(endMs) : 0;
    std::printf("generated=%llu seconds=%.1f ring_rows=%d\n", static_cast<unsigned long long>(converter.Generated()),
                static_cast<double>(endMs) / 1000.0, dlg.trafficList().size());
    std::printf("frames_per_s=%.0f lost=%llu ui_max_stall_ms=%lld rss_mb=%.1f\n", perSecond,
                static_cast<unsigned long long>(lost), static_cast<long long>(maxStallMs), test::ResidentMegabytes());
    dlg.Click(id::CLOSE);
    return lost == 0 ? 0 : 1;
}
