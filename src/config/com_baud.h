#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "link/packet.h"

namespace tovrin {

// The six serial rates the converter can be switched to, in the order of the
// dialog's list. The converter flashes its lights code + 1 times at power-on.
struct ConverterBaudEntry {
    std::string_view text;
    int baud;
    uint8_t code;
};

inline constexpr std::array<ConverterBaudEntry, 6> CONVERTER_BAUD_ENTRIES{{
    {"9600", 9600, 5},
    {"19200", 19200, 4},
    {"38400", 38400, 3},
    {"115200", 115200, 2},
    {"1228800", 1228800, 1},
    {"2000000", 2000000, 0},
}};

constexpr int CONVERTER_BAUD_LIST = 1015;         // the dialog's list
constexpr int CONVERTER_BAUD_INITIAL_ENTRY = 3;   // "115200"

// The code of a list position; no selection (or any other position) gives 0.
uint8_t BaudCodeOfEntry(int entry);

// The rate a code stands for: 0 = 2000000 … 5 = 9600.
std::optional<int> ConverterBaudOfCode(uint8_t code);

// The baud-rate dialog, one per language. The flash lines stand one under another,
// then the list with its label, then the two buttons.
struct ComBaudDialogTexts {
    int templateId;
    std::string_view title;  // exactly as the dialog has it; see DisplayTitle
    std::string_view okCaption;
    std::string_view cancelCaption;
    std::string_view listLabel;
    std::string_view note;  // empty: the English dialog has no note
    std::string_view flashHeading;
    std::array<std::string_view, 6> flashLines;  // 1 to 6 flashes
};

inline constexpr ComBaudDialogTexts COM_BAUD_DIALOG_CHINESE{
    134,
    "更改波特率",
    "更改",
    "取消",
    "波特率：",
    "注意更改波特率后需要把主界面的波特率重新配置为更改后波特率才能使用",
    "转换器的波特率可以在转换器上电的时候查看，具体显示如下：",
    {"上电时收发指示灯同时闪1下——2000000bps",
     "上电时收发指示灯同时闪2下——1228800bps",
     "上电时收发指示灯同时闪3下——115200bps",
     "上电时收发指示灯同时闪4下——38400bps",
     "上电时收发指示灯同时闪5下——19200bps",
     "上电时收发指示灯同时闪6下——9600bps"},
};

inline constexpr ComBaudDialogTexts COM_BAUD_DIALOG_ENGLISH{
    135,
    "Change the baud rate\n",
    "Change",
    "Cancel",
    "COM bps:",
    "",
    "Tovrin power on when to send and receive light:",
    {"flash one at the same time, the COM baud rate to 2000000 BPS",
     "flash two at the same time, the COM baud rate to 1228800 BPS",
     "flash three times at the same time, the COM baud rate to 115200 BPS",
     "flash four at the same time, the corresponding COM baud rate to 38400 BPS",
     "flash five times at the same time, the corresponding COM baud rate to 19200 BPS",
     "flash six at the same time, the corresponding COM baud rate to 9600 BPS"},
};

const ComBaudDialogTexts& ComBaudDialogFor(bool english);

// The title to put on a window: the English one ends in a line feed that a title
// bar cannot show.
std::string_view DisplayTitle(const ComBaudDialogTexts& texts);

// What the window sends when the dialog has closed: OK sends the code of the chosen
// entry; Cancel sends nothing. The window's own port keeps its rate, and neither
// its COM baud selector nor its stored COM baud rate changes: the user reopens the
// port at the new rate.
std::optional<SettingsPacket> BuildComBaudCommand(bool confirmed, int entry);

}  // namespace tovrin
