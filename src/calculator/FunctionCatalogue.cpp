#include "calculator/FunctionCatalogue.h"

#include <array>

#include "engine/TextRules.h"

namespace quorvix {

namespace {
FunctionInfo Row(const char* name, int minArgs, int maxArgs, const char* syntax,
                 const char* description) {
    return FunctionInfo{name, minArgs, maxArgs, syntax, description, ""};
}

// All rows in command order; each group is a consecutive run.
const std::array<FunctionInfo, kFunctionCatalogueSize>& Rows() {
    static const std::array<FunctionInfo, kFunctionCatalogueSize> rows = {
        Row("Abs", 1, 1, "x",
            "Returns the absolute value of a number"),
        Row("Ceil", 1, 1, "x",
            "Returns the smallest integer larger than a number"),
        Row("Exp", 1, 1, "x",
            "Returns e raised to the power of a number"),
        Row("Fact", 1, 1, "x",
            "Returns the factorial of a number"),
        Row("Floor", 1, 1, "x",
            "Returns the largest integer less than a number"),
        Row("Int", 1, 1, "x",
            "Returns the integer part of a number"),
        Row("Log", 1, 1, "x",
            "Returns the base-10 logarithm of a number"),
        Row("Ln", 1, 1, "x",
            "Returns the natural logarithm of a number"),
        Row("Mod", 2, 2, "number, modulus",
            "Returns the remainder an integer division"),
        Row("Rand", 0, 0, "",
            "Returns a random number between 0 and 1"),
        Row("Sqr", 1, 1, "x",
            "Returns the square of a number"),
        Row("Sqrt", 1, 1, "x",
            "Returns the square root of a number"),
        Row("DegToRad", 1, 1, "x",
            "Converts degrees to radians"),
        Row("RadToDeg", 1, 1, "x",
            "Converts radians to degrees"),
        Row("Sin", 1, 1, "x",
            "Returns the sine of an angle"),
        Row("Cos", 1, 1, "x",
            "Returns the cosine of an angle"),
        Row("Tan", 1, 1, "x",
            "Returns the tangent of an angle"),
        Row("Csc", 1, 1, "x",
            "Returns the cosecant of an angle"),
        Row("Sec", 1, 1, "x",
            "Returns the secant of an angle"),
        Row("Cot", 1, 1, "x",
            "Returns the cotangent of an angle"),
        Row("ArcSin", 1, 1, "x",
            "Returns the inverse sine of a number"),
        Row("ArcCos", 1, 1, "x",
            "Returns the inverse cosine of a number"),
        Row("ArcTan", 1, 1, "x",
            "Returns the inverse tangent of a number"),
        Row("ArcCsc", 1, 1, "x",
            "Returns the inverse cosecant of a number"),
        Row("ArcSec", 1, 1, "x",
            "Returns the inverse secant of a number"),
        Row("ArcCot", 1, 1, "x",
            "Returns the inverse cotangent of a number"),
        Row("Sinh", 1, 1, "x",
            "Returns the hyperbolic sine of a number"),
        Row("Cosh", 1, 1, "x",
            "Returns the hyperbolic cosine of a number"),
        Row("Tanh", 1, 1, "x",
            "Returns the hyperbolic tangent of a number"),
        Row("Csch", 1, 1, "x",
            "Returns the hyperbolic cosecant of a number"),
        Row("Sech", 1, 1, "x",
            "Returns the hyperbolic secant of a number"),
        Row("Coth", 1, 1, "x",
            "Returns the hyperbolic cotangent of a number"),
        Row("ArcSinh", 1, 1, "x",
            "Returns the inverse hyperbolic sine of a number"),
        Row("ArcCosh", 1, 1, "x",
            "Returns the inverse hyperbolic cosine of a number"),
        Row("ArcTanh", 1, 1, "x",
            "Returns the inverse hyperbolic tangent of a number"),
        Row("ArcCsch", 1, 1, "x",
            "Returns the inverse hyperbolic cosecant of a number"),
        Row("ArcSech", 1, 1, "x",
            "Returns the inverse hyperbolic secant of a number"),
        Row("ArcCoth", 1, 1, "x",
            "Returns the inverse hyperbolic cotangent of a number"),
        Row("PV", 3, 5, "rate, nper, pmt, [fv=0], [type=0]",
            "Returns the present value of an annuity"),
        Row("FV", 3, 5, "rate, nper, pmt, [pv=0], [type=0]",
            "Returns the future value of an annuity"),
        Row("PMT", 3, 5, "rate, nper, pv, [fv=0], [type=0]",
            "Returns the payment of an annuity"),
        Row("RATE", 3, 6, "nper, pmt, pv, [fv=0], [type=0], [guess=1%]",
            "Returns the periodic interest rate for an annuity"),
        Row("NPER", 3, 5, "rate, pmt, pv, [fv=0], [type=0]",
            "Returns the number of periods for an annuity"),
        Row("EFR", 1, 2, "apr, [npery=12]",
            "Returns the effective annual interest rate"),
        Row("APR", 1, 2, "efr, [npery=12]",
            "Returns the nominal annual interest rate"),
        Row("AiryAi", 1, 1, "x",
            "Returns the Airy function Ai(x)"),
        Row("AiryBi", 1, 1, "x",
            "Returns the Airy function Bi(x)"),
        Row("BiCo", 2, 2, "n, k",
            "Returns the binomial coefficient C(n,k)"),
        Row("Beta", 2, 2, "z, w",
            "Returns the value of the beta function B(z, w)"),
        Row("BetaI", 3, 3, "a, b, x",
            "Returns the incomplete beta function Ix(a,b)"),
        Row("BesselJ", 2, 2, "n, x",
            "Returns the Bessel function Jn(x)"),
        Row("BesselY", 2, 2, "n, x",
            "Returns the Bessel function Yn(x)"),
        Row("BesselK", 2, 2, "n, x",
            "Returns the modified Bessel function Kn(x)"),
        Row("BesselI", 2, 2, "n, x",
            "Returns the modified Bessel function In(x)"),
        Row("BesselJS", 2, 2, "n, x",
            "Returns the spherical Bessel function Jn(x)"),
        Row("BesselYS", 2, 2, "n, x",
            "Returns the spherical Bessel function Yn(x)"),
        Row("CarlsonRF", 3, 3, "x, y, z",
            "Returns Carlson's elliptic integral of the first kind, RF (x, y, z)"),
        Row("CarlsonRD", 3, 3, "x, y, z",
            "Returns Carlson's elliptic integral of the second kind, RD (x, y, z)"),
        Row("CarlsonRJ", 4, 4, "x, y, z, p",
            "Returns Carlson's elliptic integral of the third kind, RJ(x, y, z, p)"),
        Row("CarlsonRC", 2, 2, "x, y",
            "Returns Carlson's degenerate elliptic integral, RC(x, y)"),
        Row("Dawson", 1, 1, "x",
            "Returns Dawson's integral"),
        Row("EllipticF", 2, 2, "phi, k",
            "Returns Legendre elliptic integral of the first kind, F(phi, k)"),
        Row("EllipticE", 2, 2, "phi, k",
            "Returns Legendre elliptic integral of the second kind, E(phi, k)"),
        Row("EllipticPI", 3, 3, "phi, n, k",
            "Returns Legendre elliptic integral of the third kind, Pi(phi, n, k"),
        Row("EllipticSN", 2, 2, "u, kc²",
            "Returns the Jacobian elliptic function sn(u,k), given kc² = 1 - k²"),
        Row("EllipticCN", 2, 2, "u, kc²",
            "Returns the Jacobian elliptic function cn(u,k), given kc² = 1 - k²"),
        Row("EllipticDN", 2, 2, "u, kc²",
            "Returns the Jacobian elliptic function dn(u,k), given kc² = 1 - k²"),
        Row("Erf", 1, 1, "x",
            "Returns the error function erf(x)"),
        Row("Erfc", 1, 1, "x",
            "Returns the complementary error function erfc(x)"),
        Row("ExpEN", 2, 2, "n, x",
            "Returns the exponential integral En(x)"),
        Row("ExpEI", 1, 1, "x",
            "Returns the exponential integral Ei(x)"),
        Row("FactLn", 1, 1, "n",
            "Returns the natural logarithm of n factorial"),
        Row("FresnelS", 1, 1, "x",
            "Returns the Fresnel integral S(x)"),
        Row("FresnelC", 1, 1, "x",
            "Returns the Fresnel integral C(x)"),
        Row("GammaLn", 1, 1, "x",
            "Returns the natural logarithm of the gamma function"),
        Row("GammaP", 2, 2, "a, x",
            "Returns the incomplete gamma function P(a, x)"),
        Row("GammaQ", 2, 2, "a, x",
            "Returns the incomplete gamma function Q(a, x)"),
        Row("CosInt", 1, 1, "x",
            "Returns the cosine integral Ci(x)"),
        Row("SinInt", 1, 1, "x",
            "Returns the sine integral Si(x)"),
        Row("FInt", 3, 4, "f(t), lower, upper, [precision = 1E-8]",
            "Numerically integrates function f(t)"),
        Row("FDiff", 2, 2, "f(t), x",
            "Numerically differentiates function f(t)"),
        Row("FZero", 3, 4, "f(t), lower, upper, [precision = 1E-8]",
            "Finds a root of f(t) in a specified interval"),
        Row("FZeros", 1, 4, "f(t), [lower=-50], [upper=50], [precision=1E-8]",
            "Finds all roots of f(t) in a specified interval"),
        Row("FSum", 3, 4, "f(t), lower, upper, [step=1]",
            "Returns the discrete sum of the function f(t) over a domain"),
        Row("Sum", 1, 100, "v1, v2, v3, ..., vn",
            "Returns the sum of the arguments"),
        Row("Ave", 1, 100, "v1, v2, v3, ..., vn",
            "Returns the average of the arguments"),
        Row("Min", 1, 100, "v1, v2, v3, ..., vn",
            "Returns the minimum of the arguments"),
        Row("Max", 1, 100, "v1, v2, v3, ..., vn",
            "Returns the maximum of the arguments"),
        Row("And", 2, 2, "Number1, Number2",
            "Performs the bitwise operation AND"),
        Row("Or", 2, 2, "Number1, Number2",
            "Performs the bitwise operation OR"),
        Row("Xor", 2, 2, "Number1, Number2",
            "Performs the bitwise operation XOR"),
        Row("Not", 1, 1, "Number",
            "Performs the bitwise operation NOT"),
        Row("LShift", 2, 2, "Number, n",
            "Performs the bitwise operation LSHIFT"),
        Row("RShift", 2, 2, "Number, n",
            "Performs the bitwise operation RSHIFT"),
        Row("CB", 2, 2, "Number, ToBase",
            "Converts a number from one numeric base to another"),
        Row("Bin", 1, 1, "Number",
            "Converts a number to binary"),
        Row("Oct", 1, 1, "Number",
            "Converts a number to octal"),
        Row("Dec", 1, 1, "Number",
            "Converts a number to decimal"),
        Row("Hex", 1, 1, "Number",
            "Converts a number to hexadecimal"),
    };
    return rows;
}

struct GroupLayout {
    FunctionGroup group;
    const char* caption;
    int firstCommand;
    int rowCount;
};

constexpr GroupLayout kGroups[kFunctionGroupCount] = {
    {FunctionGroup::Algebraic, "Algebraic functions", 20063, 14},
    {FunctionGroup::Trigonometric, "Trigonometric functions", 20077, 6},
    {FunctionGroup::InverseTrigonometric, "Inverse trigonometric functions", 20083, 6},
    {FunctionGroup::Hyperbolic, "Hyperbolic functions", 20089, 6},
    {FunctionGroup::InverseHyperbolic, "Inverse hyperbolic functions", 20095, 6},
    {FunctionGroup::Financial, "Financial functions", 20101, 7},
    {FunctionGroup::Special, "Special functions", 20108, 34},
    {FunctionGroup::Solver, "Solver functions", 20142, 5},
    {FunctionGroup::Statistical, "Statistical functions", 20147, 4},
    {FunctionGroup::Bitwise, "Bitwise operations", 20151, 6},
    {FunctionGroup::BaseConversion, "Base-conversion functions", 20157, 5},
};

const std::array<FunctionGroupInfo, kFunctionGroupCount>& Groups() {
    static const std::array<FunctionGroupInfo, kFunctionGroupCount> groups = [] {
        std::array<FunctionGroupInfo, kFunctionGroupCount> built{};
        std::span<const FunctionInfo> all(Rows());
        for (int g = 0; g < kFunctionGroupCount; ++g) {
            const GroupLayout& layout = kGroups[g];
            built[g] = {layout.group, layout.caption, layout.firstCommand,
                        all.subspan(static_cast<std::size_t>(layout.firstCommand -
                                                             kFirstFunctionCommand),
                                    static_cast<std::size_t>(layout.rowCount))};
        }
        return built;
    }();
    return groups;
}

// The groups LookUpFunction searches, in its order.
constexpr FunctionGroup kLookUpOrder[] = {
    FunctionGroup::Trigonometric, FunctionGroup::Algebraic, FunctionGroup::Financial,
    FunctionGroup::Special,       FunctionGroup::Solver,    FunctionGroup::Statistical,
    FunctionGroup::Bitwise,       FunctionGroup::BaseConversion,
};
}  // namespace

const FunctionGroupInfo& FunctionGroupAt(FunctionGroup group) {
    return Groups()[static_cast<std::size_t>(group)];
}

std::span<const FunctionInfo> FunctionCatalogue() { return Rows(); }

const FunctionInfo* FunctionForCommand(int command) {
    if (command < kFirstFunctionCommand || command > kLastFunctionCommand) return nullptr;
    return &Rows()[static_cast<std::size_t>(command - kFirstFunctionCommand)];
}

std::optional<FunctionInfo> LookUpFunction(std::string_view name,
                                           std::span<const FunctionInfo> userFunctions) {
    for (const FunctionGroup group : kLookUpOrder)
        for (const FunctionInfo& row : FunctionGroupAt(group).rows)
            if (EqualsIgnoringCase(row.name, name)) return row;
    for (const FunctionInfo& row : userFunctions)
        if (EqualsIgnoringCase(row.name, name)) return row;
    return std::nullopt;
}

}  // namespace quorvix
