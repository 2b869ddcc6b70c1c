#include <clocale>
#include <cstring>

#include "engine/Evaluator.h"

namespace quorvix {

namespace {
char decimalSeparator = '.';
char argumentSeparator = ',';
}  // namespace

char DecimalSeparator() { return decimalSeparator; }
char ArgumentSeparator() { return argumentSeparator; }

void SetSeparators(char decimal, char argument) {
    decimalSeparator = decimal == ',' ? ',' : '.';
    argumentSeparator = argument;
}

void InitSeparatorsFromLocale(const char* localeName) {
    std::setlocale(LC_ALL, localeName ? localeName : "");
    const std::lconv* conv = std::localeconv();
    const bool comma = conv && conv->decimal_point && std::strcmp(conv->decimal_point, ",") == 0;
    if (comma) SetSeparators(',', ';');
    else SetSeparators('.', ',');
}

}  // namespace quorvix
