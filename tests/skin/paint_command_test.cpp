// skintool paint and preview on the program's own skin Topaz.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/Color.h"
#include "images/PngReader.h"
#include "tools/skintool/SkinTool.h"

namespace taramel {
namespace {

namespace fs = std::filesystem;

const std::string kTopaz = std::string(TARAMEL_SKINS_DIR) + "/Topaz";

struct ToolResult {
    int code;
    std::string out, err;
};

ToolResult Tool(const std::vector<std::string>& arguments)
{
    std::ostringstream out, err;
    const int code = skintool::RunSkinTool(arguments, out, err);
    return {code, out.str(), err.str()};
}

std::vector<std::uint8_t> ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class PaintCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        work = fs::temp_directory_path() / (std::string("taramel-paint-") + info->name());
        fs::remove_all(work);
        fs::create_directories(work);
    }
    void TearDown() override { fs::remove_all(work); }

    // Paints and reads the picture back.
    void Paint(std::vector<std::string> arguments, TBitmap& picture)
    {
        const std::string out = (work / "out.png").string();
        arguments.insert(arguments.begin(), "paint");
        arguments.insert(arguments.begin() + 6, out);
        const ToolResult run = Tool(arguments);
        ASSERT_EQ(run.code, 0) << run.err;
        const auto bytes = ReadAll(out);
        TPNGGraphic png;
        LoadPngFromMemory(bytes.data(), bytes.size(), png);
        picture.Assign(png);
    }

    static TColor At(const TBitmap& b, int x, int y) { return static_cast<TColor>(b.PixelColor(x, y)); }

    fs::path work;
};

TEST_F(PaintCommands, ParentShowsThroughTheRoundedCorners)
{
    struct Case {
        const char* parent;
        TColor corner;  // what the key-colour corner pixel shows
    };
    const Case cases[] = {{"255", 0x0000FF}, {"$00FF00", 0x00FF00}, {"TABSHEET", 0xFFFFFF}};
    for (const Case& c : cases) {
        TBitmap picture;
        Paint({kTopaz, "BUTTON", "40", "24", "normal", "--parent", c.parent}, picture);
        ASSERT_EQ(picture.Width(), 40);
        ASSERT_EQ(picture.Height(), 24);
        EXPECT_EQ(At(picture, 0, 0), c.corner) << c.parent;
        EXPECT_EQ(At(picture, 39, 23), c.corner) << c.parent;
        EXPECT_NE(At(picture, 20, 12), c.corner) << c.parent;  // the button's own face
    }
}

TEST_F(PaintCommands, StatesLookDifferentAndDisabledFadesIntoTheParent)
{
    TBitmap normal, hot, disabled;
    Paint({kTopaz, "BUTTON", "40", "24", "0", "--parent", "0"}, normal);
    Paint({kTopaz, "BUTTON", "40", "24", "hot", "--parent", "0"}, hot);
    Paint({kTopaz, "BUTTON", "40", "24", "3", "--parent", "0"}, disabled);
    EXPECT_NE(At(normal, 20, 12), At(hot, 20, 12));
    // Half the normal face, half the black parent.
    const TColor face = At(normal, 20, 12);
    EXPECT_EQ(At(disabled, 20, 12), MakeColor((RedOf(face) + 1) / 2, (GreenOf(face) + 1) / 2, (BlueOf(face) + 1) / 2));
}

TEST_F(PaintCommands, FolderAndPackedFilePaintTheSame)
{
    const std::string a = (work / "a.png").string(), b = (work / "b.png").string();
    ASSERT_EQ(Tool({"paint", kTopaz, "EDIT", "60", "22", "1", a}).code, 0);
    ASSERT_EQ(Tool({"paint", kTopaz + ".asz", "EDIT", "60", "22", "1", b}).code, 0);
    EXPECT_EQ(ReadAll(a), ReadAll(b));
}

TEST_F(PaintCommands, BadRequestsFailWithAMessage)
{
    const std::string out = (work / "x.png").string();
    struct Case {
        std::vector<std::string> arguments;
        const char* message;
    };
    const Case cases[] = {
        {{"paint", kTopaz, "NOSUCH", "10", "10", "0", out}, "no section \"NOSUCH\""},
        {{"paint", kTopaz, "BUTTON", "0", "10", "0", out}, "not between 1 and 4096"},
        {{"paint", kTopaz, "BUTTON", "10", "10", "7", out}, "State \"7\""},
        {{"paint", kTopaz, "BUTTON", "10", "10", "0", out, "--parent", "NOSUCH"}, "no section \"NOSUCH\""},
        {{"paint", kTopaz, "BUTTON", "10", "10", "0", out, "--tint", "3"}, "Unknown option --tint"},
        {{"preview", kTopaz, out, "--hue"}, "needs a value"},
    };
    for (const Case& c : cases) {
        const ToolResult run = Tool(c.arguments);
        EXPECT_EQ(run.code, 1) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_FALSE(fs::exists(out)) << c.message;
    }
}

TEST_F(PaintCommands, PreviewShowsTheRecolouredSkin)
{
    const std::string plain = (work / "plain.png").string(), packed = (work / "packed.png").string(),
                      green = (work / "green.png").string();
    ASSERT_EQ(Tool({"preview", kTopaz, plain}).code, 0);
    ASSERT_EQ(Tool({"preview", kTopaz + ".asz", packed}).code, 0);
    ASSERT_EQ(Tool({"preview", kTopaz, green, "--hue", "120"}).code, 0);
    const auto a = ReadAll(plain), b = ReadAll(packed), c = ReadAll(green);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
    TPNGGraphic png;
    LoadPngFromMemory(a.data(), a.size(), png);
    EXPECT_GT(png.Width(), 400);
    EXPECT_GT(png.Height(), 1000);  // a row for each of Topaz's sections and marks
}

}  // namespace
}  // namespace taramel
