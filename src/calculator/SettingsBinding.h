#pragma once
// Moves the options that the calculator logic uses between the settings
// record and a CalculatorDialog: angle unit, number base, number format,
// significant digits and the new-line-after-calculation option.

namespace quorvix {

class CalculatorDialog;
struct Settings;

// After the settings are read (window start-up, or a front end that only
// reads them).
void ApplySettingsToCalculator(const Settings& settings, CalculatorDialog& calculator);

// Before the settings are written: the calculator's current choices.
void CollectSettingsFromCalculator(const CalculatorDialog& calculator, Settings& settings);

}  // namespace quorvix
