#pragma once
// The application's one configuration model: the profile table, the launch path table brought
// in by file loads, and the selection the main window and the macro editor share. Every editing
// action writes here; the device image, the transfers and the files copy from and into it.

#include <cstdint>
#include <span>
#include <string_view>

#include "common/profile_layout.h"
#include "stormline/core/key_record.h"

namespace core {

class ConfigurationModel {
  public:
    // Gives every record its own key code, 0x98 + 10 * profile + key.
    void assignKeyCodes();

    // The profile every operation works on: a currentProfile of -1 (none chosen yet) or any
    // other value outside 0-3 is stored back as 0 first.
    int normaliseCurrentProfile();

    // The record of (profile, key), or nullptr outside the table.
    KeyRecord* findRecord(int profile, int key);
    const KeyRecord* findRecord(int profile, int key) const;

    // Bytes 0-40 of keyData. Outside the table keyBlock gives an all-zero block and
    // setKeyBlock refuses (false) and changes nothing.
    common::KeyBlock keyBlock(int profile, int key) const;
    bool setKeyBlock(int profile, int key,
                     std::span<const std::uint8_t, common::KeyBlockSize> bytes);

    // The editing operations. Each refuses (false, nothing changed) a key outside the table.
    // An editing shortcut Ctrl+letter, codes Cut-Save; other codes are refused. Bytes 8-39 are
    // left as they were.
    bool assignShortcut(int profile, int key, std::int32_t code);
    // Launch of a program: the key reports its own code. Bytes 4-39 are left as they were. A
    // path that does not fit launchPath is refused rather than cut. The path also goes into the
    // launch path table, so that an upload after a file load writes the newest choice.
    bool assignLaunch(int profile, int key, std::u16string_view path);
    // Writes the launch sequence of the record's own key code into bytes 0-3 and the fixed
    // sequence mode, leaving name, function and path alone: the upload does this for launch keys
    // loaded from a file, whose blocks carry the codes of the profile they were saved from.
    bool rebuildLaunchBlock(int profile, int key);
    // A recorded macro from the macro editor: its event slots and repeat mode.
    bool assignMacro(int profile, int key,
                     std::span<const std::uint8_t, common::KeyBlockSize> block);
    // Function 0, names blanked to spaces of the same length, key blocks all zero (mode byte
    // included); launch paths and key codes stay. A profile outside 0-3 changes nothing.
    void clearProfile(int profile);
    void clearAll();

    // Rederives the function codes of all forty records from their key blocks after a
    // download. It never sets a code to 0 and never touches names or launch paths.
    void classifyFromKeyBlocks();

    ProfileTable profileTable;
    LaunchPathTable launchPathTable;
    // -1 means no profile chosen yet; normaliseCurrentProfile() turns it into 0.
    std::int16_t currentProfile = 0;
    // The key whose function menu was opened last.
    std::int16_t currentKey = 0;
    // Set by the file loads, cleared by the upload.
    bool fileLoaded = false;
};

}  // namespace core
