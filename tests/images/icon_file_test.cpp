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
    std::size_t bytes;
};

// A directory of the entries followed by each image's bytes (filled with its index).
std::vector<std::uint8_t> IconFile(const std::vector<Entry>& entries)
{
    std::vector<std::uint8_t> f = {0, 0, 1, 0, static_cast<std::uint8_t>(entries.size()), 0};
    std::size_t offset = 6 + 16 * entries.size();
    for (const Entry& e : entries) {
        const std::uint8_t w = static_cast<std::uint8_t>(e.width == 256 ? 0 : e.width);
        const std::uint8_t h = static_cast<std::uint8_t>(e.height == 256 ? 0 : e.height);
        const std::uint8_t entry[16] = {w, h, 0, 0, 1, 0, static_cast<std::uint8_t>(e.bits), 0,
                                        static_cast<std::uint8_t>(e.bytes), static_cast<std::uint8_t>(e.bytes >> 8),
                                        0, 0, static_cast<std::uint8_t>(offset),
                                        static_cast<std::uint8_t>(offset >> 8), 0, 0};
        f.insert(f.end(), entry, entry + 16);
        offset += e.bytes;
    }
    for (std::size_t i = 0; i < entries.size(); ++i)
        f.insert(f.end(), entries[i].bytes, static_cast<std::uint8_t>(i));
    return f;
}

TEST(IconFile, ChoosesTheImageThatSuitsTheListSize)
{
    const std::vector<Entry> entries = {{32, 32, 32, 40}, {16, 16, 8, 30}, {16, 16, 32, 50}, {48, 48, 32, 20},
                                        {256, 256, 32, 10}};
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
        EXPECT_EQ(image.Size, e.bytes) << c.width;
        EXPECT_EQ(image.Data[0], c.chosen) << c.width;
    }
}

TEST(IconFile, DamagedFilesAreRefused)
{
    const std::vector<std::uint8_t> good = IconFile({{16, 16, 32, 8}});
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
    };
    cases[1].file[2] = 2;
    cases[5].file[6 + 12] = 0xF0;
    cases[6].file[6 + 8] = 0;
    for (const Case& c : cases)
        EXPECT_THROW(ChooseIconImage(c.file.data(), c.file.size(), 16, 16), Exception) << c.what;
    EXPECT_THROW(ChooseIconImage(nullptr, 10, 16, 16), Exception);
}

}  // namespace
}  // namespace taramel
