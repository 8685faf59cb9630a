// A skin file can be anything: reading it as INI text, and turning its values into skin
// elements, must give a defined result for every input.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "forms/ini_text.h"
#include "forms/skin.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const forms::IniText ini = forms::IniText::parse(text);
    // No pictures: the folder does not exist, so only names and colours are read.
    const forms::Skin skin = forms::Skin::fromIni(ini, "/nonexistent-skin-folder");
    for (const auto& [name, section] : ini.sections()) {
        volatile const void* element = skin.find(name);
        (void)element;
        for (const auto& [key, value] : section) {
            volatile bool colour = forms::parseHexColour(value).has_value();
            (void)colour;
        }
    }
    return 0;
}
