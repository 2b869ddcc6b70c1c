#include "calculator/KeypadDialogHost.h"

#include "calculator/CalculatorDialog.h"

namespace quorvix {

KeypadDialogHost::KeypadDialogHost(CalculatorDialog& dialog, TipRotation& tips)
    : dialog_(dialog) {
    // Evaluations and CLR show the next tip from the same rotation as the
    // menu keys.
    dialog_.SetTipRotation(&tips);
    dialog_.display().SetTypingObserver(this);
}

KeypadDialogHost::~KeypadDialogHost() {
    dialog_.SetTipRotation(nullptr);
    if (dialog_.display().typingObserver() == this) dialog_.display().SetTypingObserver(nullptr);
}

void KeypadDialogHost::BeforeCharacter(char c) {
    TrackCharacterForSyntax(tracker_, c, dialog_.display(), *this);
}

void KeypadDialogHost::BeforeBackspace(int caret) { tracker_.BeforeBackspace(caret); }

void KeypadDialogHost::EnterPressed() {
    tracker_.OnEnter();
    EvaluateCurrentLine();
}

void KeypadDialogHost::InsertText(const std::string& text) { dialog_.InsertText(text); }
CalculatorDisplay& KeypadDialogHost::Display() { return dialog_.display(); }
void KeypadDialogHost::ShowHelpText(const std::string& message) { dialog_.ShowHelpText(message); }
void KeypadDialogHost::SetHelpKeyword(const std::string& keyword) {
    dialog_.SetHelpKeyword(keyword);
}
void KeypadDialogHost::EvaluateCurrentLine() {
    runner_([this] { dialog_.EvaluateCurrentLine(); });
}
void KeypadDialogHost::ClearEntry() { dialog_.ClearEntry(); }
void KeypadDialogHost::ShowNextTip() { dialog_.ShowNextTip(); }
void KeypadDialogHost::OpenCatalogueMenu(CatalogueMenuKind kind) {
    if (menuOpener_) menuOpener_->OpenCatalogueMenu(kind);
}

}  // namespace quorvix
