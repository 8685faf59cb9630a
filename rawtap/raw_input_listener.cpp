#include "rawtap/raw_input_listener.h"

#include <memory>
#include <new>
#include <type_traits>

#include "rawtap/message_payloads.h"
#include "rawtap/raw_input.h"

namespace rawtap {

RawInputListener::RawInputListener(RawInputSource& source, OwnerWindow& owner,
                                   InputErrorBox& errorBox)
    : source_(source), owner_(owner), errorBox_(errorBox) {}

void RawInputListener::onRawInput(InputHandle input) {
    const std::optional<std::uint32_t> size = source_.inputSize(input);
    if (!size || *size == 0)
        return;

    // One allocation per input, released on every way out of here.
    const std::unique_ptr<std::uint8_t[]> buffer(new (std::nothrow) std::uint8_t[*size]);
    if (!buffer)
        return;
    const std::span<std::uint8_t> bytes(buffer.get(), *size);

    if (source_.readInput(input, bytes) != *size) {
        reportInputError();
        return;
    }
    dispatch(bytes);
}

void RawInputListener::reportInputError() {
    // The box's loop dispatches further input; a second failure meanwhile must not stack boxes.
    if (errorBoxOpen_)
        return;
    errorBoxOpen_ = true;
    errorBox_.show();
    errorBoxOpen_ = false;
}

void RawInputListener::dispatch(std::span<const std::uint8_t> bytes) {
    // No filtering by vendor or product: the owner tells devices apart by the information block.
    std::visit(
        [this](const auto& parsed) {
            using Kind = std::decay_t<decltype(parsed)>;
            if constexpr (std::is_same_v<Kind, HidInput>) {
                if (const std::optional<RawReportInfo> info = source_.deviceInfo(parsed.device)) {
                    owner_.sendRawReport(encodeRawReportInfo(*info), firstReportBlock(parsed));
                }
            } else if constexpr (std::is_same_v<Kind, KeyboardInput>) {
                owner_.sendRawKey(rawKeyLParam(parsed));
            }
        },
        parseRawInput(bytes));
}

}  // namespace rawtap
