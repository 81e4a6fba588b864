// How long the traffic view takes with a large list: announcing appended rows,
// scrolling to the end, repainting, and a burst of in-place replacements.
#include <cstdio>
#include <string>

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>

#include "gui/traffic_view.h"

namespace {

tovrin::TrafficRecord Record(int n) {
    tovrin::TrafficRecord record;
    record.cells = {std::to_string(n), "Receive", "14:03:27:045", "Data frame", "Standard frame", "00000123", "8",
                    "00 01 02 03 04 05 06 07 "};
    return record;
}

double Millis(QElapsedTimer& timer) {
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    timer.restart();
    return ms;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rows = argc > 1 ? std::stoi(argv[1]) : 1'000'000;

    tovrin::TrafficList list;
    tovrin::gui::TrafficView view(list);
    view.SetHeadings({"No", "Direction", "Time scale", "Frame Type", "Frame Format", "Frame ID", "Data Length",
                      "Data(LDouble-click Hex->Dec)"});
    view.resize(800, 700);
    view.show();

    QElapsedTimer timer;
    timer.start();
    for (int n = 0; n < rows; ++n) list.ReplaceAt(n, Record(n));
    std::printf("fill list, %d rows:            %9.1f ms\n", rows, Millis(timer));
    view.trafficModel().Flush();
    std::printf("announce rows in one flush:     %9.1f ms\n", Millis(timer));
    view.ScrollToRow(rows - 1);
    std::printf("scroll to the last row:         %9.1f ms\n", Millis(timer));
    view.grab();
    std::printf("paint the visible rows:         %9.1f ms\n", Millis(timer));

    constexpr int burst = 5000;
    for (int n = 0; n < burst; ++n) list.ReplaceAt(n % rows, Record(n));
    view.trafficModel().Flush();
    view.grab();
    std::printf("%d replacements, flush, paint: %9.1f ms\n", burst, Millis(timer));

    for (int n = 0; n < burst; ++n) {
        list.ReplaceAt(list.size(), Record(n));
        if (n % 100 == 99) view.trafficModel().Flush();
    }
    view.grab();
    std::printf("%d appends flushed per 100:    %9.1f ms\n", burst, Millis(timer));
    return 0;
}
