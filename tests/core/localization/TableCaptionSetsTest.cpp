#include <gtest/gtest.h>

#include "localization/CaptionSets.h"

using namespace morvik;

// The combination table shows the same label, row-button hints and headings as the summation table, in
// either language.
TEST(TableCaptionSets, CombinationTakesTheSharedTextsOfTheSummationTable)
{
    for (Language language : {Language::Czech, Language::English}) {
        const auto summation = CaptionSet(7, language);
        const auto combination = CaptionSet(8, language);
        EXPECT_EQ(FindCaption(combination, "Label16"), FindCaption(summation, "Label16"));
        EXPECT_EQ(FindHint(combination, "DelRow"), FindHint(summation, "DelRow"));
        EXPECT_EQ(FindHint(combination, "GrafHistKomb"), FindHint(summation, "GrafHistSuma"));
        EXPECT_EQ(FindHint(combination, "OtevHistKomb"), FindHint(summation, "OtevHistSuma"));
        for (int column : {1, 5, 6, 7}) {
            ASSERT_TRUE(FindCell(summation, "StrGrSumaProm", column, 0));
            EXPECT_EQ(FindCell(combination, "StrGrKombProm", column, 0),
                      FindCell(summation, "StrGrSumaProm", column, 0));
        }
    }
    EXPECT_EQ(FindCell(CaptionSet(7, Language::Czech), "StrGrSumaProm", 8, 0), " Váha");
    EXPECT_EQ(FindCell(CaptionSet(8, Language::English), "StrGrKombProm", 1, 0), "Multiple");
    EXPECT_EQ(FindCell(CaptionSet(11, Language::English), "StringGrid1", 0, 2), "Number of intervals");
}
