#include "keylink/read_operation.h"

#include "keylink/matching_rules.h"

namespace keylink {

void startMatchingReaders(HidDeviceList& list, std::uint32_t usagePage, std::uint32_t usage) {
    int handedOver = 0;
    for (std::int32_t position = 0; position < list.count(); ++position) {
        if (handedOver == MaxReadersPerCall)
            break;
        if (!matchesReaderCollection(*list.record(position), usagePage, usage))
            continue;
        // A record the reader could not be started for still counts towards the ten.
        list.startReader(position);
        ++handedOver;
    }
}

}  // namespace keylink
