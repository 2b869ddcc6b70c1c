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

    // Tab completion: generator(text, state) returns the state-th match of
    // the word text (malloc'd) or null after the last, as readline's entry
    // function; nothing is appended after a match, and words end at
    // wordBreaks. Without the editor's completion symbols, no completion.
    void SetCompletion(char* (*generator)(const char*, int), const char* wordBreaks) const;
    // The character typed after a single match (0 for none). The editor
    // quotes special characters inside a match, so a function's "(" comes
    // this way.
    void SetCompletionAppend(char c) const;

private:
    char* (*readline_)(const char*) = nullptr;
    int (*addHistory_)(const char*) = nullptr;
    void (*usingHistory_)() = nullptr;
    int* catchSignals_ = nullptr;
    int (**getcFunction_)(FILE*) = nullptr;
    FILE** outStream_ = nullptr;
    char* (**completionEntry_)(const char*, int) = nullptr;
    int* completionAppend_ = nullptr;
    const char** wordBreaks_ = nullptr;
};

}  // namespace quorvix
