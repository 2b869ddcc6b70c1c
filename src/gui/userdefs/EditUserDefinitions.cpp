#include "gui/userdefs/EditUserDefinitions.h"

// The engine's headers come before Qt's (see EditUserDefinitions.h).
#include "userdefs/UserDefinitions.h"

#include "gui/userdefs/UserConstantsDialog.h"
#include "gui/userdefs/UserConversionsDialog.h"
#include "gui/userdefs/UserFunctionsDialog.h"

namespace quorvix {

namespace {

template <class Dialog, class Editor>
bool RunDialog(Editor& editor, HelpViewer& help, QWidget* parent) {
    Dialog dialog(editor, help, parent);
    dialog.exec();
    return editor.changed();
}

}  // namespace

bool EditUserConstants(UserDefinitions& definitions, Prompter& prompter, HelpViewer& help,
                       QWidget* parent) {
    UserConstantsEditor editor(definitions.constants(), prompter);
    const bool changed = RunDialog<UserConstantsDialog>(editor, help, parent);
    if (changed) definitions.MarkConstantsChanged();
    return changed;
}

bool EditUserConversions(UserDefinitions& definitions, UnitConversionService& converter,
                         Prompter& prompter, HelpViewer& help, QWidget* parent) {
    UserConversionsEditor editor(definitions.conversions(), converter, prompter);
    const bool changed = RunDialog<UserConversionsDialog>(editor, help, parent);
    if (changed) definitions.MarkConversionsChanged();
    return changed;
}

bool EditUserFunctions(UserDefinitions& definitions, Prompter& prompter, HelpViewer& help,
                       QWidget* parent) {
    UserFunctionsEditor editor(definitions.functions(), prompter);
    const bool changed = RunDialog<UserFunctionsDialog>(editor, help, parent);
    if (changed) definitions.MarkFunctionsChanged();
    return changed;
}

}  // namespace quorvix
