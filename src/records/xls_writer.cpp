#include "records/xls_writer.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

#include "records/compound_file.h"
#include "records/file_output.h"
#include "records/little_endian.h"
#include "text/utf.h"

namespace tovrin {
namespace {

constexpr uint16_t kBof = 0x0809, kEof = 0x000A, kCodePage = 0x0042, kWindow1 = 0x003D, kFont = 0x0031,
                   kXf = 0x00E0, kStyle = 0x0293, kBoundSheet = 0x0085, kSst = 0x00FC, kContinue = 0x003C,
                   kExtSst = 0x00FF, kDimensions = 0x0200, kWindow2 = 0x023E, kLabelSst = 0x00FD;

constexpr size_t kMaxRecordData = 8224;
constexpr size_t kMaxCellChars = 32767;
constexpr int kStyleXfs = 15;
constexpr uint16_t kCellXf = kStyleXfs;  // the first XF after the style XFs formats every cell
constexpr uint16_t kUtf16CodePage = 1200;

int DataRowsFitting(int rowCount) { return std::clamp(rowCount, 0, XLS_MAX_ROWS - 1); }

class BiffStream {
public:
    void Record(uint16_t type, std::string_view body) {
        LittleEndianWriter w(bytes_);
        w.u16(type);
        w.u16(static_cast<uint16_t>(body.size()));
        bytes_ += body;
    }
    size_t size() const { return bytes_.size(); }
    std::string& bytes() { return bytes_; }

private:
    std::string bytes_;
};

template <typename Fill>
std::string Body(Fill fill) {
    std::string body;
    LittleEndianWriter w(body);
    fill(w);
    return body;
}

std::string BofBody(uint16_t substreamType) {
    return Body([&](LittleEndianWriter& w) {
        w.u16(0x0600);  // BIFF8
        w.u16(substreamType);
        w.u16(0x0DBB);  // build
        w.u16(0x07CC);  // year
        w.u32(0);
        w.u32(0x00000006);  // lowest version that can read the file
    });
}

// Every cell is text, kept as 16-bit characters so that Chinese survives.
class SharedStrings {
public:
    uint32_t Add(std::string_view utf8) {
        std::u16string text = Utf8ToUtf16(utf8);
        if (text.size() > kMaxCellChars) text.resize(kMaxCellChars);
        ++total_;
        const auto [found, added] = index_.try_emplace(std::move(text), static_cast<uint32_t>(unique_.size()));
        if (added) unique_.push_back(&found->first);
        return found->second;
    }

    // SST, continued in CONTINUE records; a string's character count and flags
    // never split, and its characters go on after a fresh flags byte.
    void WriteTo(BiffStream& out) const {
        const size_t perBucket = std::max<size_t>(8, (unique_.size() + 127) / 128);
        std::vector<std::pair<uint32_t, uint16_t>> buckets;
        uint16_t type = kSst;
        std::string body;
        LittleEndianWriter w(body);
        const auto flush = [&] {
            out.Record(type, body);
            body.clear();
            type = kContinue;
        };
        w.u32(total_);
        w.u32(static_cast<uint32_t>(unique_.size()));
        for (size_t i = 0; i < unique_.size(); ++i) {
            const std::u16string& text = *unique_[i];
            if (body.size() + 3 + (text.empty() ? 0 : 2) > kMaxRecordData) flush();
            if (i % perBucket == 0) {
                buckets.emplace_back(static_cast<uint32_t>(out.size() + 4 + body.size()),
                                     static_cast<uint16_t>(4 + body.size()));
            }
            w.u16(static_cast<uint16_t>(text.size()));
            w.u8(0x01);  // 16-bit characters
            for (size_t done = 0; done < text.size();) {
                const size_t room = (kMaxRecordData - body.size()) / 2;
                if (room == 0) {
                    flush();
                    w.u8(0x01);
                    continue;
                }
                const size_t take = std::min(room, text.size() - done);
                w.utf16(std::u16string_view(text).substr(done, take));
                done += take;
            }
        }
        out.Record(type, body);
        out.Record(kExtSst, Body([&](LittleEndianWriter& x) {
            x.u16(static_cast<uint16_t>(perBucket));
            for (const auto& [streamPosition, recordOffset] : buckets) {
                x.u32(streamPosition);
                x.u16(recordOffset);
                x.u16(0);
            }
        }));
    }

private:
    std::unordered_map<std::u16string, uint32_t> index_;
    std::vector<const std::u16string*> unique_;  // in index order; keys of index_ stay put
    uint32_t total_ = 0;
};

std::string FontBody() {
    return Body([](LittleEndianWriter& w) {
        w.u16(200);     // 10 points
        w.u16(0);
        w.u16(0x7FFF);  // window text colour
        w.u16(400);     // normal weight
        w.u16(0);
        w.u8(0);
        w.u8(0);
        w.u8(0);
        w.u8(0);
        w.u8(5);
        w.u8(0);  // 8-bit characters
        for (const char c : std::string_view("Arial")) w.u8(static_cast<uint8_t>(c));
    });
}

std::string XfBody(bool style) {
    return Body([&](LittleEndianWriter& w) {
        w.u16(0);                           // font
        w.u16(0);                           // number format "General"
        w.u16(style ? 0xFFF5 : 0x0001);     // locked; a style XF has no parent
        w.u8(0x20);                         // bottom aligned
        w.u8(0);
        w.u8(0);
        w.u8(0);                            // the cell XF takes every attribute from its style
        w.u32(0);                           // no borders
        w.u32(0);
        w.u16(0x20C0);                      // default pattern colours
    });
}

std::string SheetName(std::string_view name) {
    std::u16string text = Utf8ToUtf16(name);
    if (text.size() > 31) text.resize(31);
    return Body([&](LittleEndianWriter& w) {
        w.u8(static_cast<uint8_t>(text.size()));
        w.u8(0x01);
        w.utf16(text);
    });
}

std::string WorksheetSubstream(std::span<const std::string> headerRow, int dataRows, const CellReader& cell,
                               SharedStrings& strings) {
    const int columns = static_cast<int>(headerRow.size());
    BiffStream sheet;
    sheet.Record(kBof, BofBody(0x0010));
    sheet.Record(kDimensions, Body([&](LittleEndianWriter& w) {
        w.u32(0);
        w.u32(static_cast<uint32_t>(dataRows + 1));
        w.u16(0);
        w.u16(static_cast<uint16_t>(columns));
        w.u16(0);
    }));
    sheet.Record(kWindow2, Body([](LittleEndianWriter& w) {
        w.u16(0x06B6);  // grid, headings, zeros, outline symbols, default grid colour, selected, shown
        w.u16(0);
        w.u16(0);
        w.u16(0x40);
        w.zeros(10);
    }));
    const auto putCell = [&](int row, int column, std::string_view text) {
        sheet.Record(kLabelSst, Body([&](LittleEndianWriter& w) {
            w.u16(static_cast<uint16_t>(row));
            w.u16(static_cast<uint16_t>(column));
            w.u16(kCellXf);
            w.u32(strings.Add(text));
        }));
    };
    for (int c = 0; c < columns; ++c) putCell(0, c, headerRow[static_cast<size_t>(c)]);
    for (int r = 0; r < dataRows; ++r) {
        for (int c = 0; c < columns; ++c) putCell(r + 1, c, cell(r, c));
    }
    sheet.Record(kEof, {});
    return std::move(sheet.bytes());
}

// Globals: the sheet's position is filled in once the globals' size is known.
std::string GlobalsSubstream(std::string_view sheetName, const SharedStrings& strings) {
    BiffStream globals;
    globals.Record(kBof, BofBody(0x0005));
    globals.Record(kCodePage, Body([](LittleEndianWriter& w) { w.u16(kUtf16CodePage); }));
    globals.Record(kWindow1, Body([](LittleEndianWriter& w) {
        for (const uint16_t v : {0x01E0, 0x005A, 0x3FCF, 0x2A4E, 0x0038, 0, 0, 1, 0x0258}) w.u16(v);
    }));
    for (int i = 0; i < 4; ++i) globals.Record(kFont, FontBody());
    for (int i = 0; i < kStyleXfs; ++i) globals.Record(kXf, XfBody(true));
    globals.Record(kXf, XfBody(false));
    globals.Record(kStyle, Body([](LittleEndianWriter& w) {
        w.u16(0x8000);  // built-in style on XF 0
        w.u8(0);        // "Normal"
        w.u8(0xFF);
    }));
    const size_t sheetPositionAt = globals.size() + 4;
    globals.Record(kBoundSheet, Body([&](LittleEndianWriter& w) {
        w.u32(0);
        w.u8(0);  // visible
        w.u8(0);  // worksheet
    }) + SheetName(sheetName));
    strings.WriteTo(globals);
    globals.Record(kEof, {});

    std::string bytes = std::move(globals.bytes());
    std::string position;
    LittleEndianWriter(position).u32(static_cast<uint32_t>(bytes.size()));
    bytes.replace(sheetPositionAt, position.size(), position);
    return bytes;
}

std::string WorkbookBytes(std::string_view sheetName, std::span<const std::string> headerRow, int rowCount,
                          const CellReader& cell) {
    SharedStrings strings;
    const std::string sheet = WorksheetSubstream(headerRow, DataRowsFitting(rowCount), cell, strings);
    return CompoundFileWithStream(u"Workbook", GlobalsSubstream(sheetName, strings) + sheet);
}

}  // namespace

WorkbookResult WriteWorkbook(const std::string& path, std::string_view sheetName,
                             std::span<const std::string> headerRow, int rowCount, const CellReader& cell) {
    WorkbookResult result;
    result.error = ReplaceFileContent(path, WorkbookBytes(sheetName, headerRow, rowCount, cell));
    if (result.error.empty()) {
        result.rowsWritten = DataRowsFitting(rowCount);
        result.sheetFull = rowCount > result.rowsWritten;
    }
    return result;
}

}  // namespace tovrin
