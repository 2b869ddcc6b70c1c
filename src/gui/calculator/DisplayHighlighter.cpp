#include "gui/calculator/DisplayHighlighter.h"

#include <QTextDocument>
#include <algorithm>
#include <utility>

#include "gui/calculator/DisplayEdit.h"
#include "gui/common/QtColorRef.h"
#include "gui/common/QtText.h"

namespace quorvix {

namespace {

bool SameColours(const HighlightColours& a, const HighlightColours& b) {
    return a.answer == b.answer && a.answerBold == b.answerBold && a.function == b.function &&
           a.variable == b.variable && a.number == b.number && a.operation == b.operation &&
           a.errorBackground == b.errorBackground;
}

}  // namespace

DisplayHighlighter::DisplayHighlighter(DisplayEdit& display)
    : QSyntaxHighlighter(static_cast<QObject*>(&display)), display_(display) {
    // Connected before the highlighter follows the document, so an edit
    // ends the mark before its line is highlighted again.
    connect(display.document(), &QTextDocument::contentsChange, this,
            &DisplayHighlighter::EndMarkOnEdit);
    connect(&display, &DisplayEdit::errorSelected, this, &DisplayHighlighter::MarkError);
}

void DisplayHighlighter::SetFormats(const HighlightColours& colours) {
    auto coloured = [](std::uint32_t colour) {
        QTextCharFormat format;
        format.setForeground(ToQColor(colour));
        return format;
    };
    formats_[static_cast<int>(HighlightKind::Answer)] = coloured(colours.answer);
    if (colours.answerBold)
        formats_[static_cast<int>(HighlightKind::Answer)].setFontWeight(QFont::Bold);
    formats_[static_cast<int>(HighlightKind::Function)] = coloured(colours.function);
    formats_[static_cast<int>(HighlightKind::Variable)] = coloured(colours.variable);
    formats_[static_cast<int>(HighlightKind::Number)] = coloured(colours.number);
    formats_[static_cast<int>(HighlightKind::Operator)] = coloured(colours.operation);
    colours_ = colours;
    coloured_ = true;
}

void DisplayHighlighter::Show(bool on, const HighlightColours& colours) {
    if (!on) {
        if (!shown()) return;
        error_ = QTextCursor();
        setDocument(nullptr);  // clears the formats it set
        // The lines are laid out again without them (bold answers are wider).
        QTextDocument* document = display_.document();
        document->markContentsDirty(0, document->characterCount());
        return;
    }
    const bool changed = !coloured_ || !SameColours(colours, colours_);
    if (changed) SetFormats(colours);
    if (!shown()) {
        setDocument(display_.document());  // highlights the whole text soon
    } else if (changed) {
        rehighlight();
    }
}

void DisplayHighlighter::SetNames(HighlightNames names) {
    if (names == names_) return;
    const NamesChange change = CompareHighlightNames(names_, names);
    names_ = std::move(names);
    if (!shown()) return;
    // A name or two (a new variable, an edited function): only the lines
    // that use them, found without formatting the others.
    constexpr std::size_t kFewNames = 32;
    if (change.everything || change.names.size() > kFewNames) {
        rehighlight();
        return;
    }
    // (The plain text has the lines' positions; only non-breaking blanks
    // become blanks in it.)
    for (const int line : LinesMentioning(ToStdString(document()->toPlainText()), change.names))
        rehighlightBlock(document()->findBlockByNumber(line));
}

void DisplayHighlighter::highlightBlock(const QString& text) {
    const int previous = previousBlockState();
    const LineHighlight line =
        HighlightLine(ToStdString(text),
                      previous < 0 ? LineState::Plain : static_cast<LineState>(previous), names_);
    for (const HighlightSpan& span : line.spans)
        setFormat(span.start, span.length, formats_[static_cast<int>(span.kind)]);
    setCurrentBlockState(static_cast<int>(line.state));

    if (error_.isNull() || error_.block() != currentBlock()) return;
    const int blockStart = currentBlock().position();
    const int from = error_.selectionStart() - blockStart;
    const int to = error_.selectionEnd() - blockStart;
    for (int i = std::max(0, from); i < to && i < text.size(); ++i) {
        QTextCharFormat marked = format(i);
        marked.setBackground(ToQColor(colours_.errorBackground));
        setFormat(i, 1, marked);
    }
}

void DisplayHighlighter::MarkError(int start, int end) {
    const QTextBlock before = error_.isNull() ? QTextBlock() : error_.block();
    error_ = QTextCursor();
    if (before.isValid() && shown()) rehighlightBlock(before);
    if (start >= end || !shown()) return;
    error_ = QTextCursor(display_.document());
    error_.setPosition(start);
    error_.setPosition(end, QTextCursor::KeepAnchor);
    if (display_.document()->findBlock(start) != error_.block()) {
        error_ = QTextCursor();  // only a part within one line is marked
        return;
    }
    rehighlightBlock(error_.block());
}

void DisplayHighlighter::EndMarkOnEdit(int from, int /*charsRemoved*/, int charsAdded) {
    if (error_.isNull()) return;
    const QTextBlock block = error_.block();
    const int blockStart = block.position();
    const int blockEnd = blockStart + block.length();
    if (from < blockEnd && from + std::max(charsAdded, 1) > blockStart) error_ = QTextCursor();
}

}  // namespace quorvix
