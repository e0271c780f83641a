#include "shell/ReOpenStack.h"

#include <algorithm>

#include "common/Paths.h"
#include "localization/MessageNumbers.h"
#include "localization/TextCis.h"
#include "shell/WindowPlacement.h"

namespace morvik {
namespace {

constexpr const char* CountKey = "Celkem ReOpen";

std::string EntryKey(const char* stem, int index) { return stem + std::to_string(index) + "]"; }
std::string FileKey(int index) { return EntryKey("ReOpen-soubor  [", index); }
std::string MultipleKey(int index) { return EntryKey("ReOpen-nasobek [", index); }
std::string IntervalsKey(int index) { return EntryKey("ReOpen-interval[", index); }

}  // namespace

bool ReOpenStack::Push(const std::string& file, const std::string& multiple, const std::string& intervals)
{
    if (file.empty()) return false;
    const std::string name = FileNameOf(file);
    const bool known = std::any_of(entries_.begin(), entries_.end(), [&](const ReOpenEntry& entry) {
        return FileNameOf(entry.file) == name && entry.multiple == multiple;
    });
    if (known) return false;
    entries_.insert(entries_.begin(), ReOpenEntry{file, multiple, intervals});
    if (Count() > Capacity) entries_.pop_back();
    return true;
}

bool ReOpenStack::PushNewMultiple(const std::string& shownName, const std::string& multiple)
{
    if (shownName.empty()) return false;
    for (const ReOpenEntry& entry : entries_) {
        if (FileNameOf(entry.file) == shownName || HistogramNameOf(entry.file) == shownName) {
            const ReOpenEntry found = entry;  // Push moves the entries
            return Push(found.file, multiple, found.intervals);
        }
    }
    return false;
}

void ReOpenStack::Remove(int index)
{
    if (index >= 0 && index < Count()) entries_.erase(entries_.begin() + index);
}

void ReOpenStack::SetIntervals(int index, const std::string& intervals)
{
    if (index >= 0 && index < Count()) entries_[index].intervals = intervals;
}

std::string ReOpenItemName(int index) { return "N" + std::to_string(index) + "1"; }

std::array<ReOpenStack::MenuItem, ReOpenStack::Capacity> ReOpenStack::MenuItems() const
{
    std::array<MenuItem, Capacity> items;
    for (int i = 0; i < Capacity; ++i) {
        const std::string file = i < Count() ? entries_[i].file : std::string();
        items[i] = {ReOpenItemName(i), "&" + std::to_string(i) + " " + file, file.size() > 3};
    }
    return items;
}

std::vector<std::array<std::string, 5>> ReOpenStack::TableRows() const
{
    std::vector<std::array<std::string, 5>> rows;
    rows.push_back({"", "Histogram (.dis)", TextCis(msg::ReOpenMultipleHeading), TextCis(msg::ReOpenBinsHeading),
                    TextCis(msg::ReOpenFolderHeading)});
    for (int r = 1; r <= Count(); ++r) {
        const ReOpenEntry& entry = entries_[r - 1];
        const std::string name = FileNameOf(entry.file);
        rows.push_back({std::string(r < 10 ? "    " : "   ") + std::to_string(r),
                        name.substr(0, name.size() >= 4 ? name.size() - 4 : 0), entry.multiple, entry.intervals,
                        FolderOf(entry.file)});
    }
    return rows;
}

ReOpenStack ReadReOpenStack(const SettingsFile& settings)
{
    ReOpenStack stack;
    const int count = std::clamp(settings.ReadInteger(ReOpenSection, CountKey, 0), 0, ReOpenStack::Capacity);
    // Read from the oldest up, so that pushing keeps the stored order.
    for (int i = count - 1; i >= 0; --i) {
        const std::string file = settings.ReadString(ReOpenSection, FileKey(i), "");
        if (file.empty()) continue;
        stack.Push(file, settings.ReadString(ReOpenSection, MultipleKey(i), ""),
                   settings.ReadString(ReOpenSection, IntervalsKey(i), ""));
    }
    return stack;
}

void WriteReOpenStack(SettingsFile& settings, const ReOpenStack& stack)
{
    settings.WriteInteger(ReOpenSection, CountKey, stack.Count());
    for (int i = 0; i < stack.Count(); ++i) {
        const ReOpenEntry& entry = stack.Entry(i);
        settings.WriteString(ReOpenSection, FileKey(i), entry.file);
        settings.WriteString(ReOpenSection, MultipleKey(i), entry.multiple);
        settings.WriteString(ReOpenSection, IntervalsKey(i), entry.intervals);
    }
}

Message ReOpenMissingFileQuestion(const std::string& file)
{
    return Message::Confirmation(FormatText(msg::MissingReOpenFileQuestion, file));
}

Message ReOpenUnreadableFileQuestion(const std::string& file)
{
    return Message::Confirmation(FormatText(msg::MissingReOpenFile, file));
}

}  // namespace morvik
