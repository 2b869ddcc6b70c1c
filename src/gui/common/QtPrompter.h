#pragma once
// Message boxes and Yes/No questions as real Qt message boxes, parented to
// the active window (the one that asks), else to the given parent, so that
// they stay on top of it and hand the focus back to it.

#include <QPointer>
#include <QWidget>

#include "platform/Prompter.h"

namespace quorvix {

class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    void ShowMessage(const std::string& caption, const std::string& text,
                     PromptIcon icon) override;
    bool AskYesNo(const std::string& caption, const std::string& text,
                  PromptIcon icon) override;

private:
    QWidget* Owner() const;

    QPointer<QWidget> parent_;
};

}  // namespace quorvix
