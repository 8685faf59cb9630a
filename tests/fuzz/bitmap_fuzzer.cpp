// A picture file of the installation can be anything: the reader must refuse what it cannot
// decode, and a decoded picture must hold exactly the pixels its size says.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "forms/bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bitmap = forms::decodeBmp(std::span(data, size));
    if (!bitmap || bitmap->empty())
        return 0;
    if (bitmap->width() > forms::MaxBitmapSide || bitmap->height() > forms::MaxBitmapSide)
        std::abort();
    volatile auto corner = bitmap->at(bitmap->width() - 1, bitmap->height() - 1);
    (void)corner;
    return 0;
}
