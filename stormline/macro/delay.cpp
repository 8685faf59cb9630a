#include "stormline/macro/delay.h"

namespace macro {

std::u16string delayText(unsigned units) {
    // Tenths of a second are exact in whole numbers, so no floating point rounding is needed.
    std::u16string text;
    for (const char digit : std::to_string(units / 10)) {
        text += static_cast<char16_t>(digit);
    }
    text += u'.';
    text += static_cast<char16_t>(u'0' + units % 10);
    return text;
}

}  // namespace macro
