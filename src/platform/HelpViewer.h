#pragma once
// The separate help document. The program asks only for two things: open it
// at a keyword, or open its contents and index. Nothing depends on the result.

#include <string>
#include <vector>

namespace quorvix {

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void OpenAtKeyword(const std::string& keyword) = 0;
    virtual void OpenContents() = 0;
};

// Records the requests, for tests; also stands in where no document exists.
class MemoryHelpViewer : public HelpViewer {
public:
    void OpenAtKeyword(const std::string& keyword) override { requests.push_back(keyword); }
    void OpenContents() override { requests.push_back(kContents); }

    static constexpr const char* kContents = "<contents>";
    std::vector<std::string> requests;
};

}  // namespace quorvix
