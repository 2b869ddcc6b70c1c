#pragma once
// Menu entries that read differently from how they look. Qt gives assistive
// tools a menu entry's caption as its name and no description; an entry
// given spoken texts here is exposed with its own name ("foot to meter" for
// "foot -> meter") and description (a function's one-line help), while the
// menu still shows the caption. Everything else about the entry (role,
// state, place, pressing it) is exposed as Qt does for any menu entry.

class QAction;
class QString;

namespace quorvix {

// Either text may be empty: no spoken name keeps the caption as the name.
void SetSpokenTexts(QAction& action, const QString& name, const QString& description);

}  // namespace quorvix
