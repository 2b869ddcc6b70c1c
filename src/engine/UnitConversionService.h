#pragma once
// The interface through which CONVERT reaches the unit conversion engine,
// so that the expression engine does not depend on the units layer.

#include <string>
#include <string_view>

#include "engine/EvalError.h"

namespace quorvix {

// What CONVERT needs from the unit conversion engine. The engine only knows
// this interface, so it does not depend on the units layer; whoever owns both
// the Evaluator and the conversion engine connects them.
class UnitConversionService {
public:
    virtual ~UnitConversionService() = default;
    // Converts value from one unit text to another (texts as typed, between
    // the quotes). Returns 0 and sets result, or an EvalError (11 when a unit
    // is not found or the units are not connected).
    virtual EvalError ConvertUnits(double value, std::string_view from, std::string_view to,
                                   double& result) = 0;
    // After a failed conversion: what was wrong, naming the unit that was
    // not understood ("the unit \"furlongz\" is not understood") or the
    // two that do not convert; empty when there is nothing to say.
    virtual std::string FailureText() const { return {}; }
};

}  // namespace quorvix
