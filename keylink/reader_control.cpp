// Starting and stopping the readers of the device list. Everything here runs on the thread that
// owns the list; a reader thread only ever sees its own context.

#include "keylink/hid_device_list.h"

namespace keylink {

bool HidDeviceList::readerRunning(std::int32_t position) const {
    if (position < 0 || position >= ReaderSlotCount)
        return false;
    return readerSlots_[position].running();
}

void HidDeviceList::forgetReader(ReaderSlot& slot) {
    if (slot.context)
        slot.context->stopFlag.store(1);
    slot.context.reset();
    if (slot.thread != NoHandle)
        readers_.releaseThread(slot.thread);
    slot.thread = NoHandle;
}

bool HidDeviceList::startReader(std::int32_t position) {
    HidDeviceRecord* found = mutableRecord(position);
    // Only the first thirty positions have a slot to keep a reader in.
    if (!found || position >= ReaderSlotCount)
        return false;
    ReaderSlot& slot = readerSlots_[position];
    if (slot.running())
        return true;
    // A reader that ended by itself leaves its slot to be reused.
    forgetReader(slot);

    if (!found->isOpen() && !openRecord(position, OpenMode::Read))
        return false;
    if (found->notifyHandle == 0) {
        found->notifyHandle = host_.registerHandleNotification(found->handle);
    }

    OsHandle ownHandle = stack_.duplicateHandle(found->handle);
    if (ownHandle == NoHandle || ownHandle == InvalidHandle)
        return false;
    auto context = std::make_shared<ReaderContext>(position, ownHandle);
    OsHandle thread = readers_.startThread(
        [context, &stack = stack_, &host = readers_] { return runReader(*context, stack, host); });
    if (thread == NoHandle) {
        stack_.closeHandle(ownHandle);
        return false;
    }
    slot.context = std::move(context);
    slot.thread = thread;
    return true;
}

void HidDeviceList::stopReader(std::int32_t position) {
    HidDeviceRecord* found = mutableRecord(position);
    if (!found || !found->isOpen())
        return;
    // The reader notices its flag within one alertable sleep and cleans up after itself;
    // waiting for it here could block a relay that waits for this very thread.
    if (position < ReaderSlotCount)
        forgetReader(readerSlots_[position]);
    if (found->notifyHandle != 0)
        host_.unregisterDeviceNotification(found->notifyHandle);
    found->notifyHandle = 0;
    closeRecord(position);
}

void HidDeviceList::stopAllReaders() {
    for (std::int32_t position = 0; position < count(); ++position)
        stopReader(position);
}

void HidDeviceList::releaseAll() {
    stopAllReaders();
    for (std::int32_t position = 0; position < count(); ++position)
        closeRecord(position);
}

}  // namespace keylink
