#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "skin/PackedSkin.h"
#include "tools/skintool/SkinTool.h"

namespace taramel {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteAll(const fs::path& path, const Bytes& data)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data.data()), data.size());
}

std::map<std::string, Bytes> FolderContents(const fs::path& folder)
{
    std::map<std::string, Bytes> contents;
    for (const auto& entry : fs::directory_iterator(folder))
        contents[entry.path().filename().string()] = ReadAll(entry.path());
    return contents;
}

struct ToolRun {
    int code;
    std::string out, err;
};

ToolRun Tool(std::vector<std::string> arguments)
{
    std::ostringstream out, err;
    const int code = skintool::RunSkinTool(arguments, out, err);
    return {code, out.str(), err.str()};
}

class SkinTool : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        work = fs::temp_directory_path() / (std::string("taramel-skintool-") + info->name());
        fs::remove_all(work);
        fs::create_directories(work);
    }
    void TearDown() override { fs::remove_all(work); }
    fs::path work;
};

TEST_F(SkinTool, PackThenUnpackGivesTheSameFolder)
{
    const fs::path source = fs::path(TARAMEL_TEST_DATA) / "skins" / "PackMe";
    const fs::path packed = work / "PackMe.asz";
    const ToolRun pack = Tool({"pack", source.string(), packed.string()});
    ASSERT_EQ(pack.code, 0) << pack.err;
    const ToolRun unpack = Tool({"unpack", packed.string(), (work / "out").string()});
    ASSERT_EQ(unpack.code, 0) << unpack.err;
    const auto original = FolderContents(source);
    EXPECT_EQ(original.size(), 3u);
    EXPECT_EQ(FolderContents(work / "out"), original);

    // The engine's reader sees the options and the images, the options first.
    const Bytes archive = ReadAll(packed);
    const auto reader = ReadPackedData(archive);
    EXPECT_EQ(reader->Options, original.at("Options.dat"));
    EXPECT_EQ(reader->ImageCount, 2);
    ASSERT_NE(reader->FindImage("MASTER.BMP"), nullptr);
    EXPECT_TRUE(reader->FindImage("MASTER.BMP")->IsBitmap);

    // Packing is repeatable: the unpacked folder packs to the same bytes.
    ASSERT_EQ(Tool({"pack", (work / "out").string(), (work / "again.asz").string()}).code, 0);
    EXPECT_EQ(ReadAll(work / "again.asz"), archive);
}

TEST_F(SkinTool, ListsTheSkinsOfAFolder)
{
    const Bytes packed = WritePackedSkin({{"Options.dat", {'x'}}});
    WriteAll(work / "Autumn.Dark.asz", packed);
    WriteAll(work / "Winter.ASZ", packed);
    WriteAll(work / "Topaz" / "Options.dat", {'x'});
    WriteAll(work / "NoSkin" / "readme.txt", {'x'});
    const std::pair<const char*, const char*> cases[] = {
        {"0", "Topaz\n"}, {"1", "Autumn\n"}, {"2", "Autumn\nTopaz\n"}};
    for (const auto& [mode, expected] : cases) {
        const ToolRun run = Tool({"list", work.string(), mode});
        EXPECT_EQ(run.code, 0) << run.err;
        EXPECT_EQ(run.out, expected) << mode;
    }
    EXPECT_EQ(Tool({"list", work.string()}).out, "Autumn\nTopaz\n");
}

TEST_F(SkinTool, RefusesBadCommandsAndBadArchives)
{
    // An entry whose name would lead out of the target folder.
    WriteAll(work / "evil.asz", WritePackedSkin({{"Options.dat", {'x'}}, {"..\\evil.bmp", {'e'}}}));
    WriteAll(work / "twice.asz", WritePackedSkin({{"Options.dat", {'x'}}, {"A.BMP", {'a'}}, {"a.bmp", {'b'}}}));
    WriteAll(work / "bad.asz", {'A', 'S', 'Z', 'F', 0, 0, 0, 0});
    WriteAll(work / "plain" / "Options.dat", {'x'});
    WriteAll(work / "plain" / "empty.bmp", {});
    WriteAll(work / "noopts" / "a.bmp", {'a'});
    struct Case {
        std::vector<std::string> arguments;
        int code;
        std::string err;
    };
    const std::string w = work.string();
    const Case cases[] = {
        {{"frobnicate"}, 2, "skintool: unknown command \"frobnicate\"\n"},
        {{"pack", w}, 2, "usage: skintool pack FOLDER FILE.asz\n"},
        {{"unpack", w + "/evil.asz", w + "/out"}, 1,
         "skintool unpack: Packed skin entry name \"..\\evil.bmp\" is not a plain file name\n"},
        {{"unpack", w + "/twice.asz", w + "/out"}, 1, "skintool unpack: Packed skin holds \"a.bmp\" twice\n"},
        {{"unpack", w + "/bad.asz", w + "/out"}, 1, "skintool unpack: Loaded data is not a packed skin file\n"},
        {{"unpack", w + "/none.asz", w + "/out"}, 1, "skintool unpack: Packed skin \"" + w + "/none.asz\" does not exist\n"},
        {{"pack", w + "/plain", w + "/p.asz"}, 1,
         "skintool pack: Cannot pack the empty file \"empty.bmp\": a packed skin cannot hold it\n"},
        {{"pack", w + "/noopts", w + "/p.asz"}, 1, "skintool pack: Skin folder \"" + w + "/noopts\" has no Options.dat\n"},
        {{"list", w, "7"}, 1, "skintool list: List mode \"7\" is not 0, 1 or 2\n"},
    };
    for (const Case& c : cases) {
        const ToolRun run = Tool(c.arguments);
        EXPECT_EQ(run.code, c.code) << c.arguments[0];
        // The first line is the message; usage may follow it.
        EXPECT_EQ(run.err.substr(0, run.err.find('\n') + 1), c.err) << c.arguments[0];
    }
    EXPECT_FALSE(fs::exists(work / "evil.bmp"));
    EXPECT_FALSE(fs::exists(work / "out"));
    EXPECT_FALSE(fs::exists(work / "p.asz"));
}

}  // namespace
}  // namespace taramel
