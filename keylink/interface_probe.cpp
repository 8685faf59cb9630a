#include "keylink/interface_probe.h"

#include "keylink/hid_device_record.h"

namespace keylink {

InterfaceProbe probeInterface(DeviceStack& stack, std::string_view path) {
    if (path.empty() || path.size() >= PathCapacity)
        return {};
    // A path with a zero inside would open some other, shorter path.
    if (path.find('\0') != std::string_view::npos)
        return {};

    InterfaceProbe probe;
    probe.path.assign(path);
    OsHandle handle = stack.createFile(
        probe.path.c_str(), 0, sys::FileShareRead | sys::FileShareWrite, sys::OpenExisting, 0);
    if (handle == InvalidHandle || handle == NoHandle)
        return {};

    std::optional<PreparsedData> preparsed = stack.getPreparsedData(handle);
    std::optional<HidAttributes> attributes;
    std::optional<HidCaps> caps;
    if (preparsed) {
        attributes = stack.getAttributes(handle);
        if (attributes)
            caps = stack.getCaps(*preparsed);
        stack.freePreparsedData(*preparsed);
    }
    if (!caps) {
        stack.closeHandle(handle);
        return {};
    }

    probe.probeHandle = handle;
    probe.usagePage = caps->usagePage;
    probe.usage = caps->usage;
    probe.featureReportLength = caps->featureReportByteLength;
    probe.vendorId = attributes->vendorId;
    probe.productId = attributes->productId;
    return probe;
}

}  // namespace keylink
