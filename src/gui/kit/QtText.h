#pragma once
#include <QString>
#include <string>
#include <string_view>

namespace morvik {

// The program's texts are UTF-8 throughout; these are the only conversions to and from Qt's strings.
inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string ToStdString(const QString& text) { return text.toStdString(); }

}  // namespace morvik
