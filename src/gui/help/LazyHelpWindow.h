#pragma once
// The help window, built on the first request: reading the document and
// laying out its first page is not worth paying at every start, when most
// runs never open the help.

#include <memory>

#include "gui/help/HelpWindow.h"

namespace quorvix {

class LazyHelpWindow : public HelpViewer {
public:
    void OpenAtKeyword(const std::string& keyword) override { Window().OpenAtKeyword(keyword); }
    void OpenContents() override { Window().OpenContents(); }
    void OpenSearch(const std::string& query) override { Window().OpenSearch(query); }

private:
    HelpWindow& Window() {
        if (!window_) window_ = std::make_unique<HelpWindow>();
        return *window_;
    }

    std::unique_ptr<HelpWindow> window_;
};

}  // namespace quorvix
