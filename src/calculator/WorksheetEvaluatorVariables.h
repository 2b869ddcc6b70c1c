#pragma once
// The main Evaluator's variables as a worksheet reads and writes them.

#include <string>

#include "calculator/Worksheet.h"

namespace quorvix {

class Evaluator;

class WorksheetEvaluatorVariables : public WorksheetVariables {
public:
    explicit WorksheetEvaluatorVariables(Evaluator& evaluator) : evaluator_(evaluator) {}

    int Count() const override;
    WorksheetVariable At(int index) const override;
    void Clear() override;
    // A name the list already holds takes the later formula. The evaluator
    // finds names through its own index, so loading stays linear in size.
    void Append(const std::string& name, const std::string& formula) override;

private:
    Evaluator& evaluator_;
};

}  // namespace quorvix
