#pragma once
// The About box's texts and the rules of its hyperlinks. A hyperlink shows
// its address in the unvisited colour until it is clicked, then in the
// visited colour for as long as its box is open; a click asks the shell to
// open the address and, when the shell refuses, says so once in a plain
// message box captioned with the program's title.

#include <string>
#include <string_view>

namespace quorvix {

class Prompter;
class Shell;

struct AboutBoxTexts {
    std::string caption;       // "About Quorvix"
    std::string versionLine;   // "Quorvix 0.1.0"
    std::string notice;        // one line: what the program is, who made it
    std::string contact;       // the lines above the two links
    std::string mailText;      // the mail link as shown
    std::string mailTarget;    // ... and as opened (a mailto: address)
    std::string webText;
    std::string webTarget;
};

inline constexpr const char* kProductName = "Quorvix";

AboutBoxTexts MakeAboutBoxTexts(std::string_view version);

struct LinkColour {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const LinkColour&, const LinkColour&) = default;
};

class Hyperlink {
public:
    static constexpr LinkColour kUnvisitedColour{0, 0, 238};
    static constexpr LinkColour kVisitedColour{85, 26, 139};
    static constexpr const char* kOpenFailedMessage = "Unable to start the mail/browser program";

    Hyperlink(std::string text, std::string target)
        : text_(std::move(text)), target_(std::move(target)) {}

    const std::string& text() const { return text_; }
    const std::string& target() const { return target_; }
    bool visited() const { return visited_; }
    LinkColour colour() const { return visited_ ? kVisitedColour : kUnvisitedColour; }

    // A left click: visited from now on, then the shell opens the target;
    // a refusal shows kOpenFailedMessage captioned kProductName. True when
    // the shell opened it. A view that repaints or changes the cursor
    // between the steps runs them one by one instead.
    bool Click(Shell& shell, Prompter& prompter);

    void MarkVisited() { visited_ = true; }
    bool Open(Shell& shell) const;
    static void ReportOpenFailed(Prompter& prompter);

private:
    std::string text_;
    std::string target_;
    bool visited_ = false;
};

}  // namespace quorvix
