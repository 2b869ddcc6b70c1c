#include <gtest/gtest.h>

#include <filesystem>

#include "shell/AppArguments.h"

using namespace quorvix;

TEST(AppArguments, DataDirIsTakenOutBeforeTheFirstArgumentCounts) {
    struct Row {
        std::vector<std::string> args;
        std::string dataDir;
        std::string first;
        bool hidden;
        bool help = false;
        bool version = false;
    };
    const Row rows[] = {
        {{}, "", "", false},
        {{"/i"}, "", "/i", true},
        {{"/I"}, "", "/I", false},  // only a lower-case i
        {{"--data-dir", "/tmp/q"}, "/tmp/q", "", false},  // "--data-dir" has an i itself
        {{"--data-dir", "/tmp/q", "/i"}, "/tmp/q", "/i", true},
        {{"/i", "--data-dir", "/tmp/x"}, "/tmp/x", "/i", true},
        {{"--data-dir=/d", "run"}, "/d", "run", false},
        {{"--data-dir", "/ii"}, "/ii", "", false},  // the directory is not ARG
        // The options never count as ARG, wherever they stand.
        {{"--help"}, "", "", false, true, false},
        {{"--version"}, "", "", false, false, true},  // has an i, yet not hidden
        {{"-h", "run"}, "", "run", false, true, false},
        {{"x", "--version"}, "", "x", false, false, true},
        {{"--hidden"}, "", "", true},
        {{"--hidden", "run"}, "", "run", true},
        {{"run", "--hidden", "--data-dir", "/d"}, "/d", "run", true},
        {{"--version", "/i"}, "", "/i", true, false, true},
        {{"--HIDDEN"}, "", "--HIDDEN", false},  // options are spelt exactly
    };
    for (const Row& row : rows) {
        const AppArguments a = ParseAppArguments(row.args);
        EXPECT_TRUE(a.error.empty());
        EXPECT_EQ(a.dataDir, row.dataDir);
        EXPECT_EQ(a.first, row.first);
        EXPECT_EQ(a.startHidden, row.hidden) << row.first;
        EXPECT_EQ(a.showHelp, row.help) << row.first;
        EXPECT_EQ(a.showVersion, row.version) << row.first;
    }
}

TEST(AppArguments, RelativeDataDirIsMadeAbsolute) {
    const std::string here = std::filesystem::current_path().string();
    const struct {
        const char* given;
        std::string absolute;
    } rows[] = {
        {"d", here + "/d"},
        {"./d/", here + "/d"},
        {"../x//y", here + "/../x/y"},
        {"/abs/./q", "/abs/q"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ParseAppArguments(std::vector<std::string>{"--data-dir", row.given}).dataDir,
                  row.absolute);
    }
}

TEST(AppArguments, DataDirWithoutDirectoryIsAnError) {
    EXPECT_FALSE(ParseAppArguments(std::vector<std::string>{"--data-dir"}).error.empty());
    EXPECT_FALSE(ParseAppArguments(std::vector<std::string>{"--data-dir="}).error.empty());
}

TEST(AppArguments, ToolWindowOptionsNameTheWindowAndItsRequest) {
    struct Row {
        std::vector<std::string> args;
        ShownWindow window;
        std::string_view request;
        int trayCommand;
    };
    const Row rows[] = {
        {{}, ShownWindow::kCalculator, "show", 32830},
        {{"--finance-box"}, ShownWindow::kFinanceBox, "show finance-box", 32831},
        {{"--unit-converter", "/i"}, ShownWindow::kUnitConverter, "show unit-converter", 32832},
    };
    for (const Row& row : rows) {
        const AppArguments a = ParseAppArguments(row.args);
        EXPECT_EQ(a.window, row.window);
        EXPECT_TRUE(a.first.empty() || a.first == "/i");
        EXPECT_EQ(InstanceRequestText(a.window), row.request);
        // What the running program receives names the same window.
        EXPECT_EQ(ParseInstanceRequest(row.request), row.window);
        EXPECT_EQ(TrayCommandToShow(row.window), row.trayCommand);
    }
    EXPECT_FALSE(ParseInstanceRequest("show calculator").has_value());
    EXPECT_FALSE(ParseInstanceRequest("").has_value());
}
