#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "skin/OptionsText.h"
#include "skin/SkinDump.h"
#include "skin/SkinFiles.h"
#include "skin/SkinLoader.h"
#include "skin/PackedSkin.h"
#include "tools/skintool/SkinTool.h"

namespace taramel {
namespace {

const std::string kData = TARAMEL_TEST_DATA;
const std::string kMini = kData + "/skins/Mini\\";
const char* kMiniFiles[] = {"Options.dat", "MASTER.BMP", "BUTTON.BMP", "GLYPH.PNG", "BACK.JPG", "TILE.JPG"};

std::string Expected()
{
    std::ifstream in(TNativeFileSystem::HostPath(kData + "/skins/MiniExpected/dump.txt"), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string Dump(const TSkinTables& t)
{
    std::ostringstream out;
    DumpSkin(t, out);
    return out.str();
}

TEST(LoaderDump, FolderSkinReadsAsExpected)
{
    TNativeFileSystem files;
    const auto text = files.ReadFile(kMini + "Options.dat");
    TSkinSource source;
    source.OptionsText = std::string_view(reinterpret_cast<const char*>(text.data()), text.size());
    source.SkinPath = kMini;
    source.Files = &files;
    TSkinTables t;
    LoadSkin(source, {}, t);
    const std::string expected = Expected();
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(Dump(t), expected);
}

TEST(LoaderDump, PackedSkinReadsAsTheFolder)
{
    TNativeFileSystem files;
    std::vector<TPackEntry> entries;
    for (const char* name : kMiniFiles)
        entries.push_back({name, files.ReadFile(kMini + name)});
    const std::vector<std::uint8_t> packed = WritePackedSkin(entries);
    auto reader = ReadPackedData(packed);
    TSkinTables t;
    LoadSkin(PackedSkinSource(*reader, "C:\\Nowhere\\"), {}, t);
    EXPECT_EQ(Dump(t), Expected());
}

TEST(LoaderDump, SkinToolDump)
{
    std::ostringstream out, err;
    EXPECT_EQ(skintool::RunSkinTool({"dump", kData + "/skins/Mini"}, out, err), 0) << err.str();
    EXPECT_EQ(out.str(), Expected());
    std::ostringstream out2, err2;
    EXPECT_EQ(skintool::RunSkinTool({"dump", kData + "/skins/NoSuchSkin"}, out2, err2), 1);
    EXPECT_NE(err2.str().find("Options.dat"), std::string::npos);
}

}  // namespace
}  // namespace taramel
