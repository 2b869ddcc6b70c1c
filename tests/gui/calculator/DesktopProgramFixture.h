#pragma once
// The whole desktop program for the window tests: its settings and files in
// a data directory, prompts, file dialogs, help and shell in memory, no
// run-at-logon entries, the window shown.

#include <QCoreApplication>
#include <QString>
#include <memory>

#include "app/DesktopProgram.h"
#include "gui/common/QtText.h"
#include "platform/FileDialogs.h"
#include "platform/HelpViewer.h"
#include "platform/MemoryPrompter.h"
#include "platform/Shell.h"
#include "platform/qt/QtLocations.h"
#include "platform/qt/QtSettingsStore.h"

namespace quorvix::test {

class DesktopProgramFixture {
protected:
    // Ends any program running and starts a new one over directory.
    void StartProgram(const QString& directory) {
        app_.reset();
        const std::string dir = ToStdString(directory);
        locations_ = std::make_unique<QtLocations>(dir);
        store_ = std::make_unique<QtSettingsStore>(dir);
        app_ = std::make_unique<DesktopProgram>(DesktopServices{
            prompter_, fileDialogs_, help_, shell_, *store_, *locations_, nullptr, {}, {}, kTrayWaitMs});
        app_->Start(false);
        QCoreApplication::processEvents();
    }
    void StopProgram() {
        app_.reset();
        store_.reset();
    }

    std::unique_ptr<QtLocations> locations_;
    std::unique_ptr<QtSettingsStore> store_;
    MemoryPrompter prompter_;
    MemoryFileDialogs fileDialogs_;
    MemoryHelpViewer help_;
    MemoryShell shell_;
    std::unique_ptr<DesktopProgram> app_;
};

}  // namespace quorvix::test
