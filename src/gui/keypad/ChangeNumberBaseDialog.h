#pragma once
// "Change Number Base": one integer field, initialised to 10, for a base
// between 2 and 36. OK with anything else shows the standard message and
// keeps the dialog open; Cancel changes nothing.

#include <QDialog>
#include <optional>

class QLineEdit;

namespace quorvix {

class Prompter;

class ChangeNumberBaseDialog : public QDialog {
    Q_OBJECT
public:
    explicit ChangeNumberBaseDialog(Prompter& prompter, QWidget* parent = nullptr);

    // The base accepted with OK; nothing before that or after Cancel.
    std::optional<int> base() const { return base_; }

    // Runs the dialog modally: the chosen base, or nothing after Cancel.
    static std::optional<int> ask(Prompter& prompter, QWidget* parent);

    void accept() override;

private:
    Prompter& prompter_;
    QLineEdit* field_ = nullptr;
    std::optional<int> base_;
};

}  // namespace quorvix
