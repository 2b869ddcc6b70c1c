#include "cli/LineEditor.h"

#include <dlfcn.h>

namespace quorvix {

namespace {

// libedit's run-time name (libedit2 on Debian).
constexpr const char* kLibraryNames[] = {"libedit.so.2", "libedit.so"};

template <typename T>
bool Find(void* library, const char* name, T& out) {
    out = reinterpret_cast<T>(dlsym(library, name));
    return out != nullptr;
}

}  // namespace

LineEditor* LineEditor::Load() {
    static LineEditor editor;
    static bool loaded = [] {
        void* library = nullptr;
        for (const char* name : kLibraryNames) {
            library = dlopen(name, RTLD_NOW | RTLD_LOCAL);
            if (library) break;
        }
        if (!library) return false;
        LineEditor& e = editor;
        // Optional: completion works where the editor offers it.
        if (!Find(library, "rl_completion_entry_function", e.completionEntry_) ||
            !Find(library, "rl_completion_append_character", e.completionAppend_) ||
            !Find(library, "rl_basic_word_break_characters", e.wordBreaks_)) {
            e.completionEntry_ = nullptr;
        }
        return Find(library, "readline", e.readline_) && Find(library, "add_history", e.addHistory_) &&
               Find(library, "using_history", e.usingHistory_) &&
               Find(library, "rl_catch_signals", e.catchSignals_) &&
               Find(library, "rl_getc_function", e.getcFunction_) &&
               Find(library, "rl_outstream", e.outStream_);
    }();
    return loaded ? &editor : nullptr;
}

char* LineEditor::ReadLine(const char* prompt) const {
    return readline_(prompt);
}

void LineEditor::AddHistory(const char* line) const {
    addHistory_(line);
}

void LineEditor::Prepare(int (*getKey)(FILE*), FILE* output) const {
    *catchSignals_ = 0;
    *getcFunction_ = getKey;
    if (output) *outStream_ = output;
    usingHistory_();
}

void LineEditor::SetCompletion(char* (*generator)(const char*, int),
                               const char* wordBreaks) const {
    if (!completionEntry_) return;
    *completionEntry_ = generator;
    *completionAppend_ = 0;
    *wordBreaks_ = wordBreaks;
}

void LineEditor::SetCompletionAppend(char c) const {
    if (completionAppend_) *completionAppend_ = static_cast<unsigned char>(c);
}

}  // namespace quorvix
