#include "shell/AppArguments.h"

#include "platform/XdgPaths.h"

namespace quorvix {

namespace {
constexpr std::string_view kDataDirOption = "--data-dir";
}

AppArguments ParseAppArguments(const std::vector<std::string>& arguments) {
    AppArguments result;
    std::vector<std::string> rest;
    bool hiddenOption = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            result.showHelp = true;
        } else if (argument == "--version") {
            result.showVersion = true;
        } else if (argument == "--finance-box") {
            result.window = ShownWindow::kFinanceBox;
        } else if (argument == "--unit-converter") {
            result.window = ShownWindow::kUnitConverter;
        } else if (argument == "--hidden") {
            hiddenOption = true;
        } else if (argument == kDataDirOption) {
            if (i + 1 >= arguments.size() || arguments[i + 1].empty()) {
                result.error = "--data-dir needs a directory";
                return result;
            }
            result.dataDir = arguments[++i];
        } else if (argument.starts_with(std::string(kDataDirOption) + "=")) {
            result.dataDir = argument.substr(kDataDirOption.size() + 1);
            if (result.dataDir.empty()) {
                result.error = "--data-dir needs a directory";
                return result;
            }
        } else {
            rest.push_back(argument);
        }
    }
    // Everything stored under the data folder (the worksheet's path among
    // it) must still hold when the program starts from another folder.
    result.dataDir = AbsolutePath(result.dataDir);
    if (!rest.empty()) {
        result.first = rest.front();
        result.startHidden = result.first.find('i') != std::string::npos;
    }
    result.startHidden = result.startHidden || hiddenOption;
    return result;
}

std::string AppUsageText() {
    return "usage: quorvix [--hidden] [--finance-box | --unit-converter] [--data-dir DIR] [ARG]\n"
           "  --hidden         start in the tray, without a window\n"
           "  --finance-box    show the Finance Box (in the running Quorvix if any)\n"
           "  --unit-converter show the Unit Converter (in the running Quorvix if any)\n"
           "  --data-dir DIR   keep the settings and files in DIR\n"
           "  --help           show this text\n"
           "  --version        show the version\n"
           "  ARG              a first argument with a lower-case i (/i) starts hidden\n";
}

AppArguments ParseAppArguments(int argc, const char* const* argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i] ? argv[i] : "");
    return ParseAppArguments(arguments);
}

}  // namespace quorvix
