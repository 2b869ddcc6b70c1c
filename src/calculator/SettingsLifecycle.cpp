#include "calculator/SettingsLifecycle.h"

#include "calculator/WorksheetDocument.h"

namespace quorvix {

WorksheetReadResult LoadCalculatorState(SettingsStore& store, const SettingsContext& context,
                                        RunAtLogon* runAtLogon, Settings& settings,
                                        const std::function<void()>& readUserDefinitionFiles,
                                        WorksheetDocument& worksheet) {
    settings = LoadSettings(store, context, runAtLogon);
    if (readUserDefinitionFiles) readUserDefinitionFiles();
    return worksheet.SerializeWorksheet(true);
}

void SaveCalculatorState(Settings& settings, bool financeBoxVisible, bool unitConverterVisible,
                         SettingsStore& store,
                         const std::function<void()>& writeChangedUserDefinitionFiles,
                         WorksheetDocument& worksheet, const CalculatorDisplay& display) {
    settings.showFinanceBox = financeBoxVisible;
    settings.showUnitConverter = unitConverterVisible;
    SaveSettings(settings, store);
    if (writeChangedUserDefinitionFiles) writeChangedUserDefinitionFiles();
    worksheet.SaveOnExit(display, settings.saveDisplay);
}

}  // namespace quorvix
