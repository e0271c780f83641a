#include <gtest/gtest.h>

#include "localization/TextCis.h"
#include "parametric/DistributionCatalogue.h"

namespace morvik {
namespace {

class CatalogueTest : public ::testing::Test {
protected:
    void TearDown() override { SetLanguage(Language::English); }
};

TEST_F(CatalogueTest, ListTextsInBothLanguages)
{
    const char* english[] = {
        "Normal",         "LogNormal_2P", "Gumbelovo_I",    "Gumbelovo_II", "Raised-cosine", "Cauchy",
        "Fisher-Tippett", "Laplace",      "Logistic",       "Weibull",      "Rayleigh",      "L\xC3\xA9vy",
        "Students",       "Beta_in_zero", "Beta_universal", "Gama",         "Snedecorovo",   "Pareto",
        "Uniform",        "Triangular",   "Exponencials",   "X2",           "Half-Logistic", "LogNormal_3P"};
    for (int type = 0; type < DistributionTypeCount; ++type) {
        EXPECT_EQ(TypeListText(type, Language::English), english[type]) << type;
    }
    EXPECT_EQ(TypeListText(NormalType, Language::Czech), "Norm\xC3\xA1ln\xC3\xAD");
    EXPECT_EQ(TypeListText(ExponentialType, Language::Czech), "Exponenci\xC3\xA1ln\xC3\xAD");
    EXPECT_EQ(TypeListText(StudentType, Language::Czech), "Studentovo");
    EXPECT_EQ(TypeListText(BetaInZeroType, Language::Czech), "Beta_v_nule");
    EXPECT_EQ(TypeListText(BetaUniversalType, Language::Czech), "Beta_obecn\xC3\xA9");
    EXPECT_EQ(TypeListText(WeibullType, Language::Czech), "Weibull");
    SetLanguage(Language::Czech);
    EXPECT_EQ(TypeListText(StudentType), "Studentovo");
}

TEST_F(CatalogueTest, FindsTypesByEnglishText)
{
    EXPECT_EQ(FindTypeByEnglishText("Weibull"), WeibullType);
    EXPECT_EQ(FindTypeByEnglishText("beta_universal"), BetaUniversalType);
    EXPECT_EQ(FindTypeByEnglishText("L\xC3\xA9vy"), LevyType);
    SetLanguage(Language::Czech);
    EXPECT_EQ(FindTypeByEnglishText("Exponencials"), ExponentialType);
    EXPECT_EQ(FindTypeByEnglishText("Beta_v_nule"), -1);
    EXPECT_EQ(FindTypeByEnglishText("Normal "), -1);
}

TEST_F(CatalogueTest, CaptionsAndGroupCaption)
{
    EXPECT_EQ(GroupCaption(NormalType), "Param.distribution :  F (x | Mi,Sigma)");
    EXPECT_EQ(GroupCaption(SnedecorType), "Param.distribution :  F(x|n1,n2)");
    EXPECT_EQ(ParameterCaption(CauchyType, 1), "Gama");
    EXPECT_EQ(ParameterCaption(ParetoType, 0), "Xm");
    EXPECT_EQ(ParameterCaption(LogNormal3PType, 2), "        Skewness");
    EXPECT_EQ(ParameterCaption(BetaUniversalType, 3), "b");
    EXPECT_EQ(ParameterCaption(RayleighType, 1), "");
    SetLanguage(Language::Czech);
    EXPECT_EQ(GroupCaption(GamaType), "Frekv.funkce :  F (x | k,theta)");
}

TEST_F(CatalogueTest, VisibilityOfParametersAndEps)
{
    // Parameter 2 hidden for the one-parameter types, 3 shown for 14, 19, 23, 4 only for 14.
    for (int type = 0; type < DistributionTypeCount; ++type) {
        const bool oneParameter = type == 10 || type == 11 || type == 12 || type == 20 || type == 21 || type == 22;
        EXPECT_TRUE(ParameterShown(type, 0)) << type;
        EXPECT_EQ(ParameterShown(type, 1), !oneParameter) << type;
        EXPECT_EQ(ParameterShown(type, 2), type == 14 || type == 19 || type == 23) << type;
        EXPECT_EQ(ParameterShown(type, 3), type == 14) << type;
    }
    EXPECT_FALSE(EpsShown(UniformType, 10, 1));
    EXPECT_FALSE(EpsShown(TriangularType, 10, 1));
    EXPECT_TRUE(EpsShown(WeibullType, 1, 1));
    EXPECT_FALSE(EpsShown(WeibullType, 0.9, 1));
    EXPECT_TRUE(EpsShown(BetaInZeroType, 1.1, 1.1));
    EXPECT_FALSE(EpsShown(BetaInZeroType, 1.1, 1));
    EXPECT_TRUE(EpsShown(NormalType, -5, -5));
}

TEST_F(CatalogueTest, DefaultTexts)
{
    EXPECT_EQ(InitialParameterTexts, (ParameterTexts{"1", "2", "1.5", "1"}));
    ParameterTexts texts = {"a", "b", "c", "d"};
    ApplyDefaultParameterTexts(TriangularType, texts);
    EXPECT_EQ(texts, (ParameterTexts{"0", "20", "5", "d"}));
    ApplyDefaultParameterTexts(GamaType, texts);
    EXPECT_EQ(texts, (ParameterTexts{"10", "1", "1.1", "1.9"}));
}

}  // namespace
}  // namespace morvik
