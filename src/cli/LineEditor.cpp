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

}  // namespace quorvix
