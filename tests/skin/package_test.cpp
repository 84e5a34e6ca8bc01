#include <gtest/gtest.h>

#include "base/Exception.h"
#include "skin/SkinFiles.h"
#include "skin/PackedSkin.h"
#include "tests/skin/package_fixtures.h"

namespace taramel {
namespace {

using test::Bytes;
using test::BytesOf;
using test::RawPack;

std::string ErrorOf(const Bytes& bytes)
{
    try {
        ReadPackedData(bytes);
    } catch (const Exception& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(PackedSkin, ReadsEveryEntryWithItsKind)
{
    const Bytes options = BytesOf("[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n");
    const std::vector<TPackEntry> entries = {
        {"master.bmp", BytesOf("BM-master")}, {"OPTIONS.DAT", options}, {"Glyph.Bmp", BytesOf("g")},
        {"shape.bmp.png", BytesOf("p")},      {"NOEXT", BytesOf("n")},  {"pattern.jpg", BytesOf("j")},
    };
    const Bytes packed = WritePackedSkin(entries);
    const auto reader = ReadPackedData(packed);

    EXPECT_EQ(reader->ImageCount, 5);
    EXPECT_TRUE(reader->HasOptions);
    EXPECT_EQ(reader->OptionsName, "OPTIONS.DAT");
    EXPECT_EQ(reader->Options, options);
    struct Expected {
        const char* name;
        bool isBitmap;
        const char* data;
    };
    const Expected expected[] = {{"master.bmp", true, "BM-master"}, {"Glyph.Bmp", true, "g"},
                                 {"shape.bmp.png", false, "p"},     {"NOEXT", false, "n"},
                                 {"pattern.jpg", false, "j"}};
    ASSERT_EQ(reader->ImageFiles.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(reader->ImageFiles[i].Name, expected[i].name);
        EXPECT_EQ(reader->ImageFiles[i].IsBitmap, expected[i].isBitmap);
        EXPECT_EQ(reader->ImageFiles[i].Data, BytesOf(expected[i].data));
    }
    // Lookups compare the upper-cased stored name with the name as given.
    ASSERT_NE(reader->FindImage("GLYPH.BMP"), nullptr);
    EXPECT_EQ(reader->FindImage("GLYPH.BMP")->Data, BytesOf("g"));
    EXPECT_EQ(reader->FindImage("glyph.bmp"), nullptr);
}

TEST(PackedSkin, EntriesLongerThanOneInputChunkKeepTheirPlace)
{
    // 200000 incompressible bytes take about four 65536-byte chunks; the entry
    // after them must start exactly after the first stream's trailer.
    const Bytes big = test::Noise(200000, 7);
    const Bytes small = BytesOf("after the big one");
    const Bytes packed = RawPack(3).Entry("big.bmp", big).Entry("Options.dat", BytesOf("x")).Entry("s.png", small).bytes;
    const auto reader = ReadPackedData(packed);
    ASSERT_EQ(reader->ImageFiles.size(), 2u);
    EXPECT_EQ(reader->ImageFiles[0].Data, big);
    EXPECT_EQ(reader->ImageFiles[1].Data, small);
    EXPECT_EQ(reader->Options, BytesOf("x"));
}

TEST(PackedSkin, ASecondOptionsEntryReplacesTheFirst)
{
    const Bytes packed =
        RawPack(3).Entry("Options.dat", BytesOf("first")).Entry("a.bmp", BytesOf("a")).Entry("options.DAT", BytesOf("second")).bytes;
    const auto reader = ReadPackedData(packed);
    EXPECT_EQ(reader->Options, BytesOf("second"));
    EXPECT_EQ(reader->OptionsName, "options.DAT");
    EXPECT_EQ(reader->ImageCount, 2);
    ASSERT_EQ(reader->ImageFiles.size(), 1u);
    // ImageCount claims two images but only one was read: lookups stay inside.
    EXPECT_EQ(reader->ImageEntries().size(), 1u);
}

TEST(PackedSkin, LookupsSearchOnlyTheClaimedCount)
{
    // No options entry: N - 1 = 1 although two images were read.
    const Bytes packed = RawPack(2).Entry("A.BMP", BytesOf("a")).Entry("B.BMP", BytesOf("b")).bytes;
    const auto reader = ReadPackedData(packed);
    EXPECT_FALSE(reader->HasOptions);
    EXPECT_EQ(reader->ImageFiles.size(), 2u);
    EXPECT_NE(reader->FindImage("A.BMP"), nullptr);
    EXPECT_EQ(reader->FindImage("B.BMP"), nullptr);
    // An empty archive claims -1 images.
    const auto empty = ReadPackedData(RawPack(0).bytes);
    EXPECT_EQ(empty->ImageCount, -1);
    EXPECT_TRUE(empty->ImageEntries().empty());
}

TEST(PackedSkin, BadDataGetsItsMessage)
{
    const Bytes good = RawPack(1).Entry("Options.dat", BytesOf("[GLOBALINFO]")).bytes;
    auto cut = [&](std::size_t size) { return Bytes(good.begin(), good.begin() + size); };
    auto withByte = [&](std::size_t at, std::uint8_t value) {
        Bytes b = good;
        b[at] = value;
        return b;
    };
    const std::size_t streamStart = 4 + 4 + 4 + 11 + 4;
    const Bytes noise = test::Noise(64, 3);
    struct Case {
        const char* what;
        Bytes bytes;
        std::string message;
    };
    const Case cases[] = {
        {"empty", {}, kNotPackedSkin},
        {"three bytes", BytesOf("ASz"), kNotPackedSkin},
        {"magic in other case", RawPack(1, "ASZF").Entry("Options.dat", BytesOf("x")).bytes, kNotPackedSkin},
        {"a PNG", BytesOf("\x89PNG\r\n\x1a\n"), kNotPackedSkin},
        {"no count", BytesOf("ASzf"), kStreamReadError},
        {"negative count", RawPack(-1).bytes, "Packed skin file is damaged: negative number of entries"},
        {"more entries than written", RawPack(2).Entry("Options.dat", BytesOf("x")).bytes, kStreamReadError},
        {"name beyond the file", RawPack(1).Name("Options.dat", 1000).bytes, kStreamReadError},
        {"negative name length", RawPack(1).Name("", -5).bytes, kStreamReadError},
        {"no size", RawPack(1).Name("Options.dat", 11).bytes, kStreamReadError},
        {"stream cut in the middle", cut(good.size() - 6), kStreamReadError},
        {"stream without data", cut(streamStart), kStreamReadError},
        {"broken zlib header", withByte(streamStart, 0x00), "data error"},
        {"noise instead of a stream", [&] { Bytes b = RawPack(1).Name("a.bmp", 5).bytes; test::PutInt32(b, 10); b.insert(b.end(), noise.begin(), noise.end()); return b; }(), "data error"},
        {"size zero", RawPack(1).Entry("a.bmp", BytesOf("abc"), 0).bytes,
         "Packed skin data is damaged: entry \"a.bmp\" states a size of 0 bytes"},
        {"size one too many", RawPack(1).Entry("a.bmp", BytesOf("abc"), 4).bytes, kStreamReadError},
        {"size one too few", RawPack(1).Entry("a.bmp", BytesOf("abc"), 2).bytes,
         "Packed skin entry \"a.bmp\" is longer than its stated size"},
        {"claims two gigabytes", RawPack(1).Entry("a.bmp", BytesOf("abc"), 0x7FFFFFFF).bytes,
         "Packed skin data: entry \"a.bmp\" states a size of 2147483647 bytes, more than the 64 MB an entry may "
         "have"},
        {"claims a gigabyte in a large file", RawPack(1).Entry("a.bmp", test::Noise(100000, 1), 1 << 30).bytes,
         "Packed skin data: entry \"a.bmp\" states a size of 1073741824 bytes, more than the 64 MB an entry may "
         "have"},
        // Up to the limit a claim is inflated, and this one ends early.
        {"claims the limit", RawPack(1).Entry("a.bmp", test::Noise(100000, 1), kMaxPackedEntryBytes).bytes,
         kStreamReadError},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ErrorOf(c.bytes), c.message) << c.what;
}

TEST(PackedSkin, ReadingAFileFillsReplacesOrKeepsTheReader)
{
    TMemoryFileSystem files;
    files.AddFile("C:\\App\\Topaz.asz", WritePackedSkin({{"Options.dat", BytesOf("new")}}));
    files.AddFile("C:\\App\\Broken.asz", BytesOf("PK\x03\x04 not a skin"));

    // A missing file leaves the reader as it was.
    auto reader = std::make_unique<TacSkinConvertor>();
    reader->Options = BytesOf("old");
    LoadSkinFile("C:\\App\\Missing.asz", reader, true, files);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->Options, BytesOf("old"));

    std::unique_ptr<TacSkinConvertor> none;
    LoadSkinFile("C:\\App\\Missing.asz", none, true, files);
    EXPECT_EQ(none, nullptr);

    // Read and keep the packed bytes, or release them.
    LoadSkinFile("C:\\App\\Topaz.asz", reader, false, files);
    EXPECT_EQ(reader->Options, BytesOf("new"));
    EXPECT_FALSE(reader->PackedData.empty());
    LoadSkinFile("C:\\App\\Topaz.asz", none, true, files);
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(none->Options, BytesOf("new"));
    EXPECT_TRUE(none->PackedData.empty());
    EXPECT_TRUE(none->OwnedPackedData.empty());

    // A failed read leaves no reader behind.
    try {
        LoadSkinFile("C:\\App\\Broken.asz", reader, true, files);
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), kNotPackedSkin);
    }
    EXPECT_EQ(reader, nullptr);
}

TEST(PackedSkin, ImpossibleSizesNameTheSkinFileAndTheEntry)
{
    struct Case {
        std::int32_t size;
        std::string message;
    };
    const std::string file = "Packed skin file \"C:\\App\\Topaz.asz\"";
    const Case cases[] = {
        {0, file + " is damaged: entry \"Master.bmp\" states a size of 0 bytes"},
        {-7, file + " is damaged: entry \"Master.bmp\" states a size of 4294967289 bytes"},
        {kMaxPackedEntryBytes + 1, file + ": entry \"Master.bmp\" states a size of 67108865 bytes, more than the "
                                          "64 MB an entry may have"},
    };
    for (const Case& c : cases) {
        TMemoryFileSystem files;
        // A real stream of a megabyte of zeros, as a zip bomb starts.
        files.AddFile("C:\\App\\Topaz.asz", RawPack(2)
                                                  .Entry("Options.dat", BytesOf("[GLOBALINFO]"))
                                                  .Entry("Master.bmp", Bytes(1 << 20, 0), c.size)
                                                  .bytes);
        std::unique_ptr<TacSkinConvertor> reader;
        try {
            LoadSkinFile("C:\\App\\Topaz.asz", reader, true, files);
            ADD_FAILURE() << "no error for " << c.size;
        } catch (const Exception& e) {
            EXPECT_EQ(e.what(), c.message);
        }
        EXPECT_EQ(reader, nullptr);
    }
}

TEST(PackedSkin, AFailedParseLeavesTheReaderEmpty)
{
    const Bytes half = RawPack(2).Entry("a.bmp", BytesOf("aaaa")).Entry("Options.dat", BytesOf("o"), 9).bytes;
    TacSkinConvertor reader;
    reader.PackedData = half;
    EXPECT_THROW(ExtractPackedData(reader), Exception);
    EXPECT_TRUE(reader.ImageFiles.empty());
    EXPECT_TRUE(reader.Options.empty());
    EXPECT_FALSE(reader.HasOptions);
    EXPECT_EQ(reader.ImageCount, 0);
    EXPECT_TRUE(reader.PackedData.empty());
}

TEST(PackedSkin, WriterRefusesWhatTheFormatCannotHold)
{
    EXPECT_THROW(WritePackedSkin({{"empty.bmp", {}}}), Exception);
}

}  // namespace
}  // namespace taramel
