#pragma once
#include <optional>
#include <string>
#include <vector>

#include "config/transparent.h"
#include "records/local_time.h"

namespace tovrin {

enum class BoxIcon { None, Information, Warning, Stop };
enum class BoxButtons { Ok, YesNo };
enum class BoxResult { Ok, Yes, No };

struct PortInfo {
    std::string name;         // what the port drop-down lists
    std::string description;  // shown as a tooltip where the system has one
};

struct SaveChoice {
    std::string path;
    int filterIndex = 0;  // 1 text file, 2 workbook, 0 none
};

// The services the window controller asks of its surroundings. The Qt view provides
// them for real; tests provide a double with a fixed clock and scripted answers.
class Platform {
public:
    virtual ~Platform() = default;

    virtual void StartTimer(int timerId, int periodMs) = 0;
    virtual void StopTimer(int timerId) = 0;

    virtual BoxResult MessageBox(const std::string& text, const std::string& caption, BoxIcon icon,
                                 BoxButtons buttons = BoxButtons::Ok) = 0;

    virtual std::optional<SaveChoice> AskSaveFile(const std::vector<std::string>& filters) = 0;

    // The Transparent button's identifier dialog, modal. Cancel is an answer as well:
    // the window sends a packet for it too.
    virtual TransparentDialogResult RunTransparentDialog(bool english) = 0;
    // The converter's baud-rate dialog, modal, opened on initialEntry: the list
    // position chosen with OK (-1 for none), nothing after Cancel.
    virtual std::optional<int> RunChangeBaudDialog(bool english, int initialEntry) = 0;

    // nullopt when the system's list of ports cannot be read at all.
    virtual std::optional<std::vector<PortInfo>> ListSerialPorts() = 0;

    virtual LocalTime Now() = 0;
    virtual void Beep() = 0;
    virtual void ShowAbout() = 0;
    virtual void EndDialog(int result) = 0;
};

}  // namespace tovrin
