#include <gtest/gtest.h>

#include <string>

#include "images/ColorManager.h"
#include "images/Crc32.h"
#include "images/PngErrors.h"

namespace taramel {
namespace {

std::string PrepareMessage(TSampleFormat source, TSampleFormat target)
{
    TColorManager m;
    m.SetSourceFormat(source);
    m.SetTargetFormat(target);
    try {
        m.Prepare();
        return "";
    } catch (const EColorConversionError& e) {
        return e.what();
    }
}

TEST(ColorManager, RefusesImpossibleConversionsWithTheirReason)
{
    using S = TColorScheme;
    struct Case {
        TSampleFormat source, target;
        const char* message;
    };
    const Case cases[] = {
        {{S::csRGB, 8, 3}, {S::csBGR, 8, 3}, ""},
        {{S::csIndexed, 8, 1}, {S::csBGR, 8, 3},
         "Conversion between indexed and non-indexed pixel formats is not supported."},
        {{S::csG, 8, 1}, {S::csIndexed, 8, 1},
         "Conversion between indexed and non-indexed pixel formats is not supported."},
        {{S::csRGB, 3, 3}, {S::csBGR, 8, 3}, "Color depth is invalid. Bits per sample must be 1, 2, 4, 8 or 16."},
        {{S::csRGB, 8, 3}, {S::csBGR, 12, 3}, "Color depth is invalid. Bits per sample must be 1, 2, 4, 8 or 16."},
        {{S::csRGBA, 8, 3}, {S::csBGRA, 8, 4}, "Sample count per pixel does not correspond to the given color scheme."},
        {{S::csRGB, 8, 3}, {S::csBGRA, 8, 4}, "Color conversion failed. Could not find a proper method."},
        {{S::csIndexed, 4, 1}, {S::csIndexed, 1, 1}, "Color conversion failed. Could not find a proper method."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PrepareMessage(c.source, c.target), c.message);
}

TEST(ColorManager, ConvertsRowsWithoutPrepareRefused)
{
    TColorManager m;
    std::uint8_t in[3] = {1, 2, 3}, out[3] = {};
    EXPECT_THROW(m.ConvertRow(in, out, 1), EColorConversionError);
}

TEST(ColorManager, LittleEndianSixteenBitSamples)
{
    TColorManager m;
    m.SetSourceFormat({TColorScheme::csG, 16, 1});
    m.SetTargetFormat({TColorScheme::csG, 8, 1});
    m.SetSourceBigEndian(false);
    m.Prepare();
    const std::uint8_t in[4] = {0x00, 0x80, 0xFF, 0xFF};
    std::uint8_t out[2] = {};
    m.ConvertRow(in, out, 2);
    EXPECT_EQ(out[0], 127);
    EXPECT_EQ(out[1], 255);
}

TEST(ColorManager, IndexedTwoBitsExpandWithoutScaling)
{
    TColorManager m;
    m.SetSourceFormat({TColorScheme::csIndexed, 2, 1});
    m.SetTargetFormat({TColorScheme::csIndexed, 4, 1});
    m.Prepare();
    const std::uint8_t in[2] = {0x1B, 0xC0};  // 0 1 2 3 | 3
    std::uint8_t out[3] = {0xEE, 0xEE, 0xEE};
    m.ConvertRow(in, out, 5);
    EXPECT_EQ(out[0], 0x01);
    EXPECT_EQ(out[1], 0x23);
    EXPECT_EQ(out[2], 0x30);
}

TEST(Crc32, KnownValuesAndChaining)
{
    const std::string check = "123456789";
    const auto* p = reinterpret_cast<const std::uint8_t*>(check.data());
    EXPECT_EQ(UpdateCrc32(0, p, check.size()), 0xCBF43926u);
    EXPECT_EQ(UpdateCrc32(UpdateCrc32(0, p, 5), p + 5, 4), 0xCBF43926u);
    EXPECT_EQ(UpdateCrc32(0, p, 0), 0u);
    const std::uint8_t iend[4] = {'I', 'E', 'N', 'D'};
    EXPECT_EQ(UpdateCrc32(0, iend, 4), 0xAE426082u);
}

}  // namespace
}  // namespace taramel
