#pragma once
// Which font the display and the keys are drawn in when the stored face is
// not on this system. The stored faces default to the classic Windows ones
// ("MS Sans Serif"), which other desktops seldom have; there the display
// takes the system's fixed-pitch font and the keys the system's UI font.
// The stored record is left as it is (a later start on a system with the
// face draws it again); only a font the user picks replaces it.

#include <cstdint>
#include <string>

#include "calculator/FontRecord.h"

namespace quorvix {

// A font the system names as its default for some use.
struct SystemFont {
    std::string family;
    double points = 0;
};

struct ShownFont {
    std::string family;
    double points = 0;
    bool substituted = false;  // the system's font in place of the stored face
};

// The record's size in points at the resolution; 0 (the default size) is 8.
double FontRecordPoints(const FontRecord& record, int dotsPerInchY);

// With the face installed, the record as stored. Otherwise the system's
// font, at the stored size (whole points, as zooming counts them) raised by
// as much as the system's default size exceeds the standard 8 points: the
// untouched default shows at the system's size, and every zoom step still
// shows. Sizes are held to the font size limits.
ShownFont ChooseShownFont(const FontRecord& record, int dotsPerInchY, bool installed,
                          const SystemFont& system);

// The note the options dialog shows for a substituted font, e.g.
// Display font "MS Sans Serif" is not installed; using "DejaVu Sans Mono".
std::string FontSubstitutionNote(const char* what, const std::string& storedFace,
                                 const std::string& shownFamily);

}  // namespace quorvix
