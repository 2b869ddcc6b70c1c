#pragma once
// The separate help document. The program asks it to open at a keyword, at
// its contents and index, or at a search over all its pages (with a query,
// perhaps empty, ready in the search field). Nothing depends on the result.

#include <string>
#include <vector>

namespace quorvix {

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void OpenAtKeyword(const std::string& keyword) = 0;
    virtual void OpenContents() = 0;
    virtual void OpenSearch(const std::string& query) = 0;
};

// Records the requests, for tests; also stands in where no document exists.
class MemoryHelpViewer : public HelpViewer {
public:
    void OpenAtKeyword(const std::string& keyword) override { requests.push_back(keyword); }
    void OpenContents() override { requests.push_back(kContents); }
    void OpenSearch(const std::string& query) override { requests.push_back(kSearch + query); }

    static constexpr const char* kContents = "<contents>";
    static constexpr const char* kSearch = "<search>";  // followed by the query
    std::vector<std::string> requests;
};

}  // namespace quorvix
