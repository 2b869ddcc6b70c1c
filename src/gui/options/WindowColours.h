#pragma once
// The palette every window of the program is drawn in, by the settings'
// colour scheme: the desktop's own palette, or the program's dark one in
// its place. The dark palette is set on the application, so menus, dialogs,
// tool windows and tooltips all follow; styles that draw with the palette
// (Fusion, the usual Linux styles) show it, and a native style that would
// ignore it is replaced by Fusion while the dark scheme is on.

#include <QPalette>

#include "shell/ColourSchemes.h"

namespace quorvix {

struct Settings;

// The palette the desktop gives the program, also while the dark one is in
// its place.
QPalette DesktopPalette();
QPalette MakeDarkPalette();

// The system colours for the desktop's palette as it is now.
ColourScheme DesktopColourScheme();

// Puts the application palette for settings.colorScheme; for the system
// colours, also derives the display and caption colours from the desktop's
// palette into the settings. The window then applies the display format and
// the keypad's appearance as after any change of the options.
void ApplyWindowColours(Settings& settings);

}  // namespace quorvix
