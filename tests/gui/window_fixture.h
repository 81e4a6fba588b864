#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include <QTest>
#include <QWidget>

#include "app/kelvara_dlg.h"
#include "gui/main_window.h"
#include "gui/qt_platform.h"
#include "support/temp_dir.h"

namespace tovrin::test {

// The real window over a settings file of its own, shown and active.
class WindowTest : public ::testing::Test {
protected:
    void Start(const std::string& settings = {}) {
        if (!settings.empty()) WriteFileBytes(SettingsPath(), settings);
        dlg = std::make_unique<CKelvaraDlg>(platform, SettingsPath());
        window = std::make_unique<gui::MainWindow>(*dlg, platform);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void TearDown() override {
        window.reset();
        dlg.reset();
    }

    template <class W>
    W& Widget(int controlId) const {
        auto* widget = qobject_cast<W*>(window->widgetFor(controlId));
        if (!widget) throw std::logic_error("no widget of that type for control " + std::to_string(controlId));
        return *widget;
    }

    std::string SettingsPath() const { return dir.File("cfgCANA.ini"); }
    std::string Settings() const { return ReadFileBytes(SettingsPath()); }
    bool SettingsHave(const std::string& line) const { return Settings().find(line) != std::string::npos; }

    TempDir dir;
    gui::QtPlatform platform;
    std::unique_ptr<CKelvaraDlg> dlg;
    std::unique_ptr<gui::MainWindow> window;
};

}  // namespace tovrin::test
