// Every file of the PNG test suite decoded by the reader and by libpng: each
// pixel must agree after the conversions the reader makes (16-bit samples
// times 255 div 65535, grey levels through grey palettes, the alpha of grey
// images dropped, gAMA against a display gamma of 2.2).
#include <gtest/gtest.h>
#include <png.h>

#include <cmath>
#include <csetjmp>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "images/PngReader.h"

namespace taramel {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Reference {
    int width = 0, height = 0, depth = 0, colorType = 0;
    double gamma = 0;  // 0: none
    std::vector<png_color> palette;
    std::vector<Bytes> rows;  // samples unpacked to one per byte (16-bit: two, big-endian)
};

Reference DecodeWithLibpng(const std::string& path)
{
    Reference r;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return r;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        std::fclose(f);
        return Reference{};
    }
    png_init_io(png, f);
    png_read_info(png, info);
    r.width = static_cast<int>(png_get_image_width(png, info));
    r.height = static_cast<int>(png_get_image_height(png, info));
    r.depth = png_get_bit_depth(png, info);
    r.colorType = png_get_color_type(png, info);
    double g = 0;
    if (png_get_gAMA(png, info, &g))
        r.gamma = g;
    png_colorp plte = nullptr;
    int count = 0;
    if (png_get_PLTE(png, info, &plte, &count))
        r.palette.assign(plte, plte + count);
    if (r.depth < 8)
        png_set_packing(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const std::size_t rowBytes = png_get_rowbytes(png, info);
    r.rows.assign(static_cast<std::size_t>(r.height), Bytes(rowBytes));
    std::vector<png_bytep> pointers;
    for (Bytes& row : r.rows)
        pointers.push_back(row.data());
    png_read_image(png, pointers.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(f);
    return r;
}

class Expectation {
public:
    explicit Expectation(const Reference& r) : r_(r)
    {
        for (int i = 0; i < 256; ++i)
            gamma_[i] = r.gamma > 0 ? static_cast<std::uint8_t>(std::lround(std::pow(i / 255.0, 1.0 / (r.gamma * 2.2)) * 255.0))
                                    : static_cast<std::uint8_t>(i);
    }

    // Sample k of pixel x brought to 8 bits: 16-bit ones times 255 div 65535,
    // lower depths spread over 0..255 as the grey palettes do.
    std::uint8_t Sample8(int x, int y, int k, int samples) const
    {
        const Bytes& row = r_.rows[static_cast<std::size_t>(y)];
        if (r_.depth == 16) {
            const std::size_t at = 2 * (static_cast<std::size_t>(x) * samples + k);
            return static_cast<std::uint8_t>((row[at] << 8 | row[at + 1]) * 255 / 65535);
        }
        const int v = row[static_cast<std::size_t>(x) * samples + k];
        return static_cast<std::uint8_t>(r_.depth == 8 ? v : v * 255 / ((1 << r_.depth) - 1));
    }

    std::uint32_t Color(int x, int y) const
    {
        auto rgb = [&](int r, int g, int b) {
            return static_cast<std::uint32_t>(gamma_[r] | gamma_[g] << 8 | gamma_[b] << 16);
        };
        switch (r_.colorType) {
        case PNG_COLOR_TYPE_GRAY: {
            const int v = Sample8(x, y, 0, 1);
            return rgb(v, v, v);
        }
        case PNG_COLOR_TYPE_GRAY_ALPHA: {
            const int v = Sample8(x, y, 0, 2);
            return rgb(v, v, v);
        }
        case PNG_COLOR_TYPE_PALETTE: {
            const png_color c = r_.palette.at(r_.rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]);
            return rgb(c.red, c.green, c.blue);
        }
        case PNG_COLOR_TYPE_RGB: return rgb(Sample8(x, y, 0, 3), Sample8(x, y, 1, 3), Sample8(x, y, 2, 3));
        default: return rgb(Sample8(x, y, 0, 4), Sample8(x, y, 1, 4), Sample8(x, y, 2, 4));
        }
    }

    std::uint8_t Alpha(int x, int y) const { return Sample8(x, y, 3, 4); }

private:
    const Reference& r_;
    std::uint8_t gamma_[256];
};

Bytes ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(PngAgainstLibpng, EveryPixelOfTheSuite)
{
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(TARAMEL_PNGSUITE)) {
        if (e.path().extension() != ".png")
            continue;
        const std::string name = e.path().filename().string();
        const Reference ref = DecodeWithLibpng(e.path().string());
        ASSERT_GT(ref.width, 0) << name;
        const Bytes data = ReadFile(e.path());
        TPNGGraphic image;
        LoadPngFromMemory(data.data(), data.size(), image);
        ASSERT_EQ(image.Width(), ref.width) << name;
        ASSERT_EQ(image.Height(), ref.height) << name;
        const Expectation expect(ref);
        int wrong = 0;
        for (int y = 0; y < ref.height; ++y)
            for (int x = 0; x < ref.width; ++x) {
                if (image.PixelColor(x, y) != expect.Color(x, y) && wrong++ < 3)
                    ADD_FAILURE() << name << " (" << x << "," << y << "): " << std::hex << image.PixelColor(x, y)
                                  << " expected " << expect.Color(x, y);
                if (ref.colorType == PNG_COLOR_TYPE_RGB_ALPHA && image.ScanLine(y)[4 * x + 3] != expect.Alpha(x, y) &&
                    wrong++ < 3)
                    ADD_FAILURE() << name << " alpha at (" << x << "," << y << ")";
            }
        EXPECT_EQ(wrong, 0) << name;
        EXPECT_EQ(image.FileGamma(), ref.gamma > 0 ? ref.gamma : 1.0) << name;
        ++files;
    }
    EXPECT_EQ(files, 60);
}

}  // namespace
}  // namespace taramel
