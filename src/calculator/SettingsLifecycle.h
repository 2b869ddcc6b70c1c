#pragma once
// The order of all persistent state at start and at exit: settings first,
// then the user definition files, then the worksheet (whose path is a
// setting), so that each step finds what it depends on.

#include <functional>

#include "calculator/Settings.h"
#include "calculator/Worksheet.h"

namespace quorvix {

class CalculatorDisplay;
class RunAtLogon;
class SettingsStore;
class WorksheetDocument;

// When the calculator is created. worksheet must be bound to
// settings.displayFile. Returns how reading the worksheet went.
WorksheetReadResult LoadCalculatorState(SettingsStore& store, const SettingsContext& context,
                                        RunAtLogon* runAtLogon, Settings& settings,
                                        const std::function<void()>& readUserDefinitionFiles,
                                        WorksheetDocument& worksheet);

// When the calculator is destroyed at the end of the run: records which
// tool windows are visible, writes the settings, the changed user
// definition files and the worksheet (when saving the display on exit is
// off, the text the file holds stays; the variables are always written).
void SaveCalculatorState(Settings& settings, bool financeBoxVisible, bool unitConverterVisible,
                         SettingsStore& store,
                         const std::function<void()>& writeChangedUserDefinitionFiles,
                         WorksheetDocument& worksheet, const CalculatorDisplay& display);

}  // namespace quorvix
