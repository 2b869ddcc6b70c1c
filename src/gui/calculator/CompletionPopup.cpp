#include "gui/calculator/CompletionPopup.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QTextDocument>
#include <algorithm>
#include <string>

#include "gui/calculator/DisplayEdit.h"
#include "gui/common/QtText.h"

namespace quorvix {

namespace {
constexpr int kMaxShownRows = 8;
}  // namespace

CompletionPopup::CompletionPopup(DisplayEdit& display, std::function<CompletionNames()> names)
    : QListWidget(display.viewport()), display_(display), names_(std::move(names)) {
    setObjectName(QStringLiteral("completionPopup"));
    setAccessibleName(QStringLiteral("Completions"));
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    hide();
    display_.installEventFilter(this);
    connect(&display_, &QPlainTextEdit::textChanged, this, &CompletionPopup::Update);
    connect(&display_, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        if (isVisible()) Update();
    });
    connect(this, &QListWidget::itemClicked, this, [this] { InsertChosen(); });
}

void CompletionPopup::Update() {
    if (inserting_) return;
    const int caret = display_.CaretPosition();
    const bool typing = display_.SelectionStart() == display_.SelectionEnd();
    // A typed character moves the caret and changes the text, and each
    // signal brings the display here: the second finds the list already
    // made for this text and caret.
    const FilledFor state{display_.document()->revision(), caret, typing};
    if (state == filledFor_) return;
    filledFor_ = state;
    const int line = display_.LineFromChar(caret);
    const int start = display_.LineStart(line);
    completions_.clear();
    if (typing && start >= 0) {
        std::string text = display_.ReadLine(line, display_.LineLength(line) + 1);
        if (!text.empty() && text.back() == '\n') text.pop_back();
        completions_ = CompletionsAt(text, caret - start, names_());
    }
    if (completions_.empty()) {
        hide();
        return;
    }
    clear();
    for (const Completion& completion : completions_) {
        auto* item = new QListWidgetItem(ToQString(completion.syntax), this);
        item->setToolTip(ToQString(completion.description));
    }
    setCurrentRow(0);
    const int rows = std::min<int>(kMaxShownRows, count());
    const int width = std::max(sizeHintForColumn(0) + 2 * frameWidth() +
                                   (count() > rows ? verticalScrollBar()->sizeHint().width() : 0),
                               fontMetrics().averageCharWidth() * 16);
    const QRect caretBox = display_.cursorRect();
    const QRect room = display_.viewport()->rect();
    const int height = rows * sizeHintForRow(0) + 2 * frameWidth();
    // Under the caret's line, or above it where there is no room below.
    int top = caretBox.bottom() + 1;
    if (top + height > room.bottom() && caretBox.top() - height >= 0) top = caretBox.top() - height;
    const int left = std::clamp(caretBox.left(), 0, std::max(0, room.width() - width));
    setGeometry(left, top, std::min(width, room.width()), height);
    show();
    raise();
}

void CompletionPopup::InsertChosen() {
    const int row = currentRow();
    if (row < 0 || row >= static_cast<int>(completions_.size())) return;
    const Completion chosen = completions_[static_cast<std::size_t>(row)];
    hide();
    const int caret = display_.CaretPosition();
    const int line = display_.LineFromChar(caret);
    const std::string text = display_.ReadLine(line, display_.LineLength(line));
    const int start = display_.LineStart(line);
    const TypedName typed = NameBeforeCaret(text, caret - start);
    const UserMenuInsertion insertion = CompletionInsertion(chosen);
    // Typed as the keys type, so the pop-up help and undo see typing.
    inserting_ = true;
    display_.SetSelection(start + typed.start, caret);
    display_.DeleteSelection();
    for (char c : insertion.text) display_.TypeCharacter(c);
    const int end = display_.CaretPosition() - insertion.caretBackFromEnd;
    display_.SetSelection(end, end);
    inserting_ = false;
}

bool CompletionPopup::ChosenIsTypedInFull() const {
    const int row = currentRow();
    if (row < 0 || row >= static_cast<int>(completions_.size())) return false;
    const Completion& chosen = completions_[static_cast<std::size_t>(row)];
    if (chosen.kind == CompletionKind::Function || chosen.kind == CompletionKind::UserDefinedFunction)
        return false;
    const int caret = display_.CaretPosition();
    const int line = display_.LineFromChar(caret);
    const TypedName typed = NameBeforeCaret(display_.ReadLine(line, display_.LineLength(line)),
                                            caret - display_.LineStart(line));
    return QString::fromLatin1(typed.text.c_str()).compare(ToQString(chosen.name),
                                                           Qt::CaseInsensitive) == 0;
}

bool CompletionPopup::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &display_ && isVisible() && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                // A variable or constant typed in full evaluates at once.
                if (ChosenIsTypedInFull()) {
                    hide();
                    break;
                }
                InsertChosen();
                return true;
            case Qt::Key_Tab:
                InsertChosen();
                return true;
            case Qt::Key_Escape:
                hide();
                return true;
            case Qt::Key_Up:
                setCurrentRow(std::max(0, currentRow() - 1));
                return true;
            case Qt::Key_Down:
                setCurrentRow(std::min(count() - 1, currentRow() + 1));
                return true;
            default:
                break;
        }
    }
    if (watched == &display_ && event->type() == QEvent::FocusOut) hide();
    return QListWidget::eventFilter(watched, event);
}

}  // namespace quorvix
