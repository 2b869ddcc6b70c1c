#pragma once
// One run of the terminal calculator: a worksheet display, the calculator
// logic behind it, and what each line wrote. The front end feeds it lines;
// settings and a worksheet can be applied before the first line.

#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/CalculatorDialog.h"
#include "calculator/TextDisplay.h"
#include "calculator/WorksheetFrontEnd.h"
#include "cli/CliOptions.h"

namespace quorvix {

class Prompter;

class CliSession {
public:
    struct LineResult {
        bool ok = true;
        // What the worksheet wrote under the line (answer, text result,
        // variable listing), without the line itself or a trailing newline.
        std::string output;
        // The help-line message of a failed line, without its leading blanks.
        std::string error;
    };

    explicit CliSession(Prompter& prompter);

    // Applies the options given on the command line over the current
    // settings (stored settings are applied first by whoever loads them).
    void ApplyOptions(const CliOptions& options);

    // Handles one line as if typed into the worksheet followed by Enter.
    // An empty line is skipped (in the worksheet it would repeat the line
    // above, which at a prompt is never what was meant).
    LineResult RunLine(std::string_view line);

    bool exitRequested() const { return calculator_.exitRequested(); }
    bool anyFailed() const { return anyFailed_; }

    // The worksheet as the window would show it after the lines so far.
    const std::string& transcript() const { return transcript_; }

    // Continues a worksheet file: takes its lock, its variables replace the
    // current ones and its text starts the transcript. SaveWorksheet writes
    // the transcript and the variables as they were after the last finished
    // line (true when there is no such file to write; error says why not).
    // It may be called from another thread while a line runs: that saves
    // what the worksheet held before the line.
    void ContinueWorksheet(const std::string& path);
    bool SaveWorksheet(std::string* error = nullptr) const;
    bool continuesWorksheet() const { return worksheetFile_ != nullptr; }
    // False when the continued worksheet exists but could not be read
    // completely; it is then left as it is.
    bool worksheetReadable() const;
    // True when another run holds the continued worksheet: nothing was read.
    bool worksheetInUse() const;
    std::string worksheetPath() const;

    CalculatorDialog& calculator() { return calculator_; }
    TextDisplay& display() { return display_; }

    // Splits a text at its line breaks ("\n" or "\r\n").
    static std::vector<std::string> SplitLines(std::string_view text);

private:
    void AppendToTranscript(const std::string& text);
    // With the state lock held: the variables as a saved worksheet gets them.
    void CommitVariables();

    TextDisplay display_;
    CalculatorDialog calculator_;
    // Guards transcript_ and committedVariables_, which SaveWorksheet reads.
    mutable std::mutex stateMutex_;
    std::string transcript_;
    MemoryWorksheetVariables committedVariables_;
    bool anyFailed_ = false;
    std::unique_ptr<WorksheetRunFile> worksheetFile_;
};

}  // namespace quorvix
