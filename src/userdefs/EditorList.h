#pragma once
// What the three user-definition editors share: the list box lines shown in
// list order, the selected line, whether "&Remove" is enabled, and the
// changed flag that the editor reports when it closes.

#include <string>
#include <vector>


namespace quorvix {

class EditorList {
public:
    const std::vector<std::string>& lines() const { return lines_; }
    int selected() const { return selected_; }
    bool removeEnabled() const { return removeEnabled_; }
    // True once an Add or a Remove changed the list.
    bool changed() const { return changed_; }

protected:
    void Open(std::vector<std::string> lines) {
        lines_ = std::move(lines);
        selected_ = -1;
        removeEnabled_ = false;
        changed_ = false;
    }
    // Selects a line; false (nothing changes) for an index out of range.
    bool SelectLine(int line) {
        if (line < 0 || line >= static_cast<int>(lines_.size())) return false;
        selected_ = line;
        removeEnabled_ = true;
        return true;
    }
    void AppendLine(std::string line) {
        lines_.push_back(std::move(line));
        changed_ = true;
    }
    // Removes the selected line; returns its index, or -1 when none is selected.
    int RemoveSelectedLine() {
        if (selected_ < 0) return -1;
        const int line = selected_;
        lines_.erase(lines_.begin() + line);
        selected_ = -1;
        removeEnabled_ = false;
        changed_ = true;
        return line;
    }

private:
    std::vector<std::string> lines_;
    int selected_ = -1;
    bool removeEnabled_ = false;
    bool changed_ = false;
};

// Text of a refusal that names a limit: "%d" replaced by the number.
std::string WithLimit(const char* pattern, int limit);

}  // namespace quorvix
