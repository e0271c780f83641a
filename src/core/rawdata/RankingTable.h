#pragma once
#include <array>
#include <string>
#include <vector>

#include "rawdata/FitRanking.h"

namespace morvik {

// The sort keys of the ranking table: 0 none, 1 closeness, 2 median, 3 mode, 4 mean, 5 variance, 6 standard
// deviation, 7 coefficient of variation, 8 skewness, 9 kurtosis; then the goodness of fit on the raw values:
// 10 Kolmogorov-Smirnov D and 12 Anderson-Darling A^2 (smaller is better), 11 the KS p-value (larger is better).
constexpr int SortKeyCount = 13;
constexpr int RankingTableRows = 23;

// What the distance keys (4, 6, 8) are measured from: the statistics of the raw data themselves, or the raw
// row (the statistics of the raw-data histogram).
enum class SortReference { RawData, RawHistogram };

using RankingRow = std::array<std::string, FitRowFieldCount>;

// The ranking window's table: the accepted fits' rows, re-sortable, with the marking of unsuitable fits.
class RankingTable {
public:
    // Writes the fits' rows, sorts them by closeness and marks the unsuitable ones.
    RankingTable(const FitRanking& ranking, const RawDataSet& data);

    // Sorts the rows that take part (the accepted count) by `key`, then moves the filled rows together.
    void Sort(int key, SortReference reference = SortReference::RawData);
    // Whether the reference choice is offered for a key (the distance keys).
    static bool ReferenceShown(int key) { return key == 4 || key == 6 || key == 8; }

    // The suitability marking: the first unsuitable row (1-based) when the table opened, 0 when none is marked.
    // The marked fits are that row and those below it then; a re-sort moves them, the marking stays with them.
    int MarkedFrom() const { return markedFrom_; }
    bool RemovalOffered() const { return markedFrom_ > 0; }
    // Whether row `row` (0-based) holds a marked fit, wherever the sorting has put it.
    bool IsMarked(size_t row) const;
    // Removes exactly the marked fits: their rows are blanked here (the filled rows close up), and in the
    // ranking they lose their closeness and rows.
    void RemoveMarked(FitRanking& ranking);

    const std::vector<RankingRow>& Rows() const { return rows_; }  // RankingTableRows rows; blank fields empty
    const RankingRow& RawRow() const { return rawRow_; }
    int Count() const { return count_; }

private:
    void MarkUnsuitable();
    void CloseUp();

    std::vector<RankingRow> rows_;
    RankingRow rawRow_;
    std::array<std::string, 3> dataTexts_;  // the data's mean, standard deviation and skewness texts
    int count_ = 0;
    int markedFrom_ = 0;
    std::vector<std::string> marked_;  // the names of the marked fits
};

// A table text read as a number; a blank or " undefined" reads as 0.
double RankingNumber(const std::string& text);

}  // namespace morvik
