#pragma once
// Colours the worksheet display as DisplayHighlight reads it: answers (bold
// when the colours say so), function and variable names, numbers and
// operators, and the part an input error selected, on its own background
// until that line is edited. Only the layout's formats change: the text,
// the undo steps, the caret and what assistive tools are told stay as
// they are. Switched off, it leaves the document and clears its formats.
//
// Qt highlights only the lines an edit touched (and the lines under them
// while their state changes); the names are read again after each
// evaluation and the whole text is highlighted again only when they differ.

#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <QTextCursor>
#include <array>

#include "calculator/DisplayHighlight.h"
#include "shell/HighlightColours.h"

namespace quorvix {

class DisplayEdit;

class DisplayHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    // Off until Show switches it on.
    explicit DisplayHighlighter(DisplayEdit& display);

    // On: formats in these colours (the whole text is highlighted again
    // when they differ from the last ones). Off: no formats at all.
    void Show(bool on, const HighlightColours& colours);
    bool shown() const { return document() != nullptr; }
    // The names and number rules lines are read with.
    void SetNames(HighlightNames names);

protected:
    void highlightBlock(const QString& text) override;

private:
    void MarkError(int start, int end);
    // An edit of the marked line ends the mark.
    void EndMarkOnEdit(int from, int charsRemoved, int charsAdded);
    void SetFormats(const HighlightColours& colours);

    DisplayEdit& display_;
    HighlightNames names_;
    std::array<QTextCharFormat, 5> formats_;  // by HighlightKind
    QTextCharFormat errorFormat_;
    HighlightColours colours_;
    bool coloured_ = false;  // formats_ hold colours_
    QTextCursor error_;      // the marked part, or null
};

}  // namespace quorvix
