// Which names the user may give to variables and user functions.

#include <cctype>
#include <cstring>
#include <iterator>
#include <string>

#include "engine/Evaluator.h"

namespace quorvix {

namespace {

// Kept as fixed 15-character entries, as in the saved tables of older files.
constexpr char kReservedNames[][15] = {
    "T", "PI", "EXP", "LN", "LOG", "SIN", "COS", "TAN", "SEC", "CSC", "COT", "ABS", "RAND",
    "SQRT", "SQR", "INT", "CEIL", "FLOOR", "FACT", "DEGTORAD", "RADTODEG", "ASIN", "ARCSIN",
    "ACOS", "ARCCOS", "ATAN", "ARCTAN", "ASEC", "ARCSEC", "ACSC", "ARCCSC", "ACOT", "ARCCOT",
    "SINH", "COSH", "TANH", "SECH", "CSCH", "COTH", "ASINH", "ARCSINH", "ACOSH", "ARCCOSH",
    "ATANH", "ARCTANH", "ASECH", "ARCSECH", "ACSCH", "ARCCSCH", "ACOTH", "ARCCOTH", "LOGN",
    "MOD", "PV", "FV", "PMT", "NPER", "RATE", "PPMT", "IPMT", "EFR", "APR", "AIRYAI", "AIRYBI",
    "BICO", "BETA", "BETAI", "BESSELJ", "BESSELY", "BESSELK", "BESSELI", "BESSELJS",
    "BESSELYS", "CARLSONRF", "CARLSONRD", "CARLSONRJ", "CARLSONRC", "DAWSON", "ELLIPTICF",
    "ELLIPTICE", "ELLIPTICPI", "ELLIPTICSN", "ELLIPTICCN", "ELLIPTICDN", "ERF", "ERFC",
    "EXPEN", "EXPEI", "FACTLN", "FRESNELS", "FRESNELC", "GAMMALN", "GAMMAP", "GAMMAQ",
    "COSINT", "SININT", "FINT", "FDIFF", "FZERO", "FZEROS", "FSUM", "SUM", "AVE", "MIN", "MAX",
    "CB", "CONVERTBASE", "BIN", "OCT", "DEC", "HEX", "AND", "OR", "XOR", "NOT", "LSHIFT",
    "RSHIFT",
};
// The documented count is 118, but the list itself names 117.
static_assert(std::size(kReservedNames) == 117);

bool IsNameStart(unsigned char c) { return std::isalpha(c) || c == '_'; }
bool IsNameChar(unsigned char c) { return std::isalnum(c) || c == '_'; }

}  // namespace

bool Evaluator::IsValidName(std::string_view name) {
    if (name.empty() || !IsNameStart(static_cast<unsigned char>(name[0]))) return false;
    std::string upper;
    upper.reserve(name.size());
    for (char c : name) {
        if (!IsNameChar(static_cast<unsigned char>(c))) return false;
        upper.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    }
    if (upper.size() >= 15) return true;  // longer than any reserved entry
    for (const char* reserved : kReservedNames) {
        if (upper == reserved) return false;
    }
    return true;
}

}  // namespace quorvix
