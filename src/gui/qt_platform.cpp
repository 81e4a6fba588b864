#include "gui/qt_platform.h"

#include <chrono>

#include <QApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QStringList>

#include "gui/change_baud_dialog.h"
#include "gui/qt_text.h"
#include "gui/transparent_dialog.h"

namespace tovrin::gui {
namespace {

QMessageBox::Icon QtIcon(BoxIcon icon) {
    switch (icon) {
        case BoxIcon::Information: return QMessageBox::Information;
        case BoxIcon::Warning: return QMessageBox::Warning;
        case BoxIcon::Stop: return QMessageBox::Critical;
        case BoxIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

// Description, maker and serial number, where the system knows them.
std::string DescribePort(const QSerialPortInfo& info) {
    QStringList parts;
    for (const QString& part : {info.description(), info.manufacturer(), info.serialNumber()})
        if (!part.isEmpty()) parts << part;
    return ToUtf8(parts.join(QStringLiteral(", ")));
}

}  // namespace

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

std::string QtPlatform::PortDescription(const std::string& name) const {
    const auto found = m_portDescriptions.find(name);
    return found == m_portDescriptions.end() ? std::string{} : found->second;
}

// A timer started again runs with the new period from now on.
void QtPlatform::StartTimer(int timerId, int periodMs) {
    auto& timer = m_timers[timerId];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer.get(), &QTimer::timeout, [this, timerId] {
            if (m_onTimer) m_onTimer(timerId);
        });
    }
    timer->start(periodMs);
}

void QtPlatform::StopTimer(int timerId) {
    if (const auto found = m_timers.find(timerId); found != m_timers.end()) found->second->stop();
}

BoxResult QtPlatform::MessageBox(const std::string& text, const std::string& caption, BoxIcon icon,
                                 BoxButtons buttons) {
    const auto qtButtons = buttons == BoxButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
    QMessageBox box(QtIcon(icon), FromUtf8(caption), FromUtf8(text), qtButtons, m_window);
    const int answer = box.exec();
    if (buttons == BoxButtons::Ok) return BoxResult::Ok;
    return answer == QMessageBox::Yes ? BoxResult::Yes : BoxResult::No;
}

// Each filter is one entry of the dialog's type list; the answer counts them from 1.
std::optional<SaveChoice> QtPlatform::AskSaveFile(const std::vector<std::string>& filters) {
    QStringList qtFilters;
    for (const std::string& filter : filters) qtFilters << FromUtf8(filter);
    QFileDialog dialog(m_window);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(qtFilters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return SaveChoice{ToUtf8(dialog.selectedFiles().front()),
                      static_cast<int>(qtFilters.indexOf(dialog.selectedNameFilter())) + 1};
}

TransparentDialogResult QtPlatform::RunTransparentDialog(bool english) {
    return gui::RunTransparentDialog(english, m_window);
}

std::optional<int> QtPlatform::RunChangeBaudDialog(bool english, int initialEntry) {
    return gui::RunChangeBaudDialog(english, initialEntry, m_window);
}

std::optional<std::vector<PortInfo>> QtPlatform::ListSerialPorts() {
    std::vector<PortInfo> ports;
    m_portDescriptions.clear();
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        PortInfo port{ToUtf8(info.systemLocation()), DescribePort(info)};
        m_portDescriptions[port.name] = port.description;
        ports.push_back(std::move(port));
    }
    return ports;
}

LocalTime QtPlatform::Now() {
    const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(
                            std::chrono::system_clock::now().time_since_epoch())
                            .count();
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(micros / 1000);
    const QDate date = local.date();
    const QTime time = local.time();
    return LocalTime{date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second(),
                     time.msec(), micros};
}

void QtPlatform::Beep() { QApplication::beep(); }

void QtPlatform::ShowAbout() {
    QMessageBox box(m_window);
    box.setWindowTitle(QStringLiteral("关于CAN数据分析仪"));
    box.setIcon(QMessageBox::Information);
    box.setText(QStringLiteral("软件版本 v7.10A 硬件版本 V.2.00"));
    box.setInformativeText(QStringLiteral("Tovrin — host tool for USB-to-CAN converters"));
    box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    box.exec();
}

void QtPlatform::EndDialog(int result) {
    if (m_onEnd) m_onEnd(result);
}

}  // namespace tovrin::gui
