#include "calculator/KeypadKeys.h"

namespace quorvix {

KeyClass KeyColourClass(int keyId) {
    if (keyId == kExeKeyId) return KeyClass::Operator;
    if (keyId >= kFirstOperatorKeyId && keyId <= kLastOperatorKeyId) return KeyClass::Operator;
    if (keyId >= kFirstLayoutKeyId) return KeyClass::Function;
    return KeyClass::Number;
}

KeyClass KeyFontClass(int keyId) {
    if (keyId >= kFirstOperatorKeyId && keyId <= kLastOperatorKeyId) return KeyClass::Operator;
    if (keyId >= kFirstLayoutKeyId) return KeyClass::Function;
    return KeyClass::Number;
}

const std::array<std::string, kLayoutKeyCount>& FinanceKeyCaptions() {
    static const std::array<std::string, kLayoutKeyCount> captions = {
        "fint", "fdiff", "^2", "pv", "fv", "pmt", "fzero", "sqrt", "^3", "rate", "nper",
        "efr",  "pi",    "x",  "t",  "apr", "ln", "exp",   "E",    "y",  "="};
    return captions;
}

const std::array<KeyPlacement, kKeyCount>& KeyArrangement() {
    static const std::array<KeyPlacement, kKeyCount> arrangement = [] {
        std::array<KeyPlacement, kKeyCount> keys{};
        int n = 0;
        // Rows 2..4: the first 18 layout keys, six per row.
        for (int k = 0; k < 18; ++k) keys[n++] = {kFirstLayoutKeyId + k, 2 + k / 6, k % 6, 1};
        // Row 5: the last three layout keys, then const, conv, func.
        for (int k = 18; k < 21; ++k) keys[n++] = {kFirstLayoutKeyId + k, 5, k - 18, 1};
        keys[n++] = {kConstKeyId, 5, 3, 1};
        keys[n++] = {kConvKeyId, 5, 4, 1};
        keys[n++] = {kFuncKeyId, 5, 5, 1};
        const int d = kDigitZeroKeyId;
        const int rows[4][5] = {
            {d + 7, d + 8, d + 9, kFirstOperatorKeyId + 6, kFirstOperatorKeyId + 7},  // 7 8 9 ( )
            {d + 4, d + 5, d + 6, kFirstOperatorKeyId + 2, kFirstOperatorKeyId + 3},  // 4 5 6 + -
            {d + 1, d + 2, d + 3, kFirstOperatorKeyId + 0, kFirstOperatorKeyId + 1},  // 1 2 3 * /
            {d + 0, kDecimalSeparatorKeyId, kArgumentSeparatorKeyId,
             kFirstOperatorKeyId + 4, kFirstOperatorKeyId + 5},                      // 0 . , ^ %
        };
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 5; ++c) keys[n++] = {rows[r][c], 6 + r, c, 1};
        keys[n++] = {kAnsKeyId, 10, 0, 1};
        keys[n++] = {kBackspaceKeyId, 10, 1, 1};
        keys[n++] = {kClearKeyId, 10, 2, 1};
        keys[n++] = {kExeKeyId, 10, 3, 2};
        return keys;
    }();
    return arrangement;
}

}  // namespace quorvix
