#pragma once
// The keypad's keys by class, layout and place in the window. The ids of
// the keys, the Inv and Hyp check boxes and the indicators are in CommandIds.h.

#include <array>
#include <string>

#include "platform/CommandIds.h"

namespace quorvix {

inline constexpr int kLayoutKeyCount = kLastLayoutKeyId - kFirstLayoutKeyId + 1;  // 21
inline constexpr int kExponentLayoutPosition = kExponentKeyId - kFirstLayoutKeyId;

// The three classes of keys, each with its own caption colour and size.
enum class KeyClass { Number, Operator, Function };

// Class whose colour the key's caption is drawn in (EXE: operator).
KeyClass KeyColourClass(int keyId);
// Class whose font the key uses (EXE: number).
KeyClass KeyFontClass(int keyId);

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
