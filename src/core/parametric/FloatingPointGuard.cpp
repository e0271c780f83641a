#include "parametric/FloatingPointGuard.h"

#include <cfenv>

namespace morvik {

void ClearFloatFlags() { std::feclearexcept(FE_ALL_EXCEPT); }

void CheckFloatFlags()
{
    const int raised = std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
    if (raised == 0) return;
    if (raised & FE_DIVBYZERO) throw FloatingPointFault{FloatFault::DivisionByZero};
    if (raised & FE_OVERFLOW) throw FloatingPointFault{FloatFault::Overflow};
    throw FloatingPointFault{FloatFault::InvalidOperation};
}

int GenerationFaultMessageNumber(FloatFault fault)
{
    switch (fault) {
    case FloatFault::DivisionByZero: return 140;
    case FloatFault::Overflow: return 141;
    case FloatFault::Underflow: return 142;
    case FloatFault::InvalidOperation: return 143;
    case FloatFault::OtherFloatingPoint: return 144;
    case FloatFault::Other: return 145;
    }
    return 145;
}

}  // namespace morvik
