#pragma once
// A function of one variable for testing the solver routines: counts its
// samples and can be told to fail at a point, above a point, or on the n-th
// sample, the way an expression fails when it cannot be evaluated.

#include <cerrno>
#include <cmath>

struct SampledFunction {
    double (*fn)(double);
    long calls = 0;
    long failOnCall = 0;         // 1-based sample number that fails; 0 = none
    double failAbove = INFINITY;  // samples above this fail
    bool failAtPoint = false;
    double failX = 0.0;

    int operator()(double x, double& v) {
        ++calls;
        if (calls == failOnCall || x > failAbove || (failAtPoint && x == failX)) return 11;
        errno = 0;  // a successful evaluation leaves the indicator clear
        v = fn(x);
        return 0;
    }
};
