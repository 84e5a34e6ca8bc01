// Icon files (.ico) as items of an alpha image list: the directory read and
// checked, and the one image that suits a list size chosen, so that only
// bytes inside the file ever reach the system's icon maker.
#pragma once

#include <cstddef>
#include <cstdint>

namespace taramel {

inline constexpr const char* kBadIconFile = "The icon file is damaged";

// One image of the file: its bytes (a BMP without its file header, or PNG)
// inside the given data, and its size as the directory states it.
struct TIconFileImage {
    const std::uint8_t* Data = nullptr;
    std::size_t Size = 0;
    int Width = 0;
    int Height = 0;
    int BitCount = 0;
};

// The image closest to width x height (the exact size first, then the
// smallest larger one, then the largest smaller one), most bits per pixel
// among equals. Throws taramel::Exception kBadIconFile for a file that is not
// an icon file, has no image, or states an image outside its bytes, and when
// the chosen BMP image's header asks for more pixel and mask rows than its
// bytes hold.
TIconFileImage ChooseIconImage(const std::uint8_t* data, std::size_t size, int width, int height);

}  // namespace taramel
