#pragma once
// The "&Edit..." entries of the three user submenus: each runs its dialog
// modally over the calculator's user definitions and marks that kind for
// saving at each Add or Remove, while the dialog is still open (functions
// are recompiled at once): an exit during the dialog saves what it shows.
// Returns the changed flag, so the caller rebuilds the submenu.

#include "engine/UnitConversionService.h"
#include "platform/HelpViewer.h"
#include "platform/Prompter.h"
#include "userdefs/UserDefinitions.h"

class QWidget;

namespace quorvix {

bool EditUserConstants(UserDefinitions& definitions, Prompter& prompter, HelpViewer& help,
                       QWidget* parent);
// converter must search definitions.conversions() (the calculator's engine).
bool EditUserConversions(UserDefinitions& definitions, UnitConversionService& converter,
                         Prompter& prompter, HelpViewer& help, QWidget* parent);
bool EditUserFunctions(UserDefinitions& definitions, Prompter& prompter, HelpViewer& help,
                       QWidget* parent);

}  // namespace quorvix
