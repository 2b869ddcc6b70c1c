#pragma once
// "Custom Keys": the 21 custom captions in a list, a "Key Caption:" field and
// a "&Change" button that writes the field into the selected caption at
// once (CustomKeysEditor decides). F1 opens the help.
//
// The window runs it inside DefineCustomKeys:
//   DefineCustomKeys(settings, keypad, [&](auto& captions) {
//       CustomKeysDialog::edit(captions, help, this); });

#include <QDialog>
#include <array>
#include <string>

#include "calculator/Keypad.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace quorvix {

class HelpViewer;

class CustomKeysDialog : public QDialog {
    Q_OBJECT
public:
    CustomKeysDialog(CustomKeysEditor& editor, HelpViewer& help, QWidget* parent = nullptr);

    // Runs the dialog modally over the captions.
    static void edit(std::array<std::string, kCustomKeyCount>& captions, HelpViewer& help,
                     QWidget* parent);

    void refresh();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildUi();
    void onChange();

    CustomKeysEditor& editor_;
    HelpViewer& help_;
    QListWidget* list_ = nullptr;
    QLineEdit* field_ = nullptr;
    QPushButton* change_ = nullptr;
};

}  // namespace quorvix
