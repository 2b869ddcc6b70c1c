#include "cli/CliLocale.h"

#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/Evaluator.h"

namespace quorvix {

namespace {

bool IsSet(const char* value) { return value != nullptr && *value != '\0'; }

// "C", "POSIX", or "C." with a UTF-8 code set in any of its spellings
// (the C library compares code sets by their letters and digits only).
bool IsPlainC(std::string_view name) {
    if (name == "C" || name == "POSIX") return true;
    if (name.size() < 2 || name.substr(0, 2) != "C.") return false;
    std::string codeset;
    for (const char c : name.substr(2)) {
        if (c >= 'A' && c <= 'Z') codeset += static_cast<char>(c - 'A' + 'a');
        else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) codeset += c;
    }
    return codeset == "utf8";
}

constexpr const char* kCategories[] = {"LC_CTYPE",   "LC_NUMERIC",   "LC_TIME",      "LC_COLLATE",
                                       "LC_MONETARY", "LC_MESSAGES", "LC_PAPER",     "LC_NAME",
                                       "LC_ADDRESS", "LC_TELEPHONE", "LC_MEASUREMENT", "LC_IDENTIFICATION"};

}  // namespace

bool IsPlainCLocaleEnvironment(const EnvironmentLookup& lookup) {
    if (IsSet(lookup("LANGUAGE"))) return false;
    if (const char* all = lookup("LC_ALL"); IsSet(all)) return IsPlainC(all);
    const char* lang = lookup("LANG");
    if (IsSet(lang) && !IsPlainC(lang)) return false;
    for (const char* category : kCategories) {
        const char* value = lookup(category);
        if (IsSet(value) && !IsPlainC(value)) return false;
    }
    return true;
}

void AdoptLocale(bool interactive) {
    if (!interactive && IsPlainCLocaleEnvironment([](const char* name) { return std::getenv(name); })) {
        SetSeparators('.', ',');
        return;
    }
    InitSeparatorsFromLocale();
}

}  // namespace quorvix
