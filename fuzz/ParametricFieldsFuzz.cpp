// The parametric window's entry fields (the four parameters, Eps, the interval count, Min and Max) take any
// text without a crash, whatever distribution type is chosen. Each input line is a command letter and its text:
// "F1E-7|128" starts the window with these kept fields, "T5" chooses type 5, "D1" ticks "Pure Discrete",
// "1".."4" + text types a parameter, "E" Eps, "I" the interval count, "N" Min and "M" Max (each then leaves
// its field), "C" computes, "Z" closes the window.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "parametric/DistributionCatalogue.h"
#include "windowmodels/ParametricWindowModel.h"

using namespace morvik;

namespace {

int Number(std::string_view text)
{
    int value = 0;
    for (char c : text.substr(0, 4)) {
        value = value * 10 + (c >= '0' && c <= '9' ? c - '0' : static_cast<unsigned char>(c) % 10);
    }
    return value;
}

ParametricField FieldOf(char letter)
{
    switch (letter) {
    case '1': return ParametricField::Para1;
    case '2': return ParametricField::Para2;
    case '3': return ParametricField::Para3;
    case '4': return ParametricField::Para4;
    case 'E': return ParametricField::Eps;
    case 'I': return ParametricField::Intervals;
    case 'N': return ParametricField::Min;
    case 'M': return ParametricField::Max;
    default: return ParametricField::None;
    }
}

void Show(const ParametricWindowModel& model)
{
    (void)model.CharacteristicsGrid();
    (void)model.ChartTitleLine();
    if (model.Shown()) {
        (void)model.ShownHistogram();
        (void)model.CharacteristicsDialogText();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto lines = fuzz::Lines(std::string_view(reinterpret_cast<const char*>(data), size));
    ParametricWindowModel model;
    model.Start();
    int commands = 0;
    for (std::string_view line : lines) {
        if (line.empty()) continue;
        // A generation of many intervals takes a while; a few of them show all an input can do.
        if (++commands > 12) break;
        const char letter = line.front();
        const std::string text(line.substr(1));
        if (letter == 'F') {
            const size_t bar = text.find('|');
            GenerationFields fields;
            fields.Eps = text.substr(0, bar);
            fields.PocetIntervalu = bar == std::string::npos ? std::string() : text.substr(bar + 1);
            model = ParametricWindowModel(fields);
            model.Start();
        } else if (letter == 'T') {
            (void)model.ChangeType(Number(text) % DistributionTypeCount);
        } else if (letter == 'D') {
            (void)model.SetPureDiscrete(text == "1");
        } else if (letter == 'C') {
            (void)model.Compute();
        } else if (letter == 'Z') {
            (void)model.Close();
        } else if (const ParametricField field = FieldOf(letter); field != ParametricField::None) {
            model.EditText(field, text);
            (void)model.LeaveField(field);
        }
        Show(model);
    }
    return 0;
}
