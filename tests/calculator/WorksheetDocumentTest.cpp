#include "calculator/WorksheetDocument.h"

#include <gtest/gtest.h>

#include "WorksheetTestFiles.h"
#include "calculator/TextDisplay.h"
#include "platform/MemoryPrompter.h"

namespace quorvix {
namespace {

struct WorksheetDocumentFixture : ::testing::Test {
    TempDir dir;
    std::string path = dir.File("Quorvix.qws");
    MemoryWorksheetVariables vars;
    WorksheetDocument document{path, vars};
    TextDisplay display;
    MemoryPrompter prompter;
    MemoryFileDialogs dialogs;

    std::string SavedText() {
        MemoryWorksheetVariables ignored;
        std::string text;
        ReadWorksheetFile(path, text, ignored);
        return text;
    }
};

TEST_F(WorksheetDocumentFixture, StartUpPutsTheTextOnAFreshLine) {
    WriteWorksheetFile(path, "7*6 =\n42", vars);
    document.SerializeWorksheet(true);
    document.PutIntoDisplay(display);
    EXPECT_EQ(display.Text(), "7*6 =\n42\n");
    EXPECT_EQ(display.CaretPosition(), display.TextLength());
    EXPECT_FALSE(display.IsModified());
}

TEST_F(WorksheetDocumentFixture, EmptyTextGetsNoLineFeed) {
    WriteWorksheetFile(path, "", vars);
    document.worksheetText = "stale";
    document.SerializeWorksheet(true);
    document.PutIntoDisplay(display);
    EXPECT_EQ(display.Text(), "");
}

TEST_F(WorksheetDocumentFixture, ExitWithSaveDisplayOffKeepsVariablesOnly) {
    display.SetText("1+1 =\n2\n");
    vars.Append("A", "2");
    document.SaveOnExit(display, false);
    MemoryWorksheetVariables loaded;
    std::string text = "x";
    ASSERT_EQ(ReadWorksheetFile(path, text, loaded), WorksheetReadResult::Loaded);
    EXPECT_EQ(text, "");
    EXPECT_EQ(loaded.list, vars.list);
    document.SaveOnExit(display, true);
    EXPECT_EQ(SavedText(), "1+1 =\n2");
}

TEST_F(WorksheetDocumentFixture, ExitWithSaveDisplayOffKeepsTheSavedText) {
    MemoryWorksheetVariables old;
    old.Append("B", "1");
    WriteWorksheetFile(path, "saved by hand", old);
    display.SetText("typed since\n");
    vars.Append("A", "2");
    document.SaveOnExit(display, false);
    MemoryWorksheetVariables loaded;
    std::string text;
    ASSERT_EQ(ReadWorksheetFile(path, text, loaded), WorksheetReadResult::Loaded);
    EXPECT_EQ(text, "saved by hand");
    EXPECT_EQ(loaded.list, vars.list);
}

TEST_F(WorksheetDocumentFixture, SaveTrimsAndClearsTheModifiedFlag) {
    display.SetText("5*5 =\n25\n\n   ");
    display.SetModified(true);
    document.Save(display);
    EXPECT_EQ(SavedText(), "5*5 =\n25");
    EXPECT_FALSE(display.IsModified());
    EXPECT_EQ(ReadBytes(path).substr(0, 1), "\x09");  // "5*5 =\r\n25" is nine bytes
}

TEST_F(WorksheetDocumentFixture, SaveAsAdoptsTheChosenPath) {
    display.SetText("3");
    const std::string other = dir.File("other.qws");
    dialogs.answers.push_back(other);
    document.SaveAs(display, dialogs);
    EXPECT_EQ(path, other);  // the setting follows
    EXPECT_EQ(ReadBytes(other).substr(1, 1), "3");
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    const FileDialogRequest& request = dialogs.saveRequests[0];
    EXPECT_EQ(request.defaultExtension, "qws");
    EXPECT_EQ(request.initialPath, dir.File("Quorvix.qws"));
    EXPECT_EQ(request.filter, "Quorvix Worksheet (*.qws)|*.qws|All Files (*.*)|*.*||");
    EXPECT_TRUE(request.confirmOverwrite);
    EXPECT_TRUE(request.hideReadOnly);
}

TEST_F(WorksheetDocumentFixture, SaveAsCancelledDoesNothing) {
    display.SetText("3");
    document.SaveAs(display, dialogs);
    EXPECT_EQ(path, dir.File("Quorvix.qws"));
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(WorksheetDocumentFixture, LoadAsksToSaveThenCancelKeepsDisplayAndSave) {
    display.SetText("9+1 =\n10\n");
    display.SetModified(true);
    prompter.answers.push_back(true);
    document.Load(display, prompter, dialogs);  // the open dialog is cancelled
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].caption, "Save Worksheet");
    EXPECT_EQ(prompter.shown[0].text,
              "The current worksheet has changed.  Would you like to save it?");
    EXPECT_EQ(prompter.shown[0].icon, PromptIcon::Warning);
    EXPECT_TRUE(prompter.shown[0].question);
    EXPECT_EQ(SavedText(), "9+1 =\n10");
    EXPECT_EQ(display.Text(), "9+1 =\n10\n");
    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    EXPECT_FALSE(dialogs.openRequests[0].confirmOverwrite);
}

TEST_F(WorksheetDocumentFixture, LoadReplacesTextAndAllVariables) {
    const std::string other = dir.File("b.qws");
    MemoryWorksheetVariables fileVars;
    fileVars.Append("R", "0.05");
    WriteWorksheetFile(other, "pv(R,10,100) =\n-772.17", fileVars);
    vars.Append("Q", "1");
    display.SetText("unsaved");
    display.SetModified(true);
    prompter.answers.push_back(false);  // do not save
    dialogs.answers.push_back(other);
    document.Load(display, prompter, dialogs);
    EXPECT_FALSE(std::filesystem::exists(dir.File("Quorvix.qws")));
    EXPECT_EQ(path, other);
    EXPECT_EQ(vars.list, fileVars.list);
    EXPECT_EQ(display.Text(), "pv(R,10,100) =\n-772.17\n");
    EXPECT_FALSE(display.IsModified());
}

// A damaged file chosen with Load is treated as at start: the notice, and
// the exit leaves the file as it is until the user saves on purpose.
TEST_F(WorksheetDocumentFixture, LoadOfADamagedFileKeepsItUntilSavedOnPurpose) {
    const std::string damaged = dir.File("bad.qws");
    const std::string good = EncodeWorksheet("abc", vars);
    const std::string bytes = good.substr(0, good.size() - 1);
    WriteBytes(damaged, bytes);
    dialogs.answers.push_back(damaged);
    document.Load(display, prompter, dialogs);
    EXPECT_EQ(document.readNotice(), "Worksheet damaged: partly loaded, file kept");
    EXPECT_EQ(display.Text(), "abc\n");
    display.SetText("abc\ntyped");
    document.SaveOnExit(display, true);
    EXPECT_EQ(ReadBytes(damaged), bytes);

    document.Save(display);
    EXPECT_TRUE(document.readNotice().empty());
    EXPECT_EQ(SavedText(), "abc\ntyped");
}

TEST_F(WorksheetDocumentFixture, UnchangedWorksheetIsNotOfferedForSaving) {
    display.SetText("x");
    display.SetModified(false);
    document.Load(display, prompter, dialogs);
    EXPECT_TRUE(prompter.shown.empty());
}

// The window's locking: a worksheet that another run holds is read but not
// written at exit, Save tries the lock again, Save As refuses such a file,
// and the lock follows the document to the file it switches to.
TEST_F(WorksheetDocumentFixture, LockedWorksheetIsReadButNotWrittenOver) {
    WriteWorksheetFile(path, "theirs", vars);
    FileLock other;
    ASSERT_EQ(other.Acquire(path), FileLock::Result::Locked);
    document.EnableLocking();
    document.SerializeWorksheet(true);
    EXPECT_TRUE(document.inUse());
    EXPECT_EQ(document.worksheetText, "theirs");

    display.SetText("mine");
    document.SaveOnExit(display, true);
    EXPECT_EQ(SavedText(), "theirs");
    EXPECT_EQ(document.writeError(), path + ": " + kWorksheetInUse);

    const std::string busy = dir.File("busy.qws");
    FileLock busyLock;
    ASSERT_EQ(busyLock.Acquire(busy), FileLock::Result::Locked);
    dialogs.answers.push_back(busy);
    document.SaveAs(display, dialogs);
    EXPECT_EQ(path, dir.File("Quorvix.qws"));
    EXPECT_FALSE(std::filesystem::exists(busy));
    EXPECT_EQ(document.writeError(), busy + ": " + kWorksheetInUse);

    other.Release();  // the other run has ended: Save takes the lock and writes
    document.Save(display);
    EXPECT_TRUE(document.writeError().empty());
    EXPECT_EQ(SavedText(), "mine");
    EXPECT_EQ(other.Acquire(path), FileLock::Result::InUse);

    const std::string next = dir.File("next.qws");
    dialogs.answers.push_back(next);
    document.SaveAs(display, dialogs);
    EXPECT_EQ(path, next);
    EXPECT_EQ(other.Acquire(dir.File("Quorvix.qws")), FileLock::Result::Locked);
    EXPECT_EQ(busyLock.Acquire(next), FileLock::Result::InUse);
}

}  // namespace
}  // namespace quorvix
