#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/KeyFilter.h"
#include "common/Message.h"
#include "histogram/Histogram.h"

namespace morvik {

// What a successful save hands to the main window: the typed histogram as the main window keeps it (Discrete
// values are interval midpoints), its name and file, and the commands the main window enables.
struct EditorHandOver {
    Histogram histogram;
    HistogramKind kind = HistogramKind::Discrete;
    std::string name;          // the histogram name (Edit4)
    std::string path;          // the written file
    std::string fileName;      // without folder
    std::string folder;        // the file's folder
    std::string kindText;      // StringGrid4 cell 1,2: " Discrete" or " Pure Discrete"
    bool charEnabled = false;  // BChar: more than one interval
    bool absEnabled = false;   // AbsHodHist: Min below zero
};

// The outcome of a save: either the refusal to show (nothing written, the editor stays open) or the hand-over.
struct EditorSave {
    std::optional<Message> message;
    std::optional<EditorHandOver> handOver;
};

// The state and commands of the new-histogram editor without any widget.
class HistogramEditorModel {
public:
    static constexpr int MaxLines = MaxBins;

    HistogramEditorModel() { Start(); }
    // The state the editor opens with: everything empty, Total "0", kind Discrete.
    void Start();
    // The editor over the shown histogram, to correct it: one line per interval with its frequency Prob[i] * Total
    // rounded to the nearest whole number (halves to even), the name, the kind, and Min and Max as the file keeps
    // them (the outer edges for Discrete; the first and last value for Pure Discrete, whose Max is not shown).
    void StartCorrection(const Histogram& histogram, HistogramKind kind, const std::string& name);

    // Edit4: the name as typed; leaving the box removes its blanks.
    void SetName(std::string text) { name_ = std::move(text); }
    void LeaveName();
    const std::string& Name() const { return name_; }

    // Edit1, Edit2 (Max is shown for Discrete only).
    void SetMin(std::string text) { min_ = std::move(text); }
    void SetMax(std::string text) { max_ = std::move(text); }
    const std::string& MinText() const { return min_; }
    const std::string& MaxText() const { return max_; }
    // The keys Edit1 and Edit2 take: digits, "-", ".", "E", with "," turned into "." and "e" into "E".
    static std::optional<char> FilterRangeKey(char key) { return FilterFieldKey(KeySet::Real, key); }

    // ComboBox1: item 0 "Discrete", item 1 "Pure Discrete".
    void SetKind(HistogramKind kind) { kind_ = kind; }
    HistogramKind Kind() const { return kind_; }
    bool MaxVisible() const { return kind_ == HistogramKind::Discrete; }

    // Memo1: the memo's lines. The count (Edit3) and Total (Edit5) are recounted; a line that is not a whole
    // frequency gives the message to show, and the count and Total stay as they were.
    std::optional<Message> SetFrequencies(std::vector<std::string> lines);
    // The memo's text split into its lines as the memo counts them (a final line break opens no line).
    static std::vector<std::string> MemoLines(std::string_view text);
    const std::vector<std::string>& Lines() const { return lines_; }
    std::string CountText() const { return count_; }  // Edit3
    std::string TotalText() const { return total_; }  // Edit5
    // A click into the memo on 0-based `line`: shown in Edit6 while it is below the count.
    void ClickLine(int line);
    std::string ClickedLineText() const { return clicked_; }  // Edit6

    // The checks of the save command, in order; the first failure, or nothing when the file may be written.
    std::optional<Message> CheckSave() const;
    // The file name the save dialog proposes (the name, blanks removed) and its overwrite question.
    std::string ProposedFileName() const;
    static Message OverwriteQuestion(const std::string& path);
    // The text of the histogram file, CR LF line ends; `fileName` is the name without folder. The frequency
    // lines are written as typed, an empty line as "0".
    std::string FileText(const std::string& fileName) const;
    // Checks, then writes `path` atomically (message 22 on failure, an existing file untouched) and returns
    // the hand-over.
    EditorSave Save(const std::string& path) const;

    // After closing: the main window's listing commands are enabled exactly while the memo has lines, and an
    // empty memo resets the main window.
    bool HasLines() const { return !lines_.empty(); }

private:
    EditorHandOver HandOver(const std::string& path) const;

    std::string name_, min_, max_;
    HistogramKind kind_ = HistogramKind::Discrete;
    std::vector<std::string> lines_;
    std::vector<int64_t> frequencies_;
    std::string count_, total_, clicked_;
    int64_t sum_ = 0;
    std::optional<int> refusedLine_;  // the first line of the memo that is no frequency (from 0)
};

}  // namespace morvik
