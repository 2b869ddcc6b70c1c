#pragma once
// What the three user-definition editors share: the list box lines shown in
// list order, the selected line, whether "&Remove" is enabled, and the
// changed flag that the editor reports when it closes.

#include <functional>
#include <string>
#include <utility>
#include <vector>


namespace quorvix {

class EditorList {
public:
    const std::vector<std::string>& lines() const { return lines_; }
    int selected() const { return selected_; }
    bool removeEnabled() const { return removeEnabled_; }
    // True once an Add or a Remove changed the list.
    bool changed() const { return changed_; }
    // Called after each Add or Remove has changed the caller's list, so that
    // the caller records the change at once: a program ended while the
    // dialog is still open saves what the dialog shows.
    void SetChangeObserver(std::function<void()> observer) { observer_ = std::move(observer); }

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
    // After the caller's list has the new entry.
    void AppendLine(std::string line) {
        lines_.push_back(std::move(line));
        changed_ = true;
        NotifyChanged();
    }
    // After the caller's list has lost the removed entry.
    void NotifyChanged() const {
        if (observer_) observer_();
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
    std::function<void()> observer_;
};

// Text of a refusal that names a limit: "%d" replaced by the number.
std::string WithLimit(const char* pattern, int limit);

}  // namespace quorvix
