#include "calculator/Keypad.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>

#include "KeypadTestHost.h"

namespace quorvix {
namespace {

int LayoutKey(int k) { return kFirstLayoutKeyId + k; }

TEST(KeypadCaptions, FixedKeysAndMathLayout) {
    Keypad keypad;
    EXPECT_EQ(keypad.Caption(kExeKeyId), "EXE");
    EXPECT_EQ(keypad.Caption(kAnsKeyId), "ANS");
    EXPECT_EQ(keypad.Caption(kBackspaceKeyId), "<--");
    EXPECT_EQ(keypad.Caption(kClearKeyId), "CLR");
    EXPECT_EQ(keypad.Caption(kDecimalSeparatorKeyId), ".");
    EXPECT_EQ(keypad.Caption(kArgumentSeparatorKeyId), ",");
    EXPECT_EQ(keypad.Caption(10000), "0");
    EXPECT_EQ(keypad.Caption(10009), "9");
    const char* operators[] = {"*", "/", "+", "-", "^", "%", "(", ")"};
    for (int k = 0; k < 8; ++k) EXPECT_EQ(keypad.Caption(10010 + k), operators[k]);
    EXPECT_EQ(keypad.Caption(LayoutKey(0)), "fint");
    EXPECT_EQ(keypad.Caption(LayoutKey(3)), "sin");
    EXPECT_EQ(keypad.Caption(LayoutKey(20)), "=");
    EXPECT_EQ(keypad.Caption(kConstKeyId), "const");
    EXPECT_EQ(keypad.Caption(kConvKeyId), "conv");
    EXPECT_EQ(keypad.Caption(kFuncKeyId), "func");
    EXPECT_EQ(keypad.Caption(9993), "");  // a check box, not a key
}

TEST(KeypadCaptions, LayoutsSwitchTheTwentyOneKeys) {
    Keypad keypad;
    std::array<std::string, kCustomKeyCount> custom = MathKeyCaptions();
    custom[3] = "Sinh";
    keypad.ApplyKeypadLayout(1, custom);
    EXPECT_EQ(keypad.Caption(LayoutKey(3)), "pv");
    EXPECT_EQ(keypad.Caption(LayoutKey(11)), "efr");
    EXPECT_EQ(keypad.Caption(LayoutKey(15)), "apr");
    EXPECT_EQ(keypad.Caption(LayoutKey(16)), "ln");
    keypad.ApplyKeypadLayout(2, custom);
    EXPECT_EQ(keypad.Caption(LayoutKey(3)), "Sinh");
    keypad.ApplyKeypadLayout(0, custom);
    EXPECT_EQ(keypad.Caption(LayoutKey(3)), "sin");
}

TEST(KeypadCaptions, ExponentKeyFollowsTheBaseAndTheMathList) {
    Keypad keypad;
    keypad.SetExponentKeyForBase(16);
    EXPECT_EQ(keypad.Caption(kExponentKeyId), "#");
    // Finance keeps its own "E" until the base is set again.
    keypad.ApplyKeypadLayout(1, MathKeyCaptions());
    EXPECT_EQ(keypad.Caption(kExponentKeyId), "E");
    // Back to Math: the changed Math list shows "#".
    keypad.ApplyKeypadLayout(0, MathKeyCaptions());
    EXPECT_EQ(keypad.Caption(kExponentKeyId), "#");
    keypad.SetExponentKeyForBase(10);
    EXPECT_EQ(keypad.Caption(kExponentKeyId), "E");
    keypad.SetExponentKeyForBase(11);
    EXPECT_EQ(keypad.MathCaptions()[kExponentLayoutPosition], "#");
    // The custom captions are not touched.
    std::array<std::string, kCustomKeyCount> custom = MathKeyCaptions();
    keypad.ApplyKeypadLayout(2, custom);
    EXPECT_EQ(keypad.Caption(kExponentKeyId), "E");
}

TEST(KeypadCaptions, SeparatorsUnderACommaLocale) {
    Keypad keypad;
    keypad.SetSeparatorCaptions(',', ';');
    EXPECT_EQ(keypad.Caption(kDecimalSeparatorKeyId), ",");
    EXPECT_EQ(keypad.Caption(kArgumentSeparatorKeyId), ";");
    KeypadTestHost host;
    keypad.PressKey(10001, host);
    keypad.PressKey(kDecimalSeparatorKeyId, host);
    keypad.PressKey(10005, host);
    keypad.PressKey(kArgumentSeparatorKeyId, host);
    EXPECT_EQ(host.Typed(), "1,5;");
}

TEST(KeypadPress, FunctionKeyTypesParenthesesWithCaretInside) {
    Keypad keypad;
    KeypadTestHost host;
    keypad.PressKey(LayoutKey(0), host);  // fint
    EXPECT_EQ(host.Typed(), "fint()");
    EXPECT_EQ(host.display.CaretPosition(), 5);
    EXPECT_EQ(host.helpKeyword, "fint");
}

TEST(KeypadPress, NonFunctionKeysTypeTheirCaptionOnly) {
    Keypad keypad;
    KeypadTestHost host;
    for (int k : {12, 13, 14, 19, 18, 20, 2}) keypad.PressKey(LayoutKey(k), host);
    EXPECT_EQ(host.Typed(), "pixtyE=^2");
    EXPECT_EQ(host.helpKeyword, "");
}

TEST(KeypadPress, InvAndHypMakeArcsinhAndAreCleared) {
    Keypad keypad;
    KeypadTestHost host;
    keypad.SetInv(true);
    keypad.SetHyp(true);
    keypad.PressKey(LayoutKey(3), host);  // sin
    EXPECT_EQ(host.Typed(), "arcsinh()");
    EXPECT_EQ(host.display.CaretPosition(), 8);
    EXPECT_FALSE(keypad.inv());
    EXPECT_FALSE(keypad.hyp());
    EXPECT_EQ(host.helpKeyword, "arcsinh");
}

TEST(KeypadPress, InvSurvivesPiAndIsClearedByCos) {
    Keypad keypad;
    KeypadTestHost host;
    keypad.SetInv(true);
    keypad.PressKey(LayoutKey(12), host);  // pi
    EXPECT_TRUE(keypad.inv());
    keypad.PressKey(LayoutKey(4), host);  // cos
    EXPECT_FALSE(keypad.inv());
    EXPECT_EQ(host.Typed(), "piarccos()");
}

TEST(KeypadPress, HypAloneOnSecant) {
    Keypad keypad;
    KeypadTestHost host;
    keypad.SetHyp(true);
    keypad.PressKey(LayoutKey(10), host);  // sec
    EXPECT_EQ(host.Typed(), "sech()");
}

TEST(KeypadPress, CustomSinhIsTypedAsIs) {
    Keypad keypad;
    KeypadTestHost host;
    auto custom = MathKeyCaptions();
    custom[5] = "Sinh";
    keypad.ApplyKeypadLayout(2, custom);
    keypad.SetInv(true);
    keypad.PressKey(LayoutKey(5), host);
    EXPECT_EQ(host.Typed(), "Sinh");
    EXPECT_TRUE(keypad.inv());  // not one of the six trigonometric names
    EXPECT_EQ(host.helpKeyword, "");
}

TEST(KeypadPress, CustomUserFunctionGetsParentheses) {
    Keypad keypad;
    KeypadTestHost host;
    host.userFunctions.push_back({"Hyp3", 2, 2, "a, b", "Hypotenuse", "sqrt(a^2+b^2)"});
    auto custom = MathKeyCaptions();
    custom[0] = "hyp3";
    keypad.ApplyKeypadLayout(2, custom);
    keypad.PressKey(LayoutKey(0), host);
    EXPECT_EQ(host.Typed(), "hyp3()");
}

TEST(KeypadPress, FinanceKeysInsertFinanceCalls) {
    Keypad keypad;
    KeypadTestHost host;
    keypad.ApplyKeypadLayout(1, MathKeyCaptions());
    keypad.PressKey(LayoutKey(3), host);
    EXPECT_EQ(host.Typed(), "pv()");
}

TEST(KeypadPress, CommandKeys) {
    Keypad keypad;
    KeypadTestHost host;
    host.display.SetText("12");
    keypad.PressKey(kAnsKeyId, host);
    keypad.PressKey(kBackspaceKeyId, host);
    EXPECT_EQ(host.Typed(), "12AN");
    keypad.PressKey(kExeKeyId, host);
    EXPECT_EQ(host.evaluations, 1);
    keypad.PressKey(kClearKeyId, host);
    EXPECT_EQ(host.clearEntries, 1);
    keypad.PressKey(kConvKeyId, host);
    keypad.PressKey(kFuncKeyId, host);
    keypad.PressKey(kConstKeyId, host);
    ASSERT_EQ(host.menusOpened.size(), 3u);
    EXPECT_EQ(host.menusOpened[0], CatalogueMenuKind::Conversions);
    EXPECT_EQ(host.menusOpened[1], CatalogueMenuKind::Functions);
    EXPECT_EQ(host.menusOpened[2], CatalogueMenuKind::Constants);
    EXPECT_EQ(host.tips.counter(), 3);  // each menu key showed a tip
    EXPECT_EQ(host.helpLine, "  Press F1 for Help");
}

TEST(KeypadClasses, ColourAndFontClassesDifferOnlyForExe) {
    EXPECT_EQ(KeyColourClass(kExeKeyId), KeyClass::Operator);
    EXPECT_EQ(KeyFontClass(kExeKeyId), KeyClass::Number);
    EXPECT_EQ(KeyColourClass(kAnsKeyId), KeyClass::Number);
    EXPECT_EQ(KeyColourClass(10009), KeyClass::Number);
    EXPECT_EQ(KeyColourClass(10010), KeyClass::Operator);
    EXPECT_EQ(KeyFontClass(10017), KeyClass::Operator);
    EXPECT_EQ(KeyColourClass(10018), KeyClass::Function);
    EXPECT_EQ(KeyFontClass(10041), KeyClass::Function);
}

TEST(KeypadFontsAndColours, SizesBecomePixelHeights) {
    Settings settings;
    const KeypadFonts fonts = MakeKeypadFonts(settings, 96);
    EXPECT_EQ(fonts.number.height, -13);    // 10 pt
    EXPECT_EQ(fonts.operators.height, -17); // 13 pt
    EXPECT_EQ(fonts.function.height, -10);  // 8 pt
    EXPECT_EQ(fonts.number.faceName, settings.keypadFont.faceName);
    EXPECT_EQ(&KeyFont(fonts, kExeKeyId), &fonts.number);
    EXPECT_EQ(&KeyFont(fonts, 10012), &fonts.operators);
    EXPECT_EQ(KeyCaptionColour(settings, kExeKeyId), 0xFFFFu);
    EXPECT_EQ(KeyCaptionColour(settings, 10003), 0xFFu);
    EXPECT_EQ(KeyCaptionColour(settings, kFuncKeyId), 0xFF0000u);
}

TEST(KeypadFontsAndColours, HugeStoredSizesSaturateTheHeight) {
    Settings settings;
    settings.numberSize = std::numeric_limits<std::int32_t>::max();
    settings.operatorSize = std::numeric_limits<std::int32_t>::min();
    settings.functionSize = 0;
    const KeypadFonts fonts = MakeKeypadFonts(settings, 96);
    EXPECT_EQ(fonts.number.height, -std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(fonts.operators.height, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(fonts.function.height, 0);
    EXPECT_EQ(FontHeightForPoints(96, 1000000), -1333333);
}

TEST(KeypadDrawing, CaptionCentredAndShiftedWhenPressed) {
    const CaptionOrigin up = KeyCaptionOrigin(41, 20, 10, 7, false, 2, 2);
    EXPECT_EQ(up.x, 15);
    EXPECT_EQ(up.y, 6);
    const CaptionOrigin down = KeyCaptionOrigin(41, 20, 10, 7, true, 2, 3);
    EXPECT_EQ(down.x, 17);
    EXPECT_EQ(down.y, 9);
}

TEST(KeypadArrangement, EveryKeyPlacedOnce) {
    std::set<int> ids;
    for (const KeyPlacement& key : KeyArrangement()) {
        EXPECT_TRUE(IsKeyId(key.id)) << key.id;
        EXPECT_TRUE(ids.insert(key.id).second) << key.id;
        EXPECT_GE(key.row, 2);
        EXPECT_LE(key.row, 10);
    }
    EXPECT_EQ(ids.size(), 48u);
}

TEST(CustomKeys, ChangeReplacesTheSelectedCaptionTrimmed) {
    auto captions = MathKeyCaptions();
    CustomKeysEditor editor(captions);
    editor.Select(4);
    EXPECT_EQ(editor.editText, "");  // selecting does not fill the field
    editor.editText = "  fsum  ";
    EXPECT_TRUE(editor.Change());
    EXPECT_EQ(captions[4], "fsum");
}

TEST(CustomKeys, ChangeRefusesBlankTextOrNoSelection) {
    auto captions = MathKeyCaptions();
    CustomKeysEditor editor(captions);
    editor.editText = "abc";
    EXPECT_FALSE(editor.Change());
    editor.Select(2);
    editor.editText = "   ";
    EXPECT_FALSE(editor.Change());
    editor.editText = "";
    EXPECT_FALSE(editor.Change());
    editor.Select(21);  // out of range selects nothing
    editor.editText = "x";
    EXPECT_FALSE(editor.Change());
    EXPECT_EQ(captions, MathKeyCaptions());
}

TEST(CustomKeys, DefineCustomSwitchesLayoutEvenWithoutChanges) {
    Settings settings;
    Keypad keypad;
    settings.customKeys[3] = "cosh";
    int dialogRuns = 0;
    DefineCustomKeys(settings, keypad, [&](auto&) { ++dialogRuns; });
    EXPECT_EQ(dialogRuns, 1);
    EXPECT_EQ(settings.mode, 2);
    EXPECT_EQ(keypad.Caption(LayoutKey(3)), "cosh");
}

}  // namespace
}  // namespace quorvix
