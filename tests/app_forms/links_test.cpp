// The site links of the main window, the About dialog's web labels and the
// logo the dialog shows.
#include "FormsFixture.h"

#include "framework/Shell.h"
#include "images/BmpReader.h"

namespace taramel::forms_test {
namespace {

class Links : public FormsTest {};

TEST_F(Links, StatusBarButtonsOpenTheSiteWithTheMainWindowAsOwner)
{
    StartProgram(NumberedDeck(10).c_str());
    Form1->Show();
    std::vector<std::pair<HWND, std::string>> opened;
    const TShellOpener shell = ShellOpener();
    ShellOpener() = [&](HWND owner, const std::string& address) { opened.emplace_back(owner, address); };
    ClickGraphic(Form1->sSpeedButton31);
    ClickGraphic(Form1->sSpeedButton1);
    ShellOpener() = shell;
    ASSERT_EQ(opened.size(), 2u);
    for (const auto& [owner, address] : opened) {
        EXPECT_EQ(owner, Form1->Handle());
        EXPECT_EQ(address, "https://example.com/taramel");
    }
    EXPECT_EQ(Form1->sSpeedButton31->Caption(), "example.com/taramel");
    EXPECT_EQ(Form1->sSpeedButton1->Caption(), "Тестник по ЕНТ - \"Кварцеон\"");
    EXPECT_TRUE(reports.empty());
    Form1->Hide();
}

TEST_F(Links, WebLabelTakesTheHoverFontWhileTheMouseIsOverIt)
{
    StartProgram(NumberedDeck(10).c_str());
    Form3->Show();
    TsWebLabel* link = Form3->sWebLabel1;
    HWND panel = Form3->sPanel1->Handle();
    SendMessageW(panel, WM_MOUSEMOVE, 0, MAKELPARAM(link->Left() + 5, link->Top() + 5));
    EXPECT_EQ(link->Font().Style(), unsigned(fsUnderline));
    EXPECT_EQ(ColorToRGB(link->Font().Color()), ColorToRGB(clBlue));
    EXPECT_EQ(link->Font().Height(), -16);
    SendMessageW(panel, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(link->Font().Style(), 0u);
    EXPECT_EQ(link->Font().Color(), 239106368);
    Form3->Hide();
}

TEST(Logo, IsA120By120PictureWithSmoothAlphaEdges)
{
    const std::string bytes = ReadBytes(std::string(TARAMEL_SOURCE_DIR) + "/resources/Logo.bmp");
    TBitmap logo;
    LoadBmpFromMemory(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), logo);
    ASSERT_EQ(logo.Width(), 120);
    ASSERT_EQ(logo.Height(), 120);
    ASSERT_EQ(logo.PixelFormat(), TPixelFormat::pf32bit);
    auto alpha = [&](int x, int y) { return logo.ScanLine(y)[x * 4 + 3]; };
    EXPECT_EQ(alpha(0, 0), 0);
    EXPECT_EQ(alpha(119, 119), 0);
    EXPECT_EQ(alpha(60, 60), 255);
    // The disc's edge is smoothed: some pixels are partly covered.
    int partial = 0;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 120; ++x)
            partial += alpha(x, y) > 0 && alpha(x, y) < 255;
    EXPECT_GT(partial, 100);
}

}  // namespace
}  // namespace taramel::forms_test
