#pragma once

namespace morvik {

// The parameters and the constant slots of one generation, in extended precision.
struct DensityState {
    int type = 0;
    long double P1 = 0, P2 = 0, P3 = 0, P4 = 0;
    long double A = 0, B = 0, C = 0, D = 0, E = 0;
    long double G = 0;     // LogNormal_3P: the shift of its standardised variable
    long double W = 0;     // LogNormal_3P: the cube root its constants come from; 0 refuses the type
    long double DtoE = 0;  // Beta_universal: D^E, the same at every x (the guarded power raises no flag)
};

// Computes the constant slots of the type from P1..P4. Any check a constant needs is the caller's.
void ComputeConstants(DensityState& state);

// The density of the type at x, up to a constant factor; never reports an error itself (arithmetic faults show
// in the floating-point flags).
long double DensityAt(const DensityState& state, long double x);

}  // namespace morvik
