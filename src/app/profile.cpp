#include "app/profile.h"


#include <algorithm>
#include <climits>
#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

#include "text/gbk.h"
#include "text/utf.h"

namespace tovrin {
namespace {

// A damaged file may be huge; nothing this program writes comes near this size.
constexpr std::streamsize kMaxFileBytes = 16 * 1024 * 1024;

std::string LoadUtf8(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return {};
    const std::streamsize size = std::min<std::streamsize>(in.tellg(), kMaxFileBytes);
    if (size <= 0) return {};
    std::string bytes(static_cast<size_t>(size), '\0');
    in.seekg(0);
    in.read(bytes.data(), size);
    bytes.resize(static_cast<size_t>(in.gcount()));
    if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.erase(0, 3);
    if (IsValidUtf8(bytes)) return bytes;
    return GbkToUtf8(bytes);
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

std::optional<std::string> SectionName(const std::string& line) {
    const std::string t = Trim(line);
    if (t.size() < 2 || t.front() != '[') return std::nullopt;
    const auto close = t.find(']');
    if (close == std::string::npos) return std::nullopt;
    return Trim(t.substr(1, close - 1));
}

// Key of a key=value line, if the line is one.
std::optional<std::string> KeyOf(const std::string& line) {
    const auto eq = line.find('=');
    if (eq == std::string::npos) return std::nullopt;
    return Trim(line.substr(0, eq));
}

std::optional<std::string> Lookup(const std::vector<std::string>& lines, const std::string& section,
                                  const std::string& key) {
    bool inSection = false;
    for (const std::string& line : lines) {
        if (auto name = SectionName(line)) {
            inSection = SameName(*name, section);
            continue;
        }
        if (!inSection) continue;
        if (auto k = KeyOf(line); k && SameName(*k, key)) return Trim(line.substr(line.find('=') + 1));
    }
    return std::nullopt;
}

// Cuts to at most n UTF-16 units without splitting a character.
std::string CutToUnits(const std::string& text, size_t n) {
    std::u16string wide = Utf8ToUtf16(text);
    if (wide.size() <= n) return text;
    wide.resize(n);
    if (!wide.empty() && wide.back() >= 0xD800 && wide.back() <= 0xDBFF) wide.pop_back();
    return Utf16ToUtf8(wide);
}

}  // namespace

std::string Profile::ReadText(const std::string& section, const std::string& key, const std::string& fallback,
                              size_t capacity) const {
    const auto value = Lookup(SplitLines(LoadUtf8(m_path)), section, key);
    return CutToUnits(value ? *value : fallback, capacity > 0 ? capacity - 1 : 0);
}

int Profile::ReadInt(const std::string& section, const std::string& key, int fallback) const {
    const auto value = Lookup(SplitLines(LoadUtf8(m_path)), section, key);
    if (!value) return fallback;
    long long n = 0;
    for (char c : *value) {
        if (c < '0' || c > '9') break;
        n = n * 10 + (c - '0');
        if (n > INT_MAX) return INT_MAX;
    }
    return static_cast<int>(n);
}

bool Profile::WriteText(const std::string& section, const std::string& key, const std::string& value) const {
    std::vector<std::string> lines = SplitLines(LoadUtf8(m_path));
    std::string oneLine = value;  // a line break in a value would cut the file's lines apart
    for (char& c : oneLine)
        if (c == '\r' || c == '\n') c = ' ';
    const std::string entry = key + "=" + oneLine;

    bool inSection = false, written = false;
    size_t sectionEnd = std::string::npos;  // insertion point after the section's last line
    for (size_t i = 0; i < lines.size() && !written; ++i) {
        if (auto name = SectionName(lines[i])) {
            inSection = SameName(*name, section);
            if (inSection) sectionEnd = i + 1;
            continue;
        }
        if (!inSection) continue;
        if (auto k = KeyOf(lines[i]); k && SameName(*k, key)) {
            lines[i] = entry;
            written = true;
        } else if (!Trim(lines[i]).empty()) {
            sectionEnd = i + 1;
        }
    }
    if (!written) {
        if (sectionEnd == std::string::npos) {
            lines.push_back("[" + section + "]");
            lines.push_back(entry);
        } else {
            lines.insert(lines.begin() + static_cast<long>(sectionEnd), entry);
        }
    }

    const std::string temp = m_path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        for (const std::string& line : lines) out << line << "\r\n";
        out.flush();
        if (!out) {
            std::remove(temp.c_str());
            return false;
        }
    }
    return std::rename(temp.c_str(), m_path.c_str()) == 0;
}

}  // namespace tovrin
