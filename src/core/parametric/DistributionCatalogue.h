#pragma once
#include <array>
#include <string>
#include <string_view>

#include "localization/TextCis.h"

namespace morvik {

// The 24 parametric distributions, by their place in the type list.
enum DistributionTypeId : int {
    NormalType,
    LogNormal2PType,
    GumbelIType,
    GumbelIIType,
    RaisedCosineType,
    CauchyType,
    FisherTippettType,
    LaplaceType,
    LogisticType,
    WeibullType,
    RayleighType,
    LevyType,
    StudentType,
    BetaInZeroType,
    BetaUniversalType,
    GamaType,
    SnedecorType,
    ParetoType,
    UniformType,
    TriangularType,
    ExponentialType,
    ChiSquareType,
    HalfLogisticType,
    LogNormal3PType,
};
inline constexpr int DistributionTypeCount = 24;

// How the generation chooses the range Min..Max of a type.
enum class RangeRule {
    ThresholdSearch,   // both ways from the start until the density falls to Eps times its start value
    RatioSearch,       // both ways until the density over its start value falls to Eps
    SearchFromZero,    // both ways until the density itself falls to Eps
    UnitScan,          // Beta in [0, 1] from its mode
    IntervalScan,      // Beta in [a, b]: climb to the mode, then both ways
    ParetoScan,        // upwards from P1, stopping on a flat density
    ExponentialScan,   // upwards from P1
    HalfLogisticScan,  // upwards from P1 with a ten times lower threshold
    FixedAroundP1,     // P1 - P2 .. P1 + P2
    FixedP1P2,         // P1 .. P2
};

struct DistributionType {
    int listMessage;                      // message number of the list text; 0 when it reads the same in both languages
    const char* listText;                 // the list text when listMessage is 0
    const char* captionSuffix;            // appended to message 151 in the parameter group caption
    std::array<const char*, 4> captions;  // LabPara1..LabPara4; empty where unused
    int parameterCount;                   // parameters 1..parameterCount are shown
    bool check1;                          // P1 > 0 required
    bool check2;                          // P2 > 0 required
    RangeRule rule;
    double epsFactor;     // Eps is scaled by it for the rest of the generation
    bool minZero;         // the lower end found by the search is replaced by 0
    bool lowerLimitZero;  // with the fit's own range, interval centres below 0 (not below Min) get nothing
};

// The catalogue row of a type (0..23).
const DistributionType& DistributionTypeInfo(int type);

// The list text of a type in the current (or given) language.
std::string TypeListText(int type);
std::string TypeListText(int type, Language language);
// The type whose English list text is `text` (ASCII letters matched without regard to case), or -1.
int FindTypeByEnglishText(std::string_view text);

// The caption of the parameter group box: message 151 followed by the type's suffix.
std::string GroupCaption(int type);
// The caption of parameter `slot` (0..3); empty when the type does not use it.
std::string ParameterCaption(int type, int slot);
bool ParameterShown(int type, int slot);
// Whether the Eps edit is shown for the type with these first two parameters.
bool EpsShown(int type, double p1, double p2);

using ParameterTexts = std::array<std::string, 4>;
// The texts of the parameter edits when the window is created.
inline const ParameterTexts InitialParameterTexts = {"1", "2", "1.5", "1"};
// Writes the default texts of a type over `texts` (a pending reset; P4 stays for Uniform and Triangular).
void ApplyDefaultParameterTexts(int type, ParameterTexts& texts);

}  // namespace morvik
