#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "common/Colour.h"
#include "common/Message.h"

namespace morvik {

// The settings file of a user holds a few kilobytes; a file larger than this is not read (it counts as
// unreadable), so that a huge file cannot fill the memory at start.
constexpr std::uintmax_t MaxSettingsFileBytes = 1u << 20;

// The settings file "Morvik.INI": sections of key=value lines, section and key names matched without regard to
// letter case, stored as UTF-8 without a byte-order mark.
//
// Reading never fails: a missing or unreadable file reads as empty, and a missing key or a value that is not of
// the asked type gives the caller's default. Writes change the loaded copy; Save() replaces the file as a whole,
// so a failed save leaves the old file intact.
class SettingsFile {
public:
    SettingsFile();
    ~SettingsFile();
    SettingsFile(SettingsFile&&) noexcept;
    SettingsFile& operator=(SettingsFile&&) noexcept;

    // Reads the file at `path`; the path is kept for Save().
    static SettingsFile Load(const std::string& path);
    // Reads settings from text (the content of a file).
    static SettingsFile FromText(const std::string& text);

    const std::string& Path() const { return path_; }
    // True when the file exists but could not be read; Save() then refuses, so that the file is not replaced
    // by one that holds only the keys written since.
    bool Unreadable() const { return unreadable_; }

    std::string ReadString(const std::string& section, const std::string& key, const std::string& fallback) const;
    int ReadInteger(const std::string& section, const std::string& key, int fallback) const;
    // "1" / "0"; any other whole number is true as well.
    bool ReadBool(const std::string& section, const std::string& key, bool fallback) const;
    double ReadFloat(const std::string& section, const std::string& key, double fallback) const;
    // A 32-bit colour, stored as signed decimal (the button face 0xFF00000F is -16777201); the unsigned form
    // is read too.
    Colour ReadColour(const std::string& section, const std::string& key, Colour fallback) const;
    bool HasKey(const std::string& section, const std::string& key) const;

    // Line breaks in a written string become blanks, so that a value can never add lines to the file.
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int value);
    void WriteBool(const std::string& section, const std::string& key, bool value);
    void WriteFloat(const std::string& section, const std::string& key, double value);
    void WriteColour(const std::string& section, const std::string& key, Colour value);

    // The file's text as Save() writes it.
    std::string Text() const;
    // Writes the file to Path(); a failure (or an unreadable file) gives message 22 with the path.
    std::optional<Message> Save() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    std::string path_;
    bool unreadable_ = false;
};

// Reads the file fresh, lets `change` write its keys and saves it again, so that writers of different windows
// never lose each other's keys.
std::optional<Message> UpdateSettingsFile(const std::string& path, const std::function<void(SettingsFile&)>& change);

}  // namespace morvik
