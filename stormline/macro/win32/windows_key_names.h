#pragma once
// Key names from the keyboard layout in use, through the system's wide key-name function.

#include <cstdint>
#include <string>

#include "stormline/macro/key_names.h"

namespace macro {

class WindowsKeyNames final : public KeyNames {
  public:
    std::u16string nameOf(std::uint32_t keyMessageWord) override;
};

}  // namespace macro
