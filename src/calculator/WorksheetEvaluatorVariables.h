#pragma once
// The main Evaluator's variables as a worksheet reads and writes them.

#include <string>
#include <unordered_map>

#include "calculator/Worksheet.h"

namespace quorvix {

class Evaluator;

class WorksheetEvaluatorVariables : public WorksheetVariables {
public:
    explicit WorksheetEvaluatorVariables(Evaluator& evaluator) : evaluator_(evaluator) {}

    int Count() const override;
    WorksheetVariable At(int index) const override;
    void Clear() override;
    // A name the list already holds takes the later formula. Names are
    // looked up in an index, so loading a worksheet stays linear in its
    // size; the index assumes the evaluator's variables change only through
    // this object while it lives.
    void Append(const std::string& name, const std::string& formula) override;

private:
    Evaluator& evaluator_;
    std::unordered_map<std::string, int> index_;  // upper-cased name -> position
    bool indexed_ = false;
};

}  // namespace quorvix
