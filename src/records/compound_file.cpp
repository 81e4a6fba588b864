#include "records/compound_file.h"

#include <cstdint>

#include "records/little_endian.h"

namespace tovrin {
namespace {

constexpr size_t kSector = 512;
constexpr size_t kMiniStreamCutoff = 4096;
constexpr size_t kIdsPerSector = kSector / 4;
constexpr size_t kHeaderFatSlots = 109;
constexpr size_t kFatSlotsPerDifatSector = kIdsPerSector - 1;  // the last id links to the next one

constexpr uint32_t kDifatSector = 0xFFFFFFFC;
constexpr uint32_t kFatSector = 0xFFFFFFFD;
constexpr uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr uint32_t kFree = 0xFFFFFFFF;
constexpr uint32_t kNoStream = 0xFFFFFFFF;

size_t SectorsFor(size_t bytes) { return (bytes + kSector - 1) / kSector; }

struct Layout {
    size_t streamSectors = 0, fatSectors = 0, difatSectors = 0;
    size_t firstFat() const { return streamSectors; }
    size_t firstDifat() const { return streamSectors + fatSectors; }
    size_t directory() const { return firstDifat() + difatSectors; }
    size_t total() const { return directory() + 1; }
};

// The FAT must describe every sector, its own included, so grow it until it fits.
Layout LayoutFor(size_t streamBytes) {
    Layout layout;
    layout.streamSectors = SectorsFor(streamBytes);
    while (true) {
        const size_t extraSlots = layout.fatSectors > kHeaderFatSlots ? layout.fatSectors - kHeaderFatSlots : 0;
        layout.difatSectors = (extraSlots + kFatSlotsPerDifatSector - 1) / kFatSlotsPerDifatSector;
        if (layout.fatSectors * kIdsPerSector >= layout.total()) return layout;
        ++layout.fatSectors;
    }
}

void PutHeader(LittleEndianWriter& w, const Layout& layout) {
    static constexpr uint8_t kSignature[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    for (const uint8_t b : kSignature) w.u8(b);
    w.zeros(16);          // class id
    w.u16(0x003E);        // minor version
    w.u16(0x0003);        // major version 3
    w.u16(0xFFFE);        // little-endian
    w.u16(9);             // 512-byte sectors
    w.u16(6);             // 64-byte mini sectors
    w.zeros(6);
    w.u32(0);             // directory sectors: always 0 in version 3
    w.u32(static_cast<uint32_t>(layout.fatSectors));
    w.u32(static_cast<uint32_t>(layout.directory()));
    w.u32(0);             // transaction signature
    w.u32(kMiniStreamCutoff);
    w.u32(kEndOfChain);   // no mini FAT
    w.u32(0);
    w.u32(layout.difatSectors ? static_cast<uint32_t>(layout.firstDifat()) : kEndOfChain);
    w.u32(static_cast<uint32_t>(layout.difatSectors));
    for (size_t i = 0; i < kHeaderFatSlots; ++i) {
        w.u32(i < layout.fatSectors ? static_cast<uint32_t>(layout.firstFat() + i) : kFree);
    }
}

void PutFat(LittleEndianWriter& w, const Layout& layout) {
    for (size_t s = 0; s < layout.fatSectors * kIdsPerSector; ++s) {
        if (s < layout.streamSectors) w.u32(s + 1 < layout.streamSectors ? static_cast<uint32_t>(s + 1) : kEndOfChain);
        else if (s < layout.firstDifat()) w.u32(kFatSector);
        else if (s < layout.directory()) w.u32(kDifatSector);
        else if (s == layout.directory()) w.u32(kEndOfChain);
        else w.u32(kFree);
    }
}

// FAT sector numbers beyond the header's 109, 127 to a sector, chained.
void PutDifat(LittleEndianWriter& w, const Layout& layout) {
    for (size_t d = 0; d < layout.difatSectors; ++d) {
        for (size_t slot = 0; slot < kFatSlotsPerDifatSector; ++slot) {
            const size_t fat = kHeaderFatSlots + d * kFatSlotsPerDifatSector + slot;
            w.u32(fat < layout.fatSectors ? static_cast<uint32_t>(layout.firstFat() + fat) : kFree);
        }
        w.u32(d + 1 < layout.difatSectors ? static_cast<uint32_t>(layout.firstDifat() + d + 1) : kEndOfChain);
    }
}

void PutDirectoryEntry(LittleEndianWriter& w, std::u16string_view name, uint8_t type, uint32_t child,
                       uint32_t start, uint32_t size) {
    w.utf16(name);
    w.zeros(64 - 2 * name.size());
    w.u16(name.empty() ? 0 : static_cast<uint16_t>(2 * (name.size() + 1)));
    w.u8(type);
    w.u8(type == 0 ? 0 : 1);  // black in the red-black tree
    w.u32(kNoStream);         // left sibling
    w.u32(kNoStream);         // right sibling
    w.u32(child);
    w.zeros(16 + 4 + 8 + 8);  // class id, state bits, creation and modification times
    w.u32(start);
    w.u32(size);
    w.u32(0);                 // high half of the size
}

}  // namespace

std::string CompoundFileWithStream(std::u16string_view streamName, std::string stream) {
    if (stream.size() < kMiniStreamCutoff) stream.resize(kMiniStreamCutoff, '\0');
    const uint32_t streamSize = static_cast<uint32_t>(stream.size());
    const Layout layout = LayoutFor(stream.size());
    streamName = streamName.substr(0, 31);

    std::string file;
    file.reserve((layout.total() + 1) * kSector);
    LittleEndianWriter w(file);
    PutHeader(w, layout);
    stream.resize(layout.streamSectors * kSector, '\0');
    file += stream;
    PutFat(w, layout);
    PutDifat(w, layout);
    PutDirectoryEntry(w, u"Root Entry", 5, 1, kEndOfChain, 0);
    PutDirectoryEntry(w, streamName, 2, kNoStream, 0, streamSize);
    PutDirectoryEntry(w, u"", 0, kNoStream, 0, 0);
    PutDirectoryEntry(w, u"", 0, kNoStream, 0, 0);
    return file;
}

}  // namespace tovrin
