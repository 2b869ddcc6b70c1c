#pragma once
// libedit's readline for the interactive prompt, loaded when the prompt
// starts rather than linked: a run that only evaluates lines (-e, piped
// input) then does not load the line editor and the libraries under it,
// which would cost more start-up time than the rest of such a run.

#include <cstdio>

namespace quorvix {

class LineEditor {
public:
    // The loaded editor, or null when the library cannot be loaded.
    static LineEditor* Load();

    // As readline: the line typed (to be freed with free), or null at the
    // end of the input.
    char* ReadLine(const char* prompt) const;
    void AddHistory(const char* line) const;

    // Before the first line: the editor leaves signals alone, reads its
    // keys through getKey and writes to output.
    void Prepare(int (*getKey)(FILE*), FILE* output) const;

private:
    char* (*readline_)(const char*) = nullptr;
    int (*addHistory_)(const char*) = nullptr;
    void (*usingHistory_)() = nullptr;
    int* catchSignals_ = nullptr;
    int (**getcFunction_)(FILE*) = nullptr;
    FILE** outStream_ = nullptr;
};

}  // namespace quorvix
