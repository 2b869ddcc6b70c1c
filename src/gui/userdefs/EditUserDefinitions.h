#pragma once
// The "&Edit..." entries of the three user submenus: each runs its dialog
// modally over the calculator's user definitions and, when the dialog
// reports a change, marks that kind for saving (functions are recompiled
// at once). Returns the changed flag, so the caller rebuilds the submenu.

// Declarations only: the engine's headers use the word "slots", which Qt
// defines as a macro, so a file that needs them includes them before Qt's.

class QWidget;

namespace quorvix {

class HelpViewer;
class Prompter;
class UnitConversionService;
class UserDefinitions;

bool EditUserConstants(UserDefinitions& definitions, Prompter& prompter, HelpViewer& help,
                       QWidget* parent);
// converter must search definitions.conversions() (the calculator's engine).
bool EditUserConversions(UserDefinitions& definitions, UnitConversionService& converter,
                         Prompter& prompter, HelpViewer& help, QWidget* parent);
bool EditUserFunctions(UserDefinitions& definitions, Prompter& prompter, HelpViewer& help,
                       QWidget* parent);

}  // namespace quorvix
