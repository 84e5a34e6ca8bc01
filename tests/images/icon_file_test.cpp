// Icon files as image-list items: the image chosen for a list size, and
// damaged directories refused before any byte outside the file is read.
#include <gtest/gtest.h>

#include <vector>

#include "base/Exception.h"
#include "images/IconFile.h"

namespace taramel {
namespace {

struct Entry {
    int width, height, bits;
};

std::size_t RowBytes(int width, int bits) { return static_cast<std::size_t>((width * bits + 31) / 32 * 4); }

// A whole BMP image of an icon: header, palette, colour rows, mask rows.
std::vector<std::uint8_t> BmpImage(const Entry& e)
{
    std::vector<std::uint8_t> image(40, 0);
    auto put32 = [&image](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            image[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    put32(0, 40);
    put32(4, static_cast<std::uint32_t>(e.width));
    put32(8, static_cast<std::uint32_t>(2 * e.height));
    image[12] = 1;
    image[14] = static_cast<std::uint8_t>(e.bits);
    const std::size_t palette = e.bits <= 8 ? 4u << e.bits : 0;
    image.resize(40 + palette + (RowBytes(e.width, e.bits) + RowBytes(e.width, 1)) * static_cast<std::size_t>(e.height));
    return image;
}

// A directory of the entries followed by their images.
std::vector<std::uint8_t> IconFile(const std::vector<Entry>& entries)
{
    std::vector<std::uint8_t> f = {0, 0, 1, 0, static_cast<std::uint8_t>(entries.size()), 0};
    std::vector<std::vector<std::uint8_t>> images;
    for (const Entry& e : entries)
        images.push_back(BmpImage(e));
    std::size_t offset = 6 + 16 * entries.size();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Entry& e = entries[i];
        const std::size_t bytes = images[i].size();
        const std::uint8_t w = static_cast<std::uint8_t>(e.width == 256 ? 0 : e.width);
        const std::uint8_t h = static_cast<std::uint8_t>(e.height == 256 ? 0 : e.height);
        const std::uint8_t entry[16] = {w, h, 0, 0, 1, 0, static_cast<std::uint8_t>(e.bits), 0,
                                        static_cast<std::uint8_t>(bytes), static_cast<std::uint8_t>(bytes >> 8),
                                        static_cast<std::uint8_t>(bytes >> 16), 0, static_cast<std::uint8_t>(offset),
                                        static_cast<std::uint8_t>(offset >> 8), 0, 0};
        f.insert(f.end(), entry, entry + 16);
        offset += bytes;
    }
    for (const auto& image : images)
        f.insert(f.end(), image.begin(), image.end());
    return f;
}

TEST(IconFile, ChoosesTheImageThatSuitsTheListSize)
{
    const std::vector<Entry> entries = {{32, 32, 32}, {16, 16, 8}, {16, 16, 32}, {48, 48, 32}, {256, 256, 32}};
    const std::vector<std::uint8_t> file = IconFile(entries);
    struct Case {
        int width, height;
        int chosen;  // index of the entry
    };
    const Case cases[] = {
        {16, 16, 2},    // exact, the most bits
        {24, 24, 0},    // the smallest larger one
        {64, 64, 4},    // 256 is written as 0
        {300, 300, 4},  // nothing larger: the largest smaller one
        {8, 8, 2},
    };
    for (const Case& c : cases) {
        const TIconFileImage image = ChooseIconImage(file.data(), file.size(), c.width, c.height);
        const Entry& e = entries[static_cast<std::size_t>(c.chosen)];
        EXPECT_EQ(image.Width, e.width) << c.width;
        EXPECT_EQ(image.BitCount, e.bits) << c.width;
        EXPECT_EQ(image.Height, e.height) << c.width;
        EXPECT_EQ(image.Size, BmpImage(e).size()) << c.width;
    }
}

TEST(IconFile, DamagedFilesAreRefused)
{
    const std::vector<std::uint8_t> good = IconFile({{16, 16, 32}});
    struct Case {
        const char* what;
        std::vector<std::uint8_t> file;
    };
    std::vector<Case> cases = {
        {"empty", {}},
        {"a cursor file", good},
        {"no image", {0, 0, 1, 0, 0, 0}},
        {"directory cut", {good.begin(), good.begin() + 12}},
        {"image cut", {good.begin(), good.end() - 1}},
        {"offset beyond the file", good},
        {"an image of no bytes", good},
        {"a header asking for more rows than the image holds", good},
        {"a header of another kind", good},
    };
    cases[1].file[2] = 2;
    cases[5].file[6 + 13] = 0xF0;
    cases[6].file[6 + 8] = 0;
    cases[6].file[6 + 9] = 0;
    cases[7].file[22 + 8] = 64;  // 32 rows of colour and mask stated, 16 there
    cases[8].file[22 + 16] = 3;  // compressed
    for (const Case& c : cases)
        EXPECT_THROW(ChooseIconImage(c.file.data(), c.file.size(), 16, 16), Exception) << c.what;
    EXPECT_THROW(ChooseIconImage(nullptr, 10, 16, 16), Exception);
    EXPECT_NO_THROW(ChooseIconImage(good.data(), good.size(), 16, 16));
}

}  // namespace
}  // namespace taramel
