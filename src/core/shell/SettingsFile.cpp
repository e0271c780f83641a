#include "shell/SettingsFile.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <limits>

#include <SimpleIni.h>

#include "common/AtomicFile.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"
#include "statlib/NumberParse.h"

namespace morvik {

struct SettingsFile::Impl {
    // CSimpleIniA matches section and key names without regard to case; one value per key, one line per value.
    CSimpleIniA ini{/*isUtf8=*/true, /*multiKey=*/false, /*multiLine=*/false};
    Impl() { ini.SetSpaces(false); }  // "key=value", as the profile format writes it
};

SettingsFile::SettingsFile() : impl_(std::make_unique<Impl>()) {}
SettingsFile::~SettingsFile() = default;
SettingsFile::SettingsFile(SettingsFile&&) noexcept = default;
SettingsFile& SettingsFile::operator=(SettingsFile&&) noexcept = default;

SettingsFile SettingsFile::Load(const std::string& path)
{
    std::string text;
    const bool read = ReadFileUpTo(path, MaxSettingsFileBytes, text) == CappedRead::Ok;
    SettingsFile settings = read ? FromText(text) : SettingsFile();
    settings.path_ = path;
    // A dangling link counts as present too: saving would replace the link by a file.
    std::error_code error;
    const auto type = std::filesystem::symlink_status(path, error).type();
    settings.unreadable_ = !read && type != std::filesystem::file_type::not_found;
    return settings;
}

SettingsFile SettingsFile::FromText(const std::string& text)
{
    SettingsFile settings;
    // A file the parser refuses reads as empty: every key then takes its default.
    if (settings.impl_->ini.LoadData(text) < 0) settings.impl_->ini.Reset();
    return settings;
}

std::string SettingsFile::ReadString(const std::string& section, const std::string& key,
                                     const std::string& fallback) const
{
    const char* value = impl_->ini.GetValue(section.c_str(), key.c_str(), nullptr);
    return value ? std::string(value) : fallback;
}

bool SettingsFile::HasKey(const std::string& section, const std::string& key) const
{
    return impl_->ini.GetValue(section.c_str(), key.c_str(), nullptr) != nullptr;
}

int SettingsFile::ReadInteger(const std::string& section, const std::string& key, int fallback) const
{
    auto value = ParseInt32(ReadString(section, key, std::string()));
    return value ? *value : fallback;
}

bool SettingsFile::ReadBool(const std::string& section, const std::string& key, bool fallback) const
{
    auto value = ParseInt64(ReadString(section, key, std::string()));
    return value ? *value != 0 : fallback;
}

double SettingsFile::ReadFloat(const std::string& section, const std::string& key, double fallback) const
{
    auto value = ParseDouble(ReadString(section, key, std::string()));
    return value ? *value : fallback;
}

Colour SettingsFile::ReadColour(const std::string& section, const std::string& key, Colour fallback) const
{
    auto value = ParseInt64(ReadString(section, key, std::string()));
    if (!value || *value < std::numeric_limits<int32_t>::min() || *value > std::numeric_limits<uint32_t>::max()) {
        return fallback;
    }
    return static_cast<Colour>(static_cast<uint32_t>(*value));
}

void SettingsFile::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    std::string oneLine = value;
    std::replace_if(
        oneLine.begin(), oneLine.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    impl_->ini.SetValue(section.c_str(), key.c_str(), oneLine.c_str());
}

void SettingsFile::WriteInteger(const std::string& section, const std::string& key, int value)
{
    WriteString(section, key, std::to_string(value));
}

void SettingsFile::WriteBool(const std::string& section, const std::string& key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

void SettingsFile::WriteFloat(const std::string& section, const std::string& key, double value)
{
    char buffer[32];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    WriteString(section, key, ec == std::errc() ? std::string(buffer, end) : std::string("0"));
}

void SettingsFile::WriteColour(const std::string& section, const std::string& key, Colour value)
{
    WriteInteger(section, key, static_cast<int32_t>(value));
}

std::string SettingsFile::Text() const
{
    std::string text;
    impl_->ini.Save(text, /*addSignature=*/false);
    return text;
}

std::optional<Message> SettingsFile::Save() const
{
    if (unreadable_ || !WriteFileAtomically(path_, Text())) return Message::Error(FormatText(msg::WriteError, path_));
    return std::nullopt;
}

std::optional<Message> UpdateSettingsFile(const std::string& path, const std::function<void(SettingsFile&)>& change)
{
    SettingsFile settings = SettingsFile::Load(path);
    change(settings);
    return settings.Save();
}

}  // namespace morvik
