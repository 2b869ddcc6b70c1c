#include "cli/CliOptions.h"

#include <charconv>

#include "platform/XdgPaths.h"

namespace quorvix {

namespace {

std::optional<int> ParseInteger(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
    return value;
}

std::optional<int> ParseAngle(const std::string& text) {
    if (text == "deg") return 0;
    if (text == "rad") return 1;
    if (text == "grad") return 2;
    return std::nullopt;
}

std::optional<int> ParseFormat(const std::string& text) {
    if (text == "general") return 0;
    if (text == "scientific") return 1;
    return std::nullopt;
}

std::optional<int> InRange(std::optional<int> value, int low, int high) {
    if (value && *value >= low && *value <= high) return value;
    return std::nullopt;
}

CliParseResult Usage(std::string error) {
    CliParseResult result;
    result.command = CliCommand::UsageError;
    result.error = std::move(error);
    return result;
}

}  // namespace

CliParseResult ParseCliArguments(const std::vector<std::string>& arguments) {
    CliParseResult result;
    CliOptions& options = result.options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            result.command = CliCommand::Help;
            continue;
        }
        if (argument == "--version") {
            if (result.command != CliCommand::Help) result.command = CliCommand::Version;
            continue;
        }

        // Every other option takes a value, either as the next argument or
        // after '=' for the long forms.
        std::string name = argument;
        std::optional<std::string> value;
        const std::size_t equals = argument.find('=');
        if (argument.rfind("--", 0) == 0 && equals != std::string::npos) {
            name = argument.substr(0, equals);
            value = argument.substr(equals + 1);
        }
        const bool known = name == "-e" || name == "--data-dir" || name == "--worksheet" ||
                           name == "--angle" || name == "--base" || name == "--format" ||
                           name == "--digits";
        if (!known) {
            if (argument.empty() || argument[0] != '-')
                return Usage("unexpected argument '" + argument + "' (use -e LINE)");
            return Usage("unknown option '" + argument + "'");
        }
        if (!value) {
            // The argument after -e is always the line, even "-3".
            if (i + 1 >= arguments.size()) return Usage("option '" + name + "' needs a value");
            value = arguments[++i];
        }

        if (name == "-e") {
            options.lines.push_back(*value);
        } else if (name == "--data-dir") {
            if (value->empty()) return Usage("--data-dir needs a directory");
            // Made absolute as the window does, so that both programs name
            // the same files whatever folder they were started from.
            options.dataDir = AbsolutePath(*value);
        } else if (name == "--worksheet") {
            if (value->empty()) return Usage("--worksheet needs a file");
            options.worksheet = *value;
        } else if (name == "--angle") {
            options.angleUnit = ParseAngle(*value);
            if (!options.angleUnit) return Usage("--angle must be deg, rad or grad");
        } else if (name == "--base") {
            options.numberBase = InRange(ParseInteger(*value), 2, 36);
            if (!options.numberBase) return Usage("--base must be a number from 2 to 36");
        } else if (name == "--format") {
            options.numberFormat = ParseFormat(*value);
            if (!options.numberFormat) return Usage("--format must be general or scientific");
        } else {
            options.significantDigits = InRange(ParseInteger(*value), 0, 11);
            if (!options.significantDigits)
                return Usage("--digits must be 0 (15 digits) or a number from 1 to 11");
        }
    }
    return result;
}

std::string CliUsageText() {
    return "Usage: quorvix-cli [--data-dir DIR] [--worksheet FILE] [--angle deg|rad|grad]\n"
           "                   [--base N] [--format general|scientific] [--digits N]\n"
           "                   [-e LINE]...\n"
           "\n"
           "Evaluates worksheet lines as the Quorvix calculator does: each -e LINE is\n"
           "handled as that line typed into the worksheet followed by Enter. Without -e,\n"
           "lines are read from standard input, with line editing on a terminal.\n"
           "\n"
           "  -e LINE          evaluate LINE (repeatable; LINE may begin with '-')\n"
           "  --data-dir DIR   keep settings, user definitions and the worksheet in DIR\n"
           "  --worksheet FILE continue FILE and write the run's lines back into it\n"
           "  --angle UNIT     angles in deg, rad (default) or grad\n"
           "  --base N         number base from 2 to 36 (default 10)\n"
           "  --format F       general (default) or scientific\n"
           "  --digits N       significant digits 1 to 11, or 0 for 15 (default 10)\n"
           "  --help           show this text\n"
           "  --version        show the version\n"
           "\n"
           "Commands: CLEAR (CLR), SHOWVARS (SV), CLEARVARS (CV), EXIT (OFF).\n"
           "Stored settings, user definitions and the current worksheet's variables are\n"
           "read (never written); the options above override the settings for the run.\n"
           "A worksheet continued with --worksheet is locked for the run: a second run\n"
           "on it fails at once. Answers go to standard output, errors to standard error.\n"
           "The exit status is 0 when every line succeeded, 1 when any failed or output\n"
           "could not be written, and 2 for a bad command line.\n";
}

}  // namespace quorvix
