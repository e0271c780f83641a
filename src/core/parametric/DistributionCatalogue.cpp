#include "parametric/DistributionCatalogue.h"

#include <cctype>
#include <stdexcept>

#include "localization/MessageNumbers.h"

namespace morvik {
namespace {

using R = RangeRule;

// clang-format off
constexpr std::array<DistributionType, DistributionTypeCount> Catalogue = {{
    // list      list text          caption suffix                  captions                               n  chk1   chk2   range rule            Eps factor  Min=0 Lower 0
    {91, "",                 " F (x | Mi,Sigma)",           {"Mi", "Sigma", "", ""},                 2, false, true,  R::ThresholdSearch,  1,       false, false},
    {0,  "LogNormal_2P",     " F (x | Mi,Sigma)",           {"Mi", "Sigma", "", ""},                 2, true,  true,  R::RatioSearch,      1,       false, false},
    {0,  "Gumbelovo_I",      " F (x | Mi,Sigma)",           {"Mi", "Sigma", "", ""},                 2, false, true,  R::RatioSearch,      1,       false, false},
    {0,  "Gumbelovo_II",     " F (x | Mi,Sigma)",           {"Mi", "Sigma", "", ""},                 2, false, true,  R::RatioSearch,      1,       false, false},
    {0,  "Raised-cosine",    " F (x | Mi,s)",               {"Mi", "s", "", ""},                     2, false, true,  R::FixedAroundP1,    1,       false, false},
    {0,  "Cauchy",           " F (x | Xo,gama)",            {"Xo", "Gama", "", ""},                  2, false, true,  R::ThresholdSearch,  10,      false, false},
    {0,  "Fisher-Tippett",   " F (x | Mi,beta)",            {"Mi", "Beta", "", ""},                  2, false, true,  R::RatioSearch,      1,       false, false},
    {0,  "Laplace",          " F (x | Mi,b)",               {"Mi", "b", "", ""},                     2, false, true,  R::ThresholdSearch,  1,       false, false},
    {0,  "Logistic",         " F (x | Mi,s)",               {"Mi", "s", "", ""},                     2, false, true,  R::ThresholdSearch,  1,       false, false},
    {0,  "Weibull",          " F (x | k,lambda)",           {"k", "lambda", "", ""},                 2, true,  true,  R::SearchFromZero,   0.01,    true,  true},
    {0,  "Rayleigh",         " F (x | Sigma)",              {"Sigma", "", "", ""},                   1, true,  false, R::SearchFromZero,   0.01,    true,  true},
    {0,  "L\xC3\xA9vy",      " F (x | c)",                  {"c", "", "", ""},                       1, true,  false, R::SearchFromZero,   1,       true,  true},
    {93, "",                 " F (x | n)",                  {"n", "", "", ""},                       1, true,  false, R::ThresholdSearch,  1,       false, false},
    {94, "",                 " F (x | alfa,beta)",          {"alfa", "beta", "", ""},                2, true,  true,  R::UnitScan,         1,       false, false},
    {95, "",                 " F (x | alfa,beta,a,b)",      {"alfa", "beta", "a", "b"},              4, true,  true,  R::IntervalScan,     1,       false, false},
    {0,  "Gama",             " F (x | k,theta)",            {"k", "theta", "", ""},                  2, true,  true,  R::SearchFromZero,   0.00001, false, true},
    {0,  "Snedecorovo",      " F(x|n1,n2)",                 {"n1", "n2", "", ""},                    2, true,  true,  R::SearchFromZero,   1,       true,  false},
    {0,  "Pareto",           " F (x | xm,k)",               {"Xm", "k", "", ""},                     2, true,  true,  R::ParetoScan,       1,       false, false},
    {0,  "Uniform",          " F (x | a,b)",                {"a", "b", "", ""},                      2, false, false, R::FixedP1P2,        1,       false, false},
    {0,  "Triangular",       " F (x | a,b,c)",              {"a", "b", "c", ""},                     3, false, false, R::FixedP1P2,        1,       false, false},
    {92, "",                 " F (x | delta)",              {"delta", "", "", ""},                   1, true,  false, R::ExponentialScan,  1,       false, false},
    {0,  "X2",               " F(x | n)",                   {"n", "", "", ""},                       1, true,  false, R::SearchFromZero,   1,       true,  true},
    {0,  "Half-Logistic",    " F (x | delta)",              {"delta", "", "", ""},                   1, false, false, R::HalfLogisticScan, 1,       false, false},
    {0,  "LogNormal_3P",     " F (x | Mi,Sigma,Skewness)",  {"Mi", "Sigma", "        Skewness", ""}, 3, true,  true,  R::RatioSearch,      1,       false, false},
}};
// clang-format on

}  // namespace

const DistributionType& DistributionTypeInfo(int type)
{
    if (type < 0 || type >= DistributionTypeCount) throw std::out_of_range("distribution type");
    return Catalogue[static_cast<size_t>(type)];
}

std::string TypeListText(int type, Language language)
{
    const DistributionType& info = DistributionTypeInfo(type);
    return info.listMessage != 0 ? TextCis(info.listMessage, language) : info.listText;
}

std::string TypeListText(int type) { return TypeListText(type, CurrentLanguage()); }

int FindTypeByEnglishText(std::string_view text)
{
    auto sameText = [](std::string_view a, const std::string& b) {
        if (a.size() != b.size()) return false;
        for (size_t i = 0; i < a.size(); ++i) {
            if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
                return false;
        }
        return true;
    };
    for (int type = 0; type < DistributionTypeCount; ++type) {
        if (sameText(text, TypeListText(type, Language::English))) return type;
    }
    return -1;
}

std::string GroupCaption(int type)
{
    return TextCis(msg::ParametricGroupCaption) + DistributionTypeInfo(type).captionSuffix;
}

std::string ParameterCaption(int type, int slot)
{
    return DistributionTypeInfo(type).captions.at(static_cast<size_t>(slot));
}

bool ParameterShown(int type, int slot) { return slot >= 0 && slot < DistributionTypeInfo(type).parameterCount; }

bool EpsShown(int type, double p1, double p2)
{
    switch (type) {
    case UniformType:
    case TriangularType: return false;
    case WeibullType: return p1 >= 1;
    case BetaInZeroType: return p1 > 1 && p2 > 1;
    default: return true;
    }
}

void ApplyDefaultParameterTexts(int type, ParameterTexts& texts)
{
    if (type == UniformType || type == TriangularType) {
        texts[0] = "0";
        texts[1] = "20";
        texts[2] = "5";
        return;
    }
    texts = {"10", "1", "1.1", "1.9"};
}

}  // namespace morvik
