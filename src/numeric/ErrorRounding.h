#pragma once
// Answers cut to the digits their error estimate vouches for, so that the
// digits shown beyond them are zeros rather than noise.

namespace quorvix::numeric {

// value rounded to the decimal place whose unit is the least power of ten
// of at least twenty times err. value itself when that unit would lie
// beyond its tenth significant digit (or err is not a positive number):
// rounding there would round the ten digits shown by default a second
// time, and could move the last of them.
double RoundToError(double value, double err);

}  // namespace quorvix::numeric
