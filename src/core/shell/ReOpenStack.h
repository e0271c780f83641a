#pragma once
#include <array>
#include <string>
#include <vector>

#include "common/Message.h"
#include "shell/SettingsFile.h"

namespace morvik {

// One remembered histogram file: its full path, the multiple A it was used with and its interval count, both
// as the texts the main window showed.
struct ReOpenEntry {
    std::string file;
    std::string multiple;
    std::string intervals;
    bool operator==(const ReOpenEntry&) const = default;
};

// The histogram files the user worked with, newest first, at most 20. Offered as the items of the ReOpen1
// submenu and as the overlay table StringGrid1.
class ReOpenStack {
public:
    static constexpr int Capacity = 20;

    int Count() const { return static_cast<int>(entries_.size()); }
    bool Empty() const { return entries_.empty(); }
    const ReOpenEntry& Entry(int index) const { return entries_.at(index); }
    const std::vector<ReOpenEntry>& Entries() const { return entries_; }

    // Puts the file on top. Nothing changes for an empty file text, or when an entry has the same file name
    // (without folder, letter case counts) and the same multiple text; that entry is not moved either. A full
    // stack loses its oldest entry. Returns whether the stack changed.
    bool Push(const std::string& file, const std::string& multiple, const std::string& intervals);
    // After the user changed the multiple of the shown histogram: the first entry whose file is the shown
    // one (`shownName` being its file name, with or without extension) is pushed again with the new multiple.
    bool PushNewMultiple(const std::string& shownName, const std::string& multiple);
    // Removes entry `index` (0 = newest); the later entries move up. An index out of range changes nothing.
    void Remove(int index);
    void Clear() { entries_.clear(); }
    // The interval count the main window shows after the entry's file was read again from the table.
    void SetIntervals(int index, const std::string& intervals);

    // The 20 items of ReOpen1, N01, N11, ... N191: item i reads "&i " and the file of entry i, and is shown
    // only when that file text is longer than 3 characters.
    struct MenuItem {
        std::string objectName;
        std::string caption;
        bool visible = false;
    };
    std::array<MenuItem, Capacity> MenuItems() const;
    bool MenuEnabled() const { return !entries_.empty(); }

    // The overlay table: row 0 the headings, then one row per entry with the row number, the file name
    // without its extension, the multiple, the intervals and the folder.
    std::vector<std::array<std::string, 5>> TableRows() const;

private:
    std::vector<ReOpenEntry> entries_;
};

// The objectName of the ReOpen menu item of entry `index`: "N01", "N11", ... "N191".
std::string ReOpenItemName(int index);

// The stack as the settings file holds it ("Celkem ReOpen" and the entries). A stored count above 20 reads as
// 20, and an entry without a file is left out.
ReOpenStack ReadReOpenStack(const SettingsFile& settings);
void WriteReOpenStack(SettingsFile& settings, const ReOpenStack& stack);

// The question when the file of an entry chosen in the table does not exist (message 10), and when it exists
// but could not be read (message 28); on Yes the entry is removed.
Message ReOpenMissingFileQuestion(const std::string& file);
Message ReOpenUnreadableFileQuestion(const std::string& file);

}  // namespace morvik
