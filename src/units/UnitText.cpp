#include "units/UnitText.h"

namespace quorvix {
std::string_view StripPluralOrPeriod(std::string_view name) {
    if (name.size() > 3 && (name.back() == 's' || name.back() == 'S')) {
        return name.substr(0, name.size() - 1);
    }
    if (name.size() > 1 && name.back() == '.') return name.substr(0, name.size() - 1);
    return name;
}

}  // namespace quorvix
