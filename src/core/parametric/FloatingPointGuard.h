#pragma once

namespace morvik {

// The floating-point faults a generation reports; underflow and inexact results are not faults.
enum class FloatFault { DivisionByZero, Overflow, Underflow, InvalidOperation, OtherFloatingPoint, Other };

// Thrown by CheckFloatFlags when a guarded computation raised a fault.
struct FloatingPointFault {
    FloatFault fault;
};

// Clears every floating-point exception flag before a guarded computation.
void ClearFloatFlags();
// Throws FloatingPointFault when division by zero, overflow or an invalid operation happened since the last
// ClearFloatFlags (in this order of precedence: an invalid result usually follows from one of the others).
void CheckFloatFlags();

// Makes sure `value` has been computed before the next flag test, whatever the optimiser would reorder.
template <typename T>
inline void ForceEvaluated(const T& value)
{
    asm volatile("" : : "m"(value) : "memory");
}

// The catalogue message of a fault inside a generation: 140 to 145.
int GenerationFaultMessageNumber(FloatFault fault);

}  // namespace morvik
