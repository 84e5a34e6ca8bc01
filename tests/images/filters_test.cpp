// The row filters against a plain byte-by-byte rendering of their definition,
// on random rows of every pixel size and length, so that the fast paths (whole
// words, vector registers) are checked byte for byte.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <vector>

#include "images/PngFilters.h"

namespace taramel {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Reference(int filter, Bytes& row, const Bytes* prev, int bpp)
{
    for (std::size_t i = 0; i < row.size(); ++i) {
        const int a = i >= static_cast<std::size_t>(bpp) ? row[i - bpp] : 0;
        const int b = prev ? (*prev)[i] : 0;
        const int c = prev && i >= static_cast<std::size_t>(bpp) ? (*prev)[i - bpp] : 0;
        int predictor = 0;
        switch (filter) {
        case 1: predictor = a; break;
        case 2: predictor = b; break;
        case 3: predictor = (a + b) / 2; break;
        case 4: {
            const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
            predictor = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
            break;
        }
        default: break;
        }
        row[i] = static_cast<std::uint8_t>(row[i] + predictor);
    }
}

TEST(PngFilters, MatchTheirDefinitionOnRandomRows)
{
    std::mt19937 gen(11);
    for (int bpp : {1, 2, 3, 4, 6, 8})
        for (std::size_t pixels : {1u, 2u, 5u, 17u, 64u})
            for (int filter = 0; filter <= 4; ++filter)
                for (bool first : {true, false}) {
                    const std::size_t n = pixels * bpp;
                    Bytes prev(n), row(n);
                    for (auto& v : prev)
                        v = static_cast<std::uint8_t>(gen());
                    for (auto& v : row)
                        v = static_cast<std::uint8_t>(gen());
                    Bytes expected = row;
                    Reference(filter, expected, first ? nullptr : &prev, bpp);
                    ASSERT_TRUE(UnfilterRow(static_cast<std::uint8_t>(filter), row.data(),
                                            first ? nullptr : prev.data(), n, bpp));
                    ASSERT_EQ(row, expected) << "bpp " << bpp << " pixels " << pixels << " filter " << filter
                                             << (first ? " first row" : "");
                }
}

TEST(PngFilters, FilterByteAboveFourIsRefused)
{
    Bytes row = {1, 2, 3};
    EXPECT_FALSE(UnfilterRow(5, row.data(), nullptr, row.size(), 1));
    EXPECT_FALSE(UnfilterRow(255, row.data(), nullptr, row.size(), 1));
    EXPECT_EQ(row, (Bytes{1, 2, 3}));
}

}  // namespace
}  // namespace taramel
