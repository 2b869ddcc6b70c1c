#pragma once
// A variable's new formula on trial: the constructor sets it (creating the
// variable when there is none), and unless Commit() is called the
// destructor puts the old formula back, or removes the variable it created.
// An assignment whose formula does not parse is undone this way.

#include <string>
#include <string_view>

namespace quorvix {

class Evaluator;

class VariableAssignment {
public:
    VariableAssignment(Evaluator& evaluator, std::string_view name, std::string_view formula);
    ~VariableAssignment();
    VariableAssignment(const VariableAssignment&) = delete;
    VariableAssignment& operator=(const VariableAssignment&) = delete;

    void Commit() { committed_ = true; }

private:
    Evaluator& evaluator_;
    std::string oldFormula_;
    int index_ = -1;
    bool created_ = false;
    bool committed_ = false;
};

}  // namespace quorvix
