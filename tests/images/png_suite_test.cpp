// The reader against the PNG test suite: every file loads into the bitmap its
// colour type and depth call for, each interlaced file gives exactly the
// pixels of its plain twin, and damaged copies (flipped and truncated bytes)
// fail with one of the reader's messages and never crash.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "images/ImageListItems.h"
#include "images/PngErrors.h"
#include "images/PngReader.h"

namespace taramel {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::filesystem::path> SuiteFiles()
{
    std::vector<std::filesystem::path> files;
    for (const auto& e : std::filesystem::directory_iterator(TARAMEL_PNGSUITE))
        if (e.path().extension() == ".png")
            files.push_back(e.path());
    std::sort(files.begin(), files.end());
    return files;
}

// The format a suite name announces: ...n<colour type><c|g|p|a><depth>.
TPixelFormat ExpectedFormat(const std::string& name)
{
    const std::size_t at = name.size() - 8;  // "0g01.png"
    const int type = name[at] - '0';
    const int depth = std::stoi(name.substr(at + 2, 2));
    switch (type) {
    case 2: return TPixelFormat::pf24bit;
    case 6: return TPixelFormat::pf32bit;
    case 4: return TPixelFormat::pf8bit;
    default: return depth == 1 ? TPixelFormat::pf1bit : depth <= 4 ? TPixelFormat::pf4bit : TPixelFormat::pf8bit;
    }
}

TEST(PngSuite, EveryFileLoadsIntoItsFormat)
{
    const auto files = SuiteFiles();
    ASSERT_GE(files.size(), 60u);
    for (const auto& path : files) {
        const Bytes data = ReadFile(path);
        const std::string name = path.filename().string();
        TPNGGraphic image;
        try {
            LoadPngFromMemory(data.data(), data.size(), image);
        } catch (const Exception& e) {
            ADD_FAILURE() << name << ": " << e.what();
            continue;
        }
        EXPECT_EQ(image.PixelFormat(), ExpectedFormat(name)) << name;
        EXPECT_EQ(image.Alpha(), image.PixelFormat() == TPixelFormat::pf32bit) << name;
        EXPECT_EQ(image.Width(), 32) << name;
    }
}

Bytes WithoutGamma(Bytes data)
{
    const std::string type = "gAMA";
    auto at = std::search(data.begin(), data.end(), type.begin(), type.end());
    if (at != data.end())
        at[3] = 'z';
    return data;
}

TEST(PngSuite, InterlacedFilesEqualTheirPlainTwins)
{
    int pairs = 0;
    for (const auto& path : SuiteFiles()) {
        const std::string name = path.filename().string();
        if (name[0] != 'i')
            continue;
        const auto twinPath = path.parent_path() / name.substr(1);
        const Bytes a = ReadFile(path);
        // The interlaced copies carry no gAMA: hide the plain twin's as an
        // unknown ancillary chunk, which is skipped unread.
        const Bytes b = WithoutGamma(ReadFile(twinPath));
        TPNGGraphic inter, plain;
        LoadPngFromMemory(a.data(), a.size(), inter);
        LoadPngFromMemory(b.data(), b.size(), plain);
        ASSERT_EQ(inter.PixelFormat(), plain.PixelFormat()) << name;
        // Palettes may be ordered differently: compare the colours shown.
        for (int y = 0; y < plain.Height(); ++y)
            for (int x = 0; x < plain.Width(); ++x)
                ASSERT_EQ(inter.PixelColor(x, y), plain.PixelColor(x, y)) << name << " " << x << "," << y;
        if (plain.PixelFormat() == TPixelFormat::pf32bit) {
            for (int y = 0; y < plain.Height(); ++y)
                ASSERT_TRUE(std::equal(inter.ScanLine(y), inter.ScanLine(y) + 4 * plain.Width(), plain.ScanLine(y)))
                    << name << " row " << y;
        }
        ++pairs;
    }
    EXPECT_EQ(pairs, 30);
}

// Loads damaged data; true when it loaded, false when it failed with one of
// the reader's own errors. Anything else fails the test.
bool LoadsOrRefuses(const Bytes& data, const std::set<std::string>& messages, const std::string& what)
{
    TPNGGraphic image;
    try {
        LoadPngFromMemory(data.data(), data.size(), image);
        return true;
    } catch (const EInvalidGraphic& e) {
        EXPECT_TRUE(messages.count(e.what())) << what << ": " << e.what();
    } catch (const std::exception& e) {
        ADD_FAILURE() << what << ": unexpected error " << e.what();
    }
    EXPECT_TRUE(image.Empty()) << what;
    return false;
}

std::set<std::string> AllMessages()
{
    std::set<std::string> all;
    for (int i = 0; i <= static_cast<int>(PngMessage::CriticalChunk); ++i)
        all.insert(PngMessageText(static_cast<PngMessage>(i)));
    return all;
}

TEST(PngSuite, TruncatedFilesAreRefused)
{
    const auto messages = AllMessages();
    for (const char* name : {"basn6a16.png", "basn3p02.png", "ibasn0g04.png", "ftp1n3p08.png"}) {
        const Bytes data = ReadFile(std::filesystem::path(TARAMEL_PNGSUITE) / name);
        for (std::size_t n = 0; n < data.size(); ++n) {
            const Bytes cut(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(n));
            // Only the whole file is a whole PNG: every shorter prefix lacks IEND.
            EXPECT_FALSE(LoadsOrRefuses(cut, messages, std::string(name) + " cut at " + std::to_string(n)));
        }
    }
}

TEST(PngSuite, FlippedBytesAreRefusedOrHarmless)
{
    const auto messages = AllMessages();
    const std::string crc = PngMessageText(PngMessage::CrcError);
    for (const char* name : {"basn2c16.png", "ibasn3p08.png", "basn0g01.png", "ftbbn0g04.png"}) {
        const Bytes data = ReadFile(std::filesystem::path(TARAMEL_PNGSUITE) / name);
        int refused = 0;
        for (std::size_t i = 0; i < data.size(); ++i) {
            for (std::uint8_t mask : {0x01, 0x80, 0xFF}) {
                Bytes bad = data;
                bad[i] ^= mask;
                if (!LoadsOrRefuses(bad, messages, std::string(name) + " byte " + std::to_string(i)))
                    ++refused;
            }
        }
        // Data and CRC bytes of the honoured chunks are covered by the CRC:
        // nearly every change is caught.
        EXPECT_GT(refused, static_cast<int>(data.size()) * 3 * 8 / 10) << name;
    }
}

// Every file of the suite (palettes with transparency, 16-bit, grey with
// alpha, interlaced, odd sizes) as an image-list item: a 32-bit picture of
// the list's size, or the reader's refusal for the broken ones, with no read
// outside a buffer on the way (the native build runs with the sanitizers).
TEST(PngSuite, EveryFileBecomesAListPictureOrIsRefused)
{
    for (const auto& path : SuiteFiles()) {
        const std::string name = path.filename().string();
        const Bytes data = ReadFile(path);
        try {
            const auto picture = PngListPicture(data.data(), data.size(), 16, 16);
            EXPECT_NE(name[0], 'x') << name << ": a broken file was read";
            ASSERT_EQ(picture->Width(), 16) << name;
            ASSERT_EQ(picture->Height(), 16) << name;
            EXPECT_EQ(picture->PixelFormat(), TPixelFormat::pf32bit) << name;
        } catch (const EInvalidGraphic&) {
            EXPECT_EQ(name[0], 'x') << name << ": refused";
        }
    }
}

}  // namespace
}  // namespace taramel
