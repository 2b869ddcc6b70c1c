#pragma once
// Ctrl+C in the terminal front end. While a line is being evaluated, the
// first Ctrl+C asks the engine to cancel it; a second one ends the program at
// once. While waiting for input, Ctrl+C ends the run: at the interactive
// prompt the input reader sees it and the loop ends cleanly (SIGINT is
// blocked there except while waiting for a key, so it cannot slip in between
// the check and the wait); elsewhere the program ends at once.
//
// When the run continues a worksheet, "ends at once" first saves it: a
// watcher thread, woken by the signal handler, writes what the worksheet
// held before the running line (the line may never return) and then ends
// the program with the interrupted status.

#include <functional>

namespace quorvix {

// Installs the SIGINT handler. interactivePrompt: input is read through
// ReadInputByte, which reports an idle Ctrl+C instead of the program ending.
void InstallInterruptHandler(bool interactivePrompt);

// From now on, a Ctrl+C that ends the program runs save first (on another
// thread, while the interrupted line may still run); save must be safe to
// call from there.
void SaveBeforeInterruptExit(std::function<void()> save);
// Ends that: a later Ctrl+C ends the program without saving. Waits for a
// save already under way.
void StopSavingBeforeInterruptExit();

// Brackets the evaluation of one line.
void BeginLineEvaluation();
void EndLineEvaluation();

bool InterruptedWhileIdle();

// One byte from fd, waiting with Ctrl+C deliverable; -1 at end of input, on
// an error, after an idle Ctrl+C, or when the running line was cancelled
// (so a question asked during a line is answered No).
int ReadInputByte(int fd);

}  // namespace quorvix
