#include <algorithm>
#include <cstdio>

#include <QApplication>
#include <QByteArray>
#include <QCommandLineParser>
#include <QPixmap>
#include <QTimer>

#include "app/control_ids.h"
#include "app/kelvara_dlg.h"
#include "gui/main_window.h"
#include "gui/qt_platform.h"

namespace {

struct Options {
    bool chinese = false;
    bool demo = false;
    QString screenshot;  // empty: none
    int screenshotDelayMs = 1000;
};

Options ParseOptions(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Tovrin: host tool for USB-to-CAN converters.\n"
        "Settings are kept in cfgCANA.ini in the working directory. With no converter\n"
        "plugged in, choose the port \"virtual converter (demo)\" to watch sample traffic."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption chinese(QStringLiteral("chinese"),
                                     QStringLiteral("Show the window in Chinese (the language menu switches back)."));
    const QCommandLineOption demo(QStringLiteral("demo"),
                                  QStringLiteral("Open the virtual converter and start it, as a user would."));
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"), QStringLiteral("Save a picture of the window to <file>, then quit."),
        QStringLiteral("file"));
    const QCommandLineOption delay(QStringLiteral("screenshot-delay"),
                                   QStringLiteral("Milliseconds the window is shown before the picture (1000)."),
                                   QStringLiteral("ms"), QStringLiteral("1000"));
    parser.addOptions({chinese, demo, screenshot, delay});
    parser.process(app);
    return {parser.isSet(chinese), parser.isSet(demo), parser.value(screenshot), parser.value(delay).toInt()};
}

void NameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("tovrin"));
    QCoreApplication::setApplicationVersion(QStringLiteral("7.10A"));
}

// The user's three steps: choose the virtual converter, open it, set it up and start it.
void StartDemo(tovrin::CKelvaraDlg& dlg) {
    const auto& ports = dlg.controls().Get(tovrin::id::PORT).items;
    const auto found = std::find(ports.begin(), ports.end(), tovrin::VIRTUAL_PORT_NAME);
    if (found == ports.end()) return;
    dlg.Choose(tovrin::id::PORT, static_cast<int>(found - ports.begin()));
    dlg.Click(tovrin::id::OPEN);
    dlg.Click(tovrin::id::SET_AND_START);
}

// Help and version need no display.
bool AsksForHelpOrVersion(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-h" || arg == "--help" || arg == "--help-all" || arg == "-v" || arg == "--version") return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (AsksForHelpOrVersion(argc, argv)) {
        QCoreApplication info(argc, argv);
        NameApplication();
        ParseOptions(info);  // prints the answer and exits
    }
    QApplication app(argc, argv);
    NameApplication();
    const Options options = ParseOptions(app);

    tovrin::gui::QtPlatform platform;
    tovrin::CKelvaraDlg dlg(platform);
    tovrin::gui::MainWindow window(dlg, platform);
    QObject::connect(&window, &tovrin::gui::MainWindow::RunEnded, &app, &QApplication::quit);
    if (options.chinese) dlg.OnLanguageSwitch();
    window.show();
    if (options.demo) StartDemo(dlg);

    bool pictureFailed = false;
    if (!options.screenshot.isEmpty()) {
        QTimer::singleShot(options.screenshotDelayMs, &window, [&] {
            pictureFailed = !window.grab().save(options.screenshot);
            if (pictureFailed) std::fprintf(stderr, "tovrin: cannot write %s\n", qPrintable(options.screenshot));
            window.close();
        });
    }
    const int status = app.exec();
    return pictureFailed ? 1 : status;
}
