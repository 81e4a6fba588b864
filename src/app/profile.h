#pragma once
#include <string>

namespace tovrin {

// The settings file, read and written afresh at every access: named sections of
// key=value lines. Written in UTF-8; a file that is not valid UTF-8 is read as GBK,
// so files of older installations still load. Writes replace the file atomically.
class Profile {
public:
    explicit Profile(std::string path = "cfgCANA.ini") : m_path(std::move(path)) {}

    // At most capacity - 1 characters come back; the default when the key is absent.
    std::string ReadText(const std::string& section, const std::string& key, const std::string& fallback,
                         size_t capacity = 128) const;
    // The number formed by the value's leading decimal digits (0 when it has none).
    int ReadInt(const std::string& section, const std::string& key, int fallback) const;
    // Creates the file or the section when needed; every other line stays as it is.
    bool WriteText(const std::string& section, const std::string& key, const std::string& value) const;

    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

}  // namespace tovrin
