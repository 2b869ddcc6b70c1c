#include "gui/userdefs/EditUserDefinitions.h"

// The engine's headers come before Qt's (see EditUserDefinitions.h).
#include "userdefs/UserDefinitions.h"

#include "gui/userdefs/UserConstantsDialog.h"
#include "gui/userdefs/UserConversionsDialog.h"
#include "gui/userdefs/UserFunctionsDialog.h"

namespace quorvix {

bool EditUserConstants(UserDefinitions& definitions, Prompter& prompter, HelpViewer& help,
                       QWidget* parent) {
    UserConstantsEditor editor(definitions.constants(), prompter);
    UserConstantsDialog dialog(editor, help, parent);
    dialog.exec();
    if (editor.changed()) definitions.MarkConstantsChanged();
    return editor.changed();
}

bool EditUserConversions(UserDefinitions& definitions, UnitConversionService& converter,
                         Prompter& prompter, HelpViewer& help, QWidget* parent) {
    UserConversionsEditor editor(definitions.conversions(), converter, prompter);
    UserConversionsDialog dialog(editor, help, parent);
    dialog.exec();
    if (editor.changed()) definitions.MarkConversionsChanged();
    return editor.changed();
}

bool EditUserFunctions(UserDefinitions& definitions, Prompter& prompter, HelpViewer& help,
                       QWidget* parent) {
    UserFunctionsEditor editor(definitions.functions(), prompter);
    UserFunctionsDialog dialog(editor, help, parent);
    dialog.exec();
    if (editor.changed()) definitions.MarkFunctionsChanged();
    return editor.changed();
}

}  // namespace quorvix
