#include "calculator/FontFallback.h"

#include <algorithm>
#include <cmath>

namespace quorvix {

namespace {
constexpr double kStandardPoints = 8.0;
constexpr double kUnknownDpi = 96.0;  // when the screen gives none
}

double FontRecordPoints(const FontRecord& record, int dotsPerInchY) {
    const double dpi = dotsPerInchY > 0 ? dotsPerInchY : kUnknownDpi;
    const double pixels = std::fabs(static_cast<double>(record.height));
    const double points = pixels == 0 ? kStandardPoints : pixels * 72.0 / dpi;
    return std::clamp<double>(points, kMinFontPoints, kMaxFontPoints);
}

ShownFont ChooseShownFont(const FontRecord& record, int dotsPerInchY, bool installed,
                          const SystemFont& system) {
    const double stored = FontRecordPoints(record, dotsPerInchY);
    if (installed || system.family.empty()) return {record.faceName, stored, false};
    const double raise = std::max(0.0, system.points - kStandardPoints);
    const double points = std::clamp<double>(std::round(stored) + raise, kMinFontPoints,
                                             kMaxFontPoints);
    return {system.family, points, true};
}

std::string FontSubstitutionNote(const char* what, const std::string& storedFace,
                                 const std::string& shownFamily) {
    return std::string(what) + " font \"" + storedFace + "\" is not installed; using \"" +
           shownFamily + "\".";
}

}  // namespace quorvix
