#include "cli/CliSession.h"

#include "engine/Evaluator.h"

namespace quorvix {

namespace {

// A line as typed: tabs count as blanks, other control characters cannot
// be typed into the display.
std::string TypeableText(std::string_view line) {
    std::string text;
    text.reserve(line.size());
    for (char c : line) {
        if (c == '\t') c = ' ';
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u != 0x7F) text.push_back(c);
    }
    return text;
}

}  // namespace

CliSession::CliSession(Prompter& prompter) : calculator_(display_, prompter) {}

void CliSession::ApplyOptions(const CliOptions& options) {
    if (options.angleUnit) calculator_.SetAngleUnit(*options.angleUnit);
    if (options.numberBase) calculator_.SetNumberBase(*options.numberBase);
    if (options.numberFormat) calculator_.SetNumberFormat(*options.numberFormat);
    if (options.significantDigits) calculator_.SetSignificantDigits(*options.significantDigits);
}

std::vector<std::string> CliSession::SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

void CliSession::ContinueWorksheet(const std::string& path) {
    worksheetFile_ = std::make_unique<WorksheetRunFile>(path, calculator_.evaluator());
    std::string text = worksheetFile_->Open();
    const std::lock_guard<std::mutex> lock(stateMutex_);
    transcript_ = std::move(text);
    CommitVariables();
}

bool CliSession::SaveWorksheet(std::string* error) const {
    if (worksheetFile_ == nullptr) return true;
    const std::lock_guard<std::mutex> lock(stateMutex_);
    return worksheetFile_->Save(transcript_, committedVariables_, error);
}

bool CliSession::worksheetReadable() const {
    return worksheetFile_ == nullptr || worksheetFile_->readable();
}

bool CliSession::worksheetInUse() const {
    return worksheetFile_ != nullptr && worksheetFile_->inUse();
}

void CliSession::CommitVariables() {
    // Most lines change no variable: compare first, copy only on a change.
    const Evaluator& evaluator = calculator_.evaluator();
    const int count = evaluator.VariableCount();
    std::vector<WorksheetVariable>& committed = committedVariables_.list;
    bool same = committed.size() == static_cast<std::size_t>(count);
    for (int i = 0; same && i < count; ++i) {
        const Variable& variable = evaluator.VariableAt(i);
        const WorksheetVariable& kept = committed[static_cast<std::size_t>(i)];
        same = kept.name == variable.name && kept.formula == variable.expression;
    }
    if (same) return;
    committed.clear();
    committed.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const Variable& variable = evaluator.VariableAt(i);
        committed.push_back({variable.name, variable.expression});
    }
}

std::string CliSession::worksheetPath() const {
    return worksheetFile_ ? worksheetFile_->path() : std::string();
}

void CliSession::AppendToTranscript(const std::string& text) {
    transcript_ += text;
    if (!transcript_.empty() && transcript_.back() != '\n') transcript_ += '\n';
}

CliSession::LineResult CliSession::RunLine(std::string_view line) {
    LineResult result;
    std::string text = TypeableText(line);
    const auto limit = static_cast<std::size_t>(CalculatorDialog::kLineReadLimit);
    if (text.size() > limit) {
        // Blanks at the end change nothing: only a line that is too long
        // without them is refused.
        const std::size_t end = text.find_last_not_of(' ');
        text.resize(end == std::string::npos ? 0 : end + 1);
    }
    if (text.empty()) return result;
    if (text.size() > limit) {
        // The worksheet reads only the start of such a line and would answer
        // for a different expression; a script must not get that answer.
        result.ok = false;
        anyFailed_ = true;
        result.error = CalculatorDialog::LineTooLongMessage();
        const std::lock_guard<std::mutex> lock(stateMutex_);
        AppendToTranscript(text);
        return result;
    }

    // Each line is typed on a fresh display; the transcript keeps the whole
    // worksheet, so one line's work does not grow with the run's length.
    display_.SetText(std::string());
    display_.TypeText(text);
    const CalculatorDialog::LineOutcome outcome = calculator_.EvaluateCurrentLine();
    display_.ProcessQueuedInput();
    const std::string written = display_.Text();

    if (outcome == CalculatorDialog::LineOutcome::Failed) {
        result.ok = false;
        anyFailed_ = true;
        const std::string& help = calculator_.helpText();
        result.error = help.rfind("  ", 0) == 0 ? help.substr(2) : help;
    } else {
        const std::size_t lineEnd = written.find('\n');
        if (lineEnd != std::string::npos) {
            result.output = written.substr(lineEnd + 1);
            while (!result.output.empty() && result.output.back() == '\n')
                result.output.pop_back();
        }
    }

    const std::lock_guard<std::mutex> lock(stateMutex_);
    if (outcome == CalculatorDialog::LineOutcome::Command && written.empty())
        transcript_.clear();  // CLEAR empties the worksheet
    else
        AppendToTranscript(written);
    if (worksheetFile_ != nullptr) CommitVariables();
    return result;
}

}  // namespace quorvix
