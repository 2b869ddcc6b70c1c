// When a terminal run may keep the C locale it starts in.

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "cli/CliLocale.h"

namespace quorvix {
namespace {

TEST(CliLocale, PlainCEnvironmentsOnly) {
    struct Case {
        std::map<std::string, std::string> environment;
        bool plain;
    };
    const Case cases[] = {
        {{}, true},
        {{{"LANG", "C.UTF-8"}}, true},
        {{{"LANG", "C.utf8"}, {"LC_NUMERIC", "POSIX"}}, true},
        {{{"LANG", ""}, {"LC_ALL", "C"}}, true},
        {{{"LC_ALL", "C.UTF-8"}, {"LC_NUMERIC", "de_DE.UTF-8"}}, true},  // LC_ALL decides alone
        {{{"LANG", "en_US.UTF-8"}}, false},
        {{{"LANG", "C.UTF-8"}, {"LC_NUMERIC", "de_DE.UTF-8"}}, false},
        {{{"LANG", "C.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}, false},
        {{{"LC_ALL", "de_DE"}, {"LANG", "C"}}, false},
        {{{"LANG", "C.ISO-8859-1"}}, false},
        {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "de"}}, false},
    };
    for (const Case& c : cases) {
        const auto lookup = [&c](const char* name) -> const char* {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? nullptr : found->second.c_str();
        };
        std::string described;
        for (const auto& [name, value] : c.environment) described += name + "=" + value + " ";
        EXPECT_EQ(IsPlainCLocaleEnvironment(lookup), c.plain) << described;
    }
}

}  // namespace
}  // namespace quorvix
