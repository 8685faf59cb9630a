// Any byte string handed over as a raw input must parse to a defined result, and building the
// owner's report block or key word from it must stay inside the input.

#include <cstddef>
#include <cstdint>
#include <span>
#include <variant>

#include "rawtap/message_payloads.h"
#include "rawtap/raw_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const rawtap::RawInput input = rawtap::parseRawInput(std::span(data, size));
    if (const auto* hid = std::get_if<rawtap::HidInput>(&input)) {
        volatile auto first = rawtap::firstReportBlock(*hid)[0];
        (void)first;
    } else if (const auto* key = std::get_if<rawtap::KeyboardInput>(&input)) {
        volatile auto word = rawtap::rawKeyLParam(*key);
        (void)word;
    }
    return 0;
}
