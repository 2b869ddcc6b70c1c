#pragma once
// The command line of quorvix-cli and its parsing.

#include <optional>
#include <string>
#include <vector>

namespace quorvix {

struct CliOptions {
    // Where settings, user definitions and the worksheet live (absolute);
    // empty for the per-user default.
    std::string dataDir;
    // A worksheet to continue: its variables are loaded and the run's lines
    // and answers are appended to it when the run ends. Empty: only the
    // variables of the current worksheet are loaded, and nothing is written.
    std::string worksheet;
    // Unset values come from the stored settings (or their defaults).
    std::optional<int> angleUnit;          // 0 degrees, 1 radians, 2 gradians
    std::optional<int> numberBase;         // 2..36
    std::optional<int> numberFormat;       // 0 general, 1 scientific
    std::optional<int> significantDigits;  // 0 (15 digits) or 1..11
    // The -e lines in order; when there are none, lines come from stdin.
    std::vector<std::string> lines;
};

enum class CliCommand { Run, Help, Version, UsageError };

struct CliParseResult {
    CliCommand command = CliCommand::Run;
    CliOptions options;
    std::string error;  // for UsageError: what was wrong
};

CliParseResult ParseCliArguments(const std::vector<std::string>& arguments);

// The text printed by --help.
std::string CliUsageText();

}  // namespace quorvix
