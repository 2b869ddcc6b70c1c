#include "gui/calculator/DisplayEdit.h"

#include <QApplication>
#include <QGuiApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QStyleHints>
#include <QTextBlock>
#include <QWheelEvent>
#include <algorithm>
#include <memory>

#include "calculator/PasteLimit.h"
#include "gui/common/QtText.h"

namespace quorvix {

namespace {

bool IsTypeable(char16_t u) { return u >= 0x20 && u != 0x7F && u <= 0xFF; }

bool IsDeletionShortcut(const QKeyEvent* event) {
    return event->matches(QKeySequence::DeleteStartOfWord) ||
           event->matches(QKeySequence::DeleteEndOfWord) ||
           event->matches(QKeySequence::DeleteEndOfLine) ||
           event->matches(QKeySequence::DeleteCompleteLine);
}

bool HasCommandModifier(Qt::KeyboardModifiers mods) {
    return mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

}  // namespace

QString CleanDisplayText(const QString& text) {
    QString cleaned;
    cleaned.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u == u'\r') {
            cleaned += QLatin1Char('\n');
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ++i;
        } else if (u == u'\n' || u == 0x2029 || u == 0x2028) {
            cleaned += QLatin1Char('\n');
        } else if (IsTypeable(u)) {
            cleaned += text[i];
        }
    }
    return cleaned;
}

DisplayEdit::DisplayEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(QStringLiteral("display"));
    setAccessibleName(QStringLiteral("Worksheet display"));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
    setUndoRedoEnabled(true);
    // The selection stays visible when the focus is elsewhere.
    QPalette p = palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               p.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &DisplayEdit::UpdateCaretBlink);
}

DisplayEdit::~DisplayEdit() {
    if (savedFlashTime_ >= 0) QGuiApplication::styleHints()->setCursorFlashTime(savedFlashTime_);
}

void DisplayEdit::UpdateCaretBlink() {
    // Each blink repaints the caret's line, and Qt lays a line out anew for
    // every paint: on a line of megabytes that keeps an idle window busy.
    // There the caret stands still, so nothing is done until something
    // changes.
    const bool steady = textCursor().block().length() > kSteadyCaretLineLength;
    QStyleHints* hints = QGuiApplication::styleHints();
    if (steady && savedFlashTime_ < 0) {
        savedFlashTime_ = hints->cursorFlashTime();
        hints->setCursorFlashTime(0);
    } else if (!steady && savedFlashTime_ >= 0) {
        hints->setCursorFlashTime(savedFlashTime_);
        savedFlashTime_ = -1;
    }
}

// --- Reading -------------------------------------------------------------------

std::string DisplayEdit::Text() const {
    // The raw text keeps every character as stored (the plain-text export
    // would turn non-breaking blanks into blanks); blocks end in U+2029.
    return ToStdString(CleanDisplayText(document()->toRawText()));
}

int DisplayEdit::TextLength() const { return std::max(0, document()->characterCount() - 1); }

int DisplayEdit::LineCount() const { return document()->blockCount(); }

int DisplayEdit::LineFromChar(int index) const {
    return document()->findBlock(std::clamp(index, 0, TextLength())).blockNumber();
}

int DisplayEdit::LineStart(int line) const {
    const QTextBlock block = document()->findBlockByNumber(line);
    return block.isValid() ? block.position() : -1;
}

int DisplayEdit::LineLength(int line) const {
    const QTextBlock block = document()->findBlockByNumber(line);
    return block.isValid() ? block.length() - 1 : 0;
}

std::string DisplayEdit::ReadLine(int line, int maxChars) const {
    const QTextBlock block = document()->findBlockByNumber(line);
    if (!block.isValid() || maxChars <= 0) return std::string();
    QString text = block.text();
    if (block.next().isValid()) text += QLatin1Char('\n');
    return ToStdString(text.left(maxChars));
}

int DisplayEdit::CaretPosition() const { return textCursor().position(); }
int DisplayEdit::SelectionStart() const { return textCursor().selectionStart(); }
int DisplayEdit::SelectionEnd() const { return textCursor().selectionEnd(); }

// --- Immediate edits -----------------------------------------------------------

void DisplayEdit::SetSelection(int start, int end) {
    const int length = TextLength();
    QTextCursor cursor(document());
    cursor.setPosition(start < 0 ? length : std::min(start, length));
    cursor.setPosition(end < 0 ? length : std::min(end, length), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    typingRun_ = false;
}

void DisplayEdit::SelectError(int start, int end) {
    SetSelection(start, end);
    emit errorSelected(SelectionStart(), SelectionEnd());
}

void DisplayEdit::MoveCaretTo(int position) { SetSelection(position, position); }

void DisplayEdit::SetText(const std::string& text) {
    setPlainText(CleanDisplayText(ToQString(text)));  // forgets undo
    moveCursor(QTextCursor::End);
    modified_ = true;
    typingRun_ = false;
    undone_ = false;
}

void DisplayEdit::BeginEdit(bool typing) {
    // A run of typing continues only where the last typed character went.
    const QTextCursor cursor = textCursor();
    const bool continuesRun =
        typing && typingRun_ && !cursor.hasSelection() && cursor.position() == runEnd_;
    if (!continuesRun) {
        document()->clearUndoRedoStacks();
        undoSelection_ = AnchorAndCaret();
    }
    undone_ = false;
    modified_ = true;
}

void DisplayEdit::InsertPlain(const QString& text, bool typing) {
    QTextCursor cursor = textCursor();
    if (text.isEmpty() && !cursor.hasSelection()) return;
    BeginEdit(typing);
    cursor.insertText(text);
    setTextCursor(cursor);
    ensureCursorVisible();
    typingRun_ = typing;
    runEnd_ = cursor.position();
}

void DisplayEdit::DeleteSelection() {
    if (!textCursor().hasSelection()) return;
    InsertPlain(QString(), false);
}

void DisplayEdit::TypeCharacter(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (c != '\n' && !IsTypeable(u)) return;
    if (TypingObserver* observer = typingObserver()) observer->BeforeCharacter(c);
    InsertPlain(QString(QChar(static_cast<char16_t>(u))), true);
}

void DisplayEdit::PressKey(DisplayKey key) {
    const QTextCursor cursor = textCursor();
    const QTextBlock block = cursor.block();
    const int column = cursor.position() - block.position();
    switch (key) {
        case DisplayKey::Home:
            MoveCaretTo(block.position());
            break;
        case DisplayKey::End:
            MoveCaretTo(block.position() + block.length() - 1);
            break;
        case DisplayKey::Up:
        case DisplayKey::Down: {
            const QTextBlock target = key == DisplayKey::Up ? block.previous() : block.next();
            if (!target.isValid()) {
                MoveCaretTo(cursor.position());
                break;
            }
            MoveCaretTo(target.position() + std::min(column, target.length() - 1));
            break;
        }
        case DisplayKey::Left:
            MoveCaretTo(cursor.hasSelection() ? cursor.selectionStart()
                                              : std::max(0, cursor.position() - 1));
            break;
        case DisplayKey::Right:
            MoveCaretTo(cursor.hasSelection() ? cursor.selectionEnd() : cursor.position() + 1);
            break;
        case DisplayKey::Backspace:
        case DisplayKey::Delete: {
            const bool back = key == DisplayKey::Backspace;
            if (back) {
                if (TypingObserver* observer = typingObserver())
                    observer->BeforeBackspace(cursor.position());
            }
            if (!cursor.hasSelection()) {
                const int other = cursor.position() + (back ? -1 : 1);
                if (other < 0 || other > TextLength()) return;
                // The character goes as a selection anchored beside the
                // caret, which is what Undo puts back (as in TextDisplay).
                QTextCursor selecting = cursor;
                selecting.setPosition(other);
                selecting.setPosition(cursor.position(), QTextCursor::KeepAnchor);
                setTextCursor(selecting);
            }
            InsertPlain(QString(), false);
            break;
        }
    }
    ensureCursorVisible();
}

// --- Queued input --------------------------------------------------------------

void DisplayEdit::QueueCharacter(char c) {
    queue_.push_back({false, c, DisplayKey::Home});
    ScheduleQueue();
}

void DisplayEdit::QueueKey(DisplayKey key) {
    queue_.push_back({true, '\0', key});
    ScheduleQueue();
}

void DisplayEdit::ScheduleQueue() {
    if (queueScheduled_ || inputHeld_ || queue_.empty()) return;
    queueScheduled_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            queueScheduled_ = false;
            RunQueuedInput();
        },
        Qt::QueuedConnection);
}

void DisplayEdit::RunQueuedInput() {
    if (inputHeld_ || queue_.empty()) return;
    // Each character still takes the typed path (the typing observer sees
    // it, the text is current for it), but the document reports the run as
    // one change: what a key, a menu entry or an answer typed reaches
    // assistive tools as one insertion, not a character at a time. Undo
    // does not depend on this (it always undoes the whole last edit).
    QTextCursor run(document());
    run.beginEditBlock();
    while (!inputHeld_ && !queue_.empty()) {
        const QueuedInput input = queue_.front();
        queue_.pop_front();
        Apply(input);
    }
    run.endEditBlock();
    ensureCursorVisible();
}

void DisplayEdit::SetInputHeld(bool held) {
    inputHeld_ = held;
    ScheduleQueue();
}

// --- Clipboard, undo, focus ------------------------------------------------------

void DisplayEdit::Cut() {
    if (!textCursor().hasSelection()) return;
    Copy();
    DeleteSelection();
}

void DisplayEdit::Copy() {
    if (textCursor().hasSelection()) copy();
}

void DisplayEdit::CopyText(const std::string& text) {
    QApplication::clipboard()->setText(ToQString(text));
}

// Ctrl+wheel asks the window to zoom (one step per notch); the base class
// would zoom only a read-only view and without storing the size.
void DisplayEdit::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        wheelAngle_ += event->angleDelta().y();
        const int steps = wheelAngle_ / QWheelEvent::DefaultDeltasPerStep;
        wheelAngle_ -= steps * QWheelEvent::DefaultDeltasPerStep;
        if (steps != 0) emit zoomRequested(steps);
        event->accept();
        return;
    }
    QPlainTextEdit::wheelEvent(event);
}

void DisplayEdit::Paste() { InsertPasted(QApplication::clipboard()->text()); }

void DisplayEdit::InsertPasted(const QString& offered) {
    const QString text = CleanDisplayText(offered);
    const auto limit = static_cast<qsizetype>(kMaxPasteCharacters);
    const auto length = static_cast<qsizetype>(PastedLength(ToStdString(text.left(limit + 1))));
    if (length < text.size())
        emit pasteCut(ToQString(PasteCutMessage(
            static_cast<std::size_t>(length), static_cast<std::size_t>(text.size()))));
    // Nothing to paste leaves the selection alone.
    if (length > 0) InsertPlain(text.left(length), false);
}

bool DisplayEdit::CanPaste() const { return !QApplication::clipboard()->text().isEmpty(); }

std::pair<int, int> DisplayEdit::AnchorAndCaret() const {
    const QTextCursor cursor = textCursor();
    return {cursor.anchor(), cursor.position()};
}

void DisplayEdit::RestoreAnchorAndCaret(std::pair<int, int> selection) {
    const int length = TextLength();
    QTextCursor cursor(document());
    cursor.setPosition(std::clamp(selection.first, 0, length));
    cursor.setPosition(std::clamp(selection.second, 0, length), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void DisplayEdit::Undo() {
    // The undo stack holds only the last edit (BeginEdit clears it), which
    // may be several document steps: undo or redo all of them. The selection
    // swaps with the recorded one, so a redo puts back the one before Undo.
    const std::pair<int, int> before = AnchorAndCaret();
    if (undone_) {
        while (document()->isRedoAvailable()) redo();
        undone_ = false;
    } else if (document()->isUndoAvailable()) {
        while (document()->isUndoAvailable()) undo();
        undone_ = true;
    } else {
        return;
    }
    RestoreAnchorAndCaret(undoSelection_);
    undoSelection_ = before;
    ensureCursorVisible();
    modified_ = true;
    typingRun_ = false;
}

void DisplayEdit::RedoIfUndone() {
    if (undone_) Undo();
}

bool DisplayEdit::CanUndo() const {
    return undone_ ? document()->isRedoAvailable() : document()->isUndoAvailable();
}

void DisplayEdit::SetFocus() { setFocus(Qt::OtherFocusReason); }

void DisplayEdit::Announce(const QString& message) {
    // Qt sends the description change on every call.
    if (accessibleDescription() == message) setAccessibleDescription(QString());
    setAccessibleDescription(message);
}

// --- Keyboard, input methods, drops ----------------------------------------------

void DisplayEdit::keyPressEvent(QKeyEvent* event) {
    // The standard keys the display does itself (one level of undo, Latin-1
    // text only); Copy, Select All and moving are the base class's.
    struct StandardKeyAction {
        QKeySequence::StandardKey key;
        void (DisplayEdit::*run)();
    };
    static constexpr StandardKeyAction kStandardKeys[] = {
        {QKeySequence::Undo, &DisplayEdit::Undo},
        {QKeySequence::Redo, &DisplayEdit::RedoIfUndone},
        {QKeySequence::Cut, &DisplayEdit::Cut},
        {QKeySequence::Paste, &DisplayEdit::Paste},
    };
    // What keys and menus queued goes first, so typing follows it.
    RunQueuedInput();
    event->accept();
    const int key = event->key();
    const bool command = HasCommandModifier(event->modifiers());
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        typingRun_ = false;
        emit enterPressed();
        return;
    }
    if (key == Qt::Key_F1) {
        emit helpRequested();
        return;
    }
    if (key == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        // The keyboard's other way to the context menu: at the caret.
        emit contextMenuRequested(viewport()->mapToGlobal(cursorRect().bottomLeft()));
        return;
    }
    for (const StandardKeyAction& action : kStandardKeys) {
        if (event->matches(action.key)) {
            (this->*action.run)();
            return;
        }
    }
    if ((key == Qt::Key_Backspace || key == Qt::Key_Delete) &&
        !(event->modifiers() & Qt::ControlModifier)) {
        PressKey(key == Qt::Key_Backspace ? DisplayKey::Backspace : DisplayKey::Delete);
    } else if (event->text().size() == 1 && event->text()[0].unicode() >= 0x20 && !command) {
        // A character outside Latin-1 cannot be stored; it is dropped.
        if (IsTypeable(event->text()[0].unicode()))
            TypeCharacter(static_cast<char>(event->text()[0].unicode()));
    } else if (IsDeletionShortcut(event)) {
        BeginEdit(false);
        QPlainTextEdit::keyPressEvent(event);
    } else {
        // Moving and selecting, Copy, Select All; the rest (Escape, ...) is
        // left to the window.
        const int before = CaretPosition();
        QPlainTextEdit::keyPressEvent(event);
        if (CaretPosition() != before) typingRun_ = false;
    }
}

void DisplayEdit::inputMethodEvent(QInputMethodEvent* event) {
    for (QChar ch : event->commitString())
        if (IsTypeable(ch.unicode())) TypeCharacter(static_cast<char>(ch.unicode()));
    event->accept();
}

bool DisplayEdit::canInsertFromMimeData(const QMimeData* source) const {
    return source && source->hasText();
}

void DisplayEdit::insertFromMimeData(const QMimeData* source) {
    if (source && source->hasText()) InsertPasted(source->text());
}

// --- Context menu --------------------------------------------------------------

void DisplayEdit::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    emit contextMenuRequested(event->globalPos());
}

}  // namespace quorvix
