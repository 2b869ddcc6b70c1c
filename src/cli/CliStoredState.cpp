#include "cli/CliStoredState.h"

#include "calculator/Settings.h"
#include "calculator/SettingsBinding.h"
#include "calculator/WorksheetFrontEnd.h"
#include "cli/CliOptions.h"
#include "cli/CliSession.h"
#include "platform/IniSettingsStore.h"
#include "platform/XdgLocations.h"

namespace quorvix {

void LoadStoredState(CliSession& session, const CliOptions& options) {
    // Only a run that continues a worksheet writes anything; any other run
    // takes a missing data directory as defaults and leaves it missing.
    // The settings the window writes, read without Qt: loading Qt and its
    // libraries would cost more than the rest of a one-line run.
    const XdgLocations locations(options.dataDir, !options.worksheet.empty());
    const IniSettingsStore store(options.dataDir);
    SettingsContext context;
    context.locations = &locations;
    const Settings settings = ReadSettings(store, context);

    CalculatorDialog& calculator = session.calculator();
    ApplySettingsToCalculator(settings, calculator);
    calculator.LoadUserDefinitions(locations.ProgramDirectory());
    if (options.worksheet.empty())
        LoadWorksheetVariables(settings.displayFile, calculator.evaluator());
    else
        session.ContinueWorksheet(options.worksheet);
}

}  // namespace quorvix
