#pragma once
// The controls of the keypad by id: 48 keys (9994..10041), the Inv and Hyp
// check boxes and the two indicators, with each key's caption class.

#include <array>
#include <string>

namespace quorvix {

inline constexpr int kKeypadFrameId = 9989;
inline constexpr int kBaseIndicatorId = 9990;
inline constexpr int kAngleIndicatorId = 9991;
inline constexpr int kInvCheckBoxId = 9992;
inline constexpr int kHypCheckBoxId = 9993;

inline constexpr int kExeKeyId = 9994;
inline constexpr int kAnsKeyId = 9995;
inline constexpr int kBackspaceKeyId = 9996;
inline constexpr int kClearKeyId = 9997;
inline constexpr int kArgumentSeparatorKeyId = 9998;
inline constexpr int kDecimalSeparatorKeyId = 9999;
inline constexpr int kDigitZeroKeyId = 10000;
inline constexpr int kFirstOperatorKeyId = 10010;  // * / + - ^ % ( )
inline constexpr int kLastOperatorKeyId = 10017;
inline constexpr int kFirstLayoutKeyId = 10018;    // 21 keys whose captions follow the layout
inline constexpr int kLastLayoutKeyId = 10038;
inline constexpr int kExponentKeyId = 10036;       // layout position 18
inline constexpr int kConstKeyId = 10039;
inline constexpr int kConvKeyId = 10040;
inline constexpr int kFuncKeyId = 10041;

inline constexpr int kFirstKeyId = kExeKeyId;
inline constexpr int kLastKeyId = kFuncKeyId;
inline constexpr int kKeyCount = kLastKeyId - kFirstKeyId + 1;  // 48
inline constexpr int kLayoutKeyCount = kLastLayoutKeyId - kFirstLayoutKeyId + 1;  // 21
inline constexpr int kExponentLayoutPosition = kExponentKeyId - kFirstLayoutKeyId;

// The three classes of keys, each with its own caption colour and size.
enum class KeyClass { Number, Operator, Function };

// Class whose colour the key's caption is drawn in (EXE: operator).
KeyClass KeyColourClass(int keyId);
// Class whose font the key uses (EXE: number).
KeyClass KeyFontClass(int keyId);

bool IsKeyId(int id);
bool IsLayoutKeyId(int id);

// The keypad layouts, stored as the setting "Mode".
enum class KeypadLayout { Math = 0, Finance = 1, Custom = 2 };

const std::array<std::string, kLayoutKeyCount>& FinanceKeyCaptions();

// Where a key sits: rows 2..5 hold six small keys, rows 6..10 five large
// ones; EXE spans two columns. Row 1 holds the indicators and check boxes.
struct KeyPlacement {
    int id;
    int row;
    int column;
    int columnSpan;
};
inline constexpr int kSmallKeyWidth = 27, kSmallKeyHeight = 12;  // dialog units
inline constexpr int kLargeKeyWidth = 31, kLargeKeyHeight = 15;
const std::array<KeyPlacement, kKeyCount>& KeyArrangement();

}  // namespace quorvix
