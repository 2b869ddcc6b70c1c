// The yardstick for start-up: a C++ program that links only the standard
// library (libstdc++, libm) and prints 2*SIN(x)+SQRT(2)^3 for the x given.
#include <cmath>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    const double x = argc > 1 ? std::stod(argv[1]) : 0.5;
    std::cout.precision(10);
    std::cout << 2.0 * std::sin(x) + std::pow(std::sqrt(2.0), 3.0) << '\n';
    return 0;
}
