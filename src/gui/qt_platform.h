#pragma once
#include <functional>
#include <map>
#include <memory>
#include <string>

#include <QTimer>

#include "app/platform.h"

class QWidget;

namespace tovrin::gui {

// The controller's surroundings on Qt: timers, boxes, the save dialog, the port list
// and the clock. Timer ticks and the end of the run go to the handlers it is given.
class QtPlatform : public Platform {
public:
    using TimerHandler = std::function<void(int timerId)>;
    using EndHandler = std::function<void(int result)>;

    QtPlatform();
    ~QtPlatform() override;

    // Boxes and dialogs open over this window.
    void SetWindow(QWidget* window) { m_window = window; }
    void SetTimerHandler(TimerHandler handler) { m_onTimer = std::move(handler); }
    void SetEndHandler(EndHandler handler) { m_onEnd = std::move(handler); }

    // What the system said about a port of the last listing, for tooltips.
    std::string PortDescription(const std::string& name) const;

    void StartTimer(int timerId, int periodMs) override;
    void StopTimer(int timerId) override;
    BoxResult MessageBox(const std::string& text, const std::string& caption, BoxIcon icon,
                         BoxButtons buttons) override;
    std::optional<SaveChoice> AskSaveFile(const std::vector<std::string>& filters) override;
    TransparentDialogResult RunTransparentDialog(bool english) override;
    std::optional<int> RunChangeBaudDialog(bool english, int initialEntry) override;
    std::optional<std::vector<PortInfo>> ListSerialPorts() override;
    LocalTime Now() override;
    void Beep() override;
    void ShowAbout() override;
    void EndDialog(int result) override;

private:
    QWidget* m_window = nullptr;
    TimerHandler m_onTimer;
    EndHandler m_onEnd;
    std::map<int, std::unique_ptr<QTimer>> m_timers;
    std::map<std::string, std::string> m_portDescriptions;
};

}  // namespace tovrin::gui
