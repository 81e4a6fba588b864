#pragma once
#include <string>

#include <QString>

namespace tovrin::gui {

// The core keeps every text in UTF-8.
inline QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
inline std::string ToUtf8(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace tovrin::gui
