#pragma once
// Worksheet files: the display text together with the user's variables.
//
// Layout (no header, little-endian): the text as a length-prefixed field with
// lines separated by CR LF, a 32-bit signed variable count, then per variable
// its name and its formula as length-prefixed fields. Every variable the
// file holds is read back: what a run could write, the next run reads.

#include <string>
#include <string_view>
#include <vector>

namespace quorvix {

struct WorksheetVariable {
    std::string name;
    std::string formula;  // the right-hand side as the user typed it

    bool operator==(const WorksheetVariable&) const = default;
};

// The variables a worksheet reads and writes: those of the main evaluator
// in the window, a plain list in tests.
class WorksheetVariables {
public:
    virtual ~WorksheetVariables() = default;
    virtual int Count() const = 0;
    virtual WorksheetVariable At(int index) const = 0;
    virtual void Clear() = 0;
    virtual void Append(const std::string& name, const std::string& formula) = 0;
};

class MemoryWorksheetVariables : public WorksheetVariables {
public:
    int Count() const override { return static_cast<int>(list.size()); }
    WorksheetVariable At(int index) const override {
        return list[static_cast<std::size_t>(index)];
    }
    void Clear() override { list.clear(); }
    void Append(const std::string& name, const std::string& formula) override {
        list.push_back({name, formula});
    }
    std::vector<WorksheetVariable> list;
};

// The display text (lines separated by '\n') without trailing blanks and
// line breaks, as it is saved.
std::string TrimWorksheetText(std::string_view displayText);

// The bytes of a worksheet file for a display text ('\n' lines).
std::string EncodeWorksheet(std::string_view displayText, const WorksheetVariables& variables);

// What a worksheet file held. textRead says whether the text field could be
// read; complete whether the whole read succeeded. On failure the
// variables read so far are dropped.
struct DecodedWorksheet {
    bool textRead = false;
    bool complete = false;
    std::string text;  // with '\n' line breaks
    std::vector<WorksheetVariable> variables;
};
DecodedWorksheet DecodeWorksheet(std::string_view bytes);

enum class WorksheetReadResult {
    NotOpened,  // nothing changed
    Loaded,     // text and variables replaced
    Damaged,    // a short or malformed file: the text if it was readable, no variables
};

// Reads the file into worksheetText and variables. A file that cannot be
// opened changes nothing. Otherwise the variables are replaced by the
// file's, or cleared when the file is short or malformed.
WorksheetReadResult ReadWorksheetFile(const std::string& path, std::string& worksheetText,
                                      WorksheetVariables& variables);

// Replaces the file with the text and variables, atomically. False (and the
// old file untouched) when it cannot be written; error then names the file
// and the reason.
bool WriteWorksheetFile(const std::string& path, std::string_view worksheetText,
                        const WorksheetVariables& variables, std::string* error = nullptr);

}  // namespace quorvix
