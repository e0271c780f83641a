#pragma once
#include <optional>

namespace morvik {

// The points x0, x0 + delta, x0 + 2 delta, ... of a search, each one the extended-precision sum of the one
// before and delta, exactly as stepping one by one gives them. Points further ahead are reached without adding
// step by step: inside one binary order of magnitude every step adds the same amount.
class StepWalk {
public:
    StepWalk(long double x0, long double delta) : x_(x0), delta_(delta) {}

    long double X() const { return x_; }
    long long Steps() const { return steps_; }

    // One step. Throws SearchRefused when the step no longer moves x or the walk runs out of steps.
    void Step();
    // The point n steps ahead, or nothing when a step on the way would not move x or the steps would run out.
    std::optional<long double> PointAhead(long long n) const;
    // Moves to the point n steps ahead, as PointAhead(n) gave it.
    void Skip(long long n, long double x);

private:
    long double x_;
    long double delta_;
    long long steps_ = 0;
};

}  // namespace morvik
