#pragma once
// Ctrl+C in the terminal front end. While a line is being evaluated, the
// first Ctrl+C asks the engine to cancel it; a second one ends the program at
// once. While waiting for input, Ctrl+C ends the run: the interactive loop
// sees InterruptedWhileIdle() and leaves cleanly; otherwise the program ends
// at once.

namespace quorvix {

// Installs the SIGINT handler (without SA_RESTART, so a blocking read
// returns). interactiveLoop: the caller checks InterruptedWhileIdle() itself.
void InstallInterruptHandler(bool interactiveLoop);

// Brackets the evaluation of one line.
void BeginLineEvaluation();
void EndLineEvaluation();

bool InterruptedWhileIdle();

}  // namespace quorvix
