#include "gui/userdefs/EditUserDefinitions.h"

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
    editor.SetChangeObserver([&definitions] { definitions.MarkConstantsChanged(); });
    return RunDialog<UserConstantsDialog>(editor, help, parent);
}

bool EditUserConversions(UserDefinitions& definitions, UnitConversionService& converter,
                         Prompter& prompter, HelpViewer& help, QWidget* parent) {
    UserConversionsEditor editor(definitions.conversions(), converter, prompter);
    editor.SetChangeObserver([&definitions] { definitions.MarkConversionsChanged(); });
    return RunDialog<UserConversionsDialog>(editor, help, parent);
}

bool EditUserFunctions(UserDefinitions& definitions, Prompter& prompter, HelpViewer& help,
                       QWidget* parent) {
    UserFunctionsEditor editor(definitions.functions(), prompter);
    // Recompiled at each change too, so that the functions in use always
    // match the list that would be saved.
    editor.SetChangeObserver([&definitions] { definitions.MarkFunctionsChanged(); });
    return RunDialog<UserFunctionsDialog>(editor, help, parent);
}

}  // namespace quorvix
