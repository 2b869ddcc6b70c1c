#include "calculator/SettingsBinding.h"

#include "calculator/CalculatorDialog.h"
#include "calculator/Settings.h"

namespace quorvix {

void ApplySettingsToCalculator(const Settings& settings, CalculatorDialog& calculator) {
    calculator.SetAngleUnit(settings.angleUnit);
    calculator.SetNumberBase(settings.numberBase);
    calculator.SetNumberFormat(settings.numberFormat);
    calculator.SetSignificantDigits(settings.decimalPlaces);
    calculator.SetNewLineAfterCalculation(settings.newLine);
}

void CollectSettingsFromCalculator(const CalculatorDialog& calculator, Settings& settings) {
    settings.angleUnit = calculator.angleUnit();
    settings.numberBase = calculator.numberBase();
    settings.numberFormat = calculator.numberFormat();
    settings.decimalPlaces = calculator.significantDigits();
    settings.newLine = calculator.newLineAfterCalculation();
}

}  // namespace quorvix
