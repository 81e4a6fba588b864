#pragma once
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/platform.h"

namespace tovrin::test {

struct ShownBox {
    std::string text, caption;
    BoxIcon icon;
};

// The window's surroundings for tests: a settable clock, scripted answers, and a
// record of every box, timer and beep.
class FakePlatform : public Platform {
public:
    void StartTimer(int timerId, int periodMs) override { timers[timerId] = periodMs; }
    void StopTimer(int timerId) override { timers.erase(timerId); }
    BoxResult MessageBox(const std::string& text, const std::string& caption, BoxIcon icon, BoxButtons) override {
        boxes.push_back({text, caption, icon});
        return boxAnswer;
    }
    std::optional<SaveChoice> AskSaveFile(const std::vector<std::string>& filters) override {
        saveFilters = filters;
        return saveChoice;
    }
    TransparentDialogResult RunTransparentDialog(bool english) override {
        transparentDialogs.push_back(english);
        return transparentAnswer;
    }
    // OK leaves the list where it opened unless the test chose an entry.
    std::optional<int> RunChangeBaudDialog(bool english, int initialEntry) override {
        baudDialogs.push_back({english, initialEntry});
        if (!baudConfirmed) return std::nullopt;
        return baudEntry.value_or(initialEntry);
    }
    std::optional<std::vector<PortInfo>> ListSerialPorts() override { return ports; }
    LocalTime Now() override { return now; }
    void Beep() override { ++beeps; }
    void ShowAbout() override { ++aboutShown; }
    void EndDialog(int result) override { endedWith = result; }

    bool TimerRunning(int timerId) const { return timers.count(timerId) != 0; }

    std::map<int, int> timers;
    std::vector<ShownBox> boxes;
    BoxResult boxAnswer = BoxResult::Ok;
    std::optional<SaveChoice> saveChoice;
    std::vector<std::string> saveFilters;
    TransparentDialogResult transparentAnswer;
    std::vector<bool> transparentDialogs;  // the language of each one shown
    bool baudConfirmed = true;
    std::optional<int> baudEntry;
    struct BaudDialog {
        bool english;
        int initialEntry;
    };
    std::vector<BaudDialog> baudDialogs;
    std::optional<std::vector<PortInfo>> ports = std::vector<PortInfo>{};
    LocalTime now{2026, 12, 11, 14, 3, 27, 45, 1796997807045000};
    int beeps = 0;
    int aboutShown = 0;
    std::optional<int> endedWith;
};

}  // namespace tovrin::test
