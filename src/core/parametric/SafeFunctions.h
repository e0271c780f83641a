#pragma once
#include <cstdint>
#include <span>

namespace morvik {

// Machine limits of the guarded functions.
inline constexpr double HugeValue = 1.797693134862315E308;  // overflow fallback, 4 units below the largest double
inline constexpr double ExpArgMin = -708.3964185322641;     // smallest argument of exp giving a normal double
inline constexpr double ExpArgMax = 709.782712893384;       // largest argument of exp that does not overflow
inline constexpr double GammaArgMax = 171.624376956302;     // largest argument of gamma that does not overflow
inline constexpr double ReciprocalLimit = 5.562684646268006267E-309;  // below this magnitude 1/x overflows
inline constexpr double GammaReflectionLimit = 1.74756892189523061475795694570E-308;  // below it pi/x overflows
inline constexpr double InverseLn10 = 0.43429448190325182765;
inline constexpr double SqrtTwoPi = 2.5066282746310005025;

// Guarded elementary functions: an argument outside the domain or range raises no floating-point exception
// (underflow and inexact aside); the function returns its fallback value instead.

// 0 below ExpArgMin, HugeValue above ExpArgMax, otherwise e^x.
double SafeExp(double x);
// -HugeValue for x <= 0, otherwise ln x.
double SafeLn(double x);
// -HugeValue for x <= 0, otherwise log10 x.
double SafeLog10(double x);
// x^n by squaring; 0^n for n < 0 and reciprocals that would overflow give HugeValue.
double SafeIntPower(double x, int32_t n);
// x^y; integral exponents go through SafeIntPower, a base <= 0 with any other exponent gives 0.
double SafePower(double x, double y);
// The gamma function; poles and overflow give HugeValue with the sign of the function there.
double SafeGamma(double x);

// Horner evaluation of c0 t^n + ... + cn, each step rounded to double.
double Polynomial(std::span<const double> coefficients, double t);

}  // namespace morvik
