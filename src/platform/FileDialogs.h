#pragma once
// Open-file and save-file dialogs as the host shows them. Tests answer them
// from a script.

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace quorvix {

struct FileDialogRequest {
    std::string defaultExtension;  // without the dot, e.g. "qws"
    std::string initialPath;
    // Pairs of description and pattern separated by '|', ending with "||",
    // e.g. "Text (*.txt)|*.txt|All Files (*.*)|*.*||".
    std::string filter;
    bool confirmOverwrite = false;  // save dialogs: ask before replacing a file
    bool hideReadOnly = false;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen path, or nullopt when the user cancels.
    virtual std::optional<std::string> AskSavePath(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> AskOpenPath(const FileDialogRequest& request) = 0;
};

// Answers from a script of paths (nullopt = Cancel); Cancel when the script
// is empty. Records every request.
class MemoryFileDialogs : public FileDialogs {
public:
    std::optional<std::string> AskSavePath(const FileDialogRequest& request) override {
        saveRequests.push_back(request);
        return Next();
    }
    std::optional<std::string> AskOpenPath(const FileDialogRequest& request) override {
        openRequests.push_back(request);
        return Next();
    }

    std::deque<std::optional<std::string>> answers;
    std::vector<FileDialogRequest> saveRequests;
    std::vector<FileDialogRequest> openRequests;

private:
    std::optional<std::string> Next() {
        if (answers.empty()) return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace quorvix
