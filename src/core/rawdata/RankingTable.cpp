#include "rawdata/RankingTable.h"

#include <algorithm>
#include <cmath>

#include "common/NumberText.h"
#include "statlib/NumberParse.h"

namespace morvik {
namespace {

int FieldOfKey(int key)
{
    switch (key) {
    case 10: return FieldKsDistance;
    case 11: return FieldKsPValue;
    case 12: return FieldAndersonDarling;
    default: return key;
    }
}

bool Ascending(int key) { return key == 10 || key == 12; }

bool Blank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

}  // namespace

double RankingNumber(const std::string& text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return 0;
    return ParseDouble(std::string_view(text).substr(first)).value_or(0);
}

RankingTable::RankingTable(const FitRanking& ranking, const RawDataSet& data) : rows_(RankingTableRows)
{
    // The fits' rows in type order; the rows of removed fits are gone, but the count of accepted fits stays.
    size_t written = 0;
    for (const FitRow& row : ranking.rows) {
        if (written < rows_.size()) rows_[written++] = row.fields;
    }
    count_ = std::min(ranking.acceptedCount, RankingTableRows);
    rawRow_ = ranking.rawRow.fields;
    dataTexts_ = {StrNaCarku(data.mean), StrNaCarku(data.stdDev), StrNaCarku(data.skewness)};
    Sort(1);
    MarkUnsuitable();
}

void RankingTable::Sort(int key, SortReference reference)
{
    if (key > 0 && key < SortKeyCount) {
        const auto field = static_cast<size_t>(FieldOfKey(key));
        const bool distance = ReferenceShown(key);
        double from = 0;
        if (distance) {
            from = reference == SortReference::RawData ? RankingNumber(dataTexts_[static_cast<size_t>(key / 2 - 2)])
                                                       : RankingNumber(rawRow_[field]);
        }
        auto value = [&](const RankingRow& row) {
            const double v = RankingNumber(row[field]);
            return distance ? std::fabs(v - from) : v;
        };
        const bool ascending = distance || Ascending(key);
        auto better = [&](const RankingRow& a, const RankingRow& b) {
            return ascending ? value(a) < value(b) : value(a) > value(b);
        };
        // Selection sort in which a row moves ahead only for a strictly better value; the rows it passes keep
        // their order.
        const auto begin = rows_.begin();
        for (long i = 0; i < count_; ++i) {
            long best = i;
            for (long j = i + 1; j < count_; ++j) {
                if (better(rows_[static_cast<size_t>(j)], rows_[static_cast<size_t>(best)])) best = j;
            }
            std::rotate(begin + i, begin + best, begin + best + 1);
        }
    }
    CloseUp();
}

void RankingTable::CloseUp()
{
    // Rows without a closeness (removed ones) give way to the filled rows below them.
    for (size_t i = 0; i + 1 < rows_.size(); ++i) {
        if (!Blank(rows_[i][FieldCloseness])) continue;
        for (size_t j = i + 1; j < rows_.size(); ++j) {
            if (!Blank(rows_[j][FieldMedian])) {
                rows_[i] = rows_[j];
                rows_[j] = RankingRow{};
                break;
            }
        }
    }
}

void RankingTable::MarkUnsuitable()
{
    markedFrom_ = 0;
    marked_.clear();
    const double s = RankingNumber(dataTexts_[1]);
    for (int r = 0; r < count_; ++r) {
        const RankingRow& row = rows_[static_cast<size_t>(r)];
        const double sd = RankingNumber(row[FieldStdDev]);
        const bool suitable = RankingNumber(row[FieldMedian]) != 0 && sd >= 0.75 * s && sd <= 1.25 * s;
        if (suitable) continue;
        if (Blank(row[FieldCloseness])) return;
        markedFrom_ = r + 1;
        for (int m = r; m < count_; ++m) marked_.push_back(rows_[static_cast<size_t>(m)][FieldName]);
        return;
    }
}

bool RankingTable::IsMarked(size_t row) const
{
    return row < rows_.size() && !Blank(rows_[row][FieldCloseness]) &&
           std::find(marked_.begin(), marked_.end(), rows_[row][FieldName]) != marked_.end();
}

void RankingTable::RemoveMarked(FitRanking& ranking)
{
    if (markedFrom_ == 0) return;
    // The marked fits by name: after a re-sort they need not stand in the rows or ranked places they had.
    for (size_t r = 0; r < rows_.size(); ++r) {
        if (IsMarked(r)) rows_[r] = RankingRow{};
    }
    std::vector<int> types;
    for (const FitRow& row : ranking.rows) {
        if (std::find(marked_.begin(), marked_.end(), row.fields[FieldName]) != marked_.end())
            types.push_back(row.type);
    }
    std::erase_if(ranking.rows,
                  [&](const FitRow& row) { return std::find(types.begin(), types.end(), row.type) != types.end(); });
    for (RankedFit& fit : ranking.ranked) {
        if (std::find(types.begin(), types.end(), fit.type) == types.end()) continue;
        fit.closeness = 0;
        fit.parameters.clear();
    }
    CloseUp();
    markedFrom_ = 0;
    marked_.clear();
}

}  // namespace morvik
