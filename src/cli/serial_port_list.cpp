#include "cli/serial_port_list.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "cli/cli_error.h"

namespace tovrin::cli {
namespace fs = std::filesystem;
namespace {

const fs::path TTY_CLASS = "/sys/class/tty";
const fs::path BY_ID_DIRECTORY = "/dev/serial/by-id";

std::string FirstLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

// The first driver above the terminal's device that is not the serial core's own
// port layer ("port", "ctrl" on newer kernels).
std::string DriverOf(const fs::path& device) {
    std::error_code error;
    for (fs::path dir = device; dir.has_relative_path(); dir = dir.parent_path()) {
        const fs::path driver = fs::canonical(dir / "driver", error);
        if (error) continue;
        if (driver.parent_path().parent_path().filename() != "serial-base") return driver.filename().string();
    }
    return {};
}

// Maker and product of the USB device the terminal belongs to, if it is one.
std::string UsbNameOf(const fs::path& device) {
    std::error_code error;
    for (fs::path dir = device; dir.has_relative_path(); dir = dir.parent_path()) {
        if (!fs::exists(dir / "idVendor", error)) continue;
        const std::string maker = FirstLine(dir / "manufacturer"), product = FirstLine(dir / "product");
        return maker.empty() || product.empty() ? maker + product : maker + " " + product;
    }
    return {};
}

std::vector<fs::path> ByIdLinksTo(const fs::path& devicePath) {
    std::vector<fs::path> links;
    std::error_code error;
    for (const fs::directory_entry& link : fs::directory_iterator(BY_ID_DIRECTORY, error)) {
        std::error_code linkError;
        if (fs::canonical(link.path(), linkError) == devicePath && !linkError) links.push_back(link.path());
    }
    std::sort(links.begin(), links.end());
    return links;
}

void AddPart(std::string& text, const std::string& part) {
    if (part.empty()) return;
    if (!text.empty()) text += ' ';
    text += part;
}

std::string DescriptionOf(const fs::path& device, const fs::path& devicePath) {
    std::string text = UsbNameOf(device);
    const std::string driver = DriverOf(device);
    if (!driver.empty()) AddPart(text, "(" + driver + ")");
    for (const fs::path& link : ByIdLinksTo(devicePath)) AddPart(text, link.string());
    return text.empty() ? "serial port" : text;
}

// A UART slot the kernel knows but that has no chip behind it says type 0.
bool IsEmptyUartSlot(const fs::path& tty) {
    std::error_code error;
    return fs::exists(tty / "type", error) && FirstLine(tty / "type") == "0";
}

}  // namespace

std::vector<SerialPortEntry> ListSerialPorts() {
    std::error_code error;
    fs::directory_iterator entries(TTY_CLASS, error);
    if (error) throw CommandFailure("cannot list " + TTY_CLASS.string() + ": " + error.message());
    std::vector<fs::path> ttys;
    for (const fs::directory_entry& entry : entries) ttys.push_back(entry.path());
    std::sort(ttys.begin(), ttys.end());

    std::vector<SerialPortEntry> ports;
    for (const fs::path& tty : ttys) {
        std::error_code deviceError;
        const fs::path device = fs::canonical(tty / "device", deviceError);
        if (deviceError || IsEmptyUartSlot(tty)) continue;
        const fs::path devicePath = fs::path("/dev") / tty.filename();
        ports.push_back({devicePath.string(), DescriptionOf(device, devicePath)});
    }
    return ports;
}

}  // namespace tovrin::cli
