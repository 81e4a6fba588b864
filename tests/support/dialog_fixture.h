#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "app/kelvara_dlg.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace tovrin::test {

// A started window over a settings file of its own.
class DialogTest : public ::testing::Test {
protected:
    // Settings lines to put in the file before the window starts.
    void WriteSettings(const std::string& ini) { WriteFileBytes(SettingsPath(), ini); }
    std::string SettingsPath() const { return dir.File("cfgCANA.ini"); }
    std::string Settings() const { return ReadFileBytes(SettingsPath()); }

    CKelvaraDlg& Start() {
        dlg = std::make_unique<CKelvaraDlg>(platform, SettingsPath());
        dlg->OnInitDialog();
        return *dlg;
    }

    const Control& C(int controlId) const { return dlg->controls().Get(controlId); }

    TempDir dir;
    FakePlatform platform;
    std::unique_ptr<CKelvaraDlg> dlg;
};

}  // namespace tovrin::test
