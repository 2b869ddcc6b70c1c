#pragma once
// The error function and its complement (Boost.Math).

namespace quorvix::numeric {

double erfn(double x);
double erfcn(double x);

}  // namespace quorvix::numeric
