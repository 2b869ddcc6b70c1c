#pragma once
// The locale of a terminal run. The decimal and argument separators follow
// the user's locale, which is adopted for every category. In a plain C or
// C.UTF-8 environment a run that only evaluates lines keeps the C locale it
// starts in: its separators, numbers and messages are the same there, and
// loading the C.UTF-8 files costs a quarter of a one-line run. The
// interactive prompt always adopts the locale (line editing needs UTF-8).

#include <functional>

namespace quorvix {

// Looks up an environment variable; null when unset.
using EnvironmentLookup = std::function<const char*(const char*)>;

// True when every locale category resolves to C, POSIX or C.UTF-8 and no
// LANGUAGE list is given.
bool IsPlainCLocaleEnvironment(const EnvironmentLookup& lookup);

void AdoptLocale(bool interactive);

}  // namespace quorvix
