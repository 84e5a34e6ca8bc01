// The bit button's glyph: its place beside the caption for every layout,
// the image of the state from a strip, an image list's image, greyed and
// disabled glyphs, read back from what the button paints.
#include <gtest/gtest.h>

#include "tests/controls/ControlsFixture.h"

namespace taramel {
namespace {

using namespace testing_support;

// Glyph colours the buttons skin never paints.
constexpr COLORREF kNormal = Rgb(10, 20, 250), kHot = Rgb(20, 240, 30), kPressed = Rgb(230, 40, 10);
constexpr COLORREF kDown = Rgb(250, 200, 10), kKey = Rgb(255, 0, 255);

// A strip of `colours.size()` solid images of w x h; each image's
// bottom-left pixel is the key (the painter's transparent colour).
void MakeStrip(TBitmap& strip, int w, int h, std::initializer_list<COLORREF> colours)
{
    strip.SetPixelFormat(TPixelFormat::pf24bit);
    strip.SetSize(w * static_cast<int>(colours.size()), h);
    int i = 0;
    for (COLORREF c : colours) {
        for (int y = 0; y < h; ++y)
            for (int x = i * w; x < (i + 1) * w; ++x) {
                const COLORREF p = (x == i * w && y == h - 1) ? kKey : c;
                std::uint8_t* px = strip.ScanLine(y) + x * 3;
                px[0] = GetBValue(p), px[1] = GetGValue(p), px[2] = GetRValue(p);
            }
        ++i;
    }
}

// The bounding box of the pixels of exactly one colour (empty when none).
RECT BoxOf(const TCapture& capture, int w, int h, COLORREF c)
{
    RECT box{w, h, 0, 0};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (capture.At(x, y) == c) {
                box.left = std::min<LONG>(box.left, x), box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1), box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box;
}

class GlyphTest : public SkinnedControlsTest {
protected:
    void SkinOn() override
    {
        manager->SetSkinName("Buttons");
        SkinnedControlsTest::SkinOn();
    }
    TsBitBtn* MakeButton(const char* caption, int w = 120, int h = 40)
    {
        auto* button = Add<TsBitBtn>(form, 20, 20, w, h);
        button->SetCaption(caption);
        return button;
    }
    void Show()
    {
        ShowForm();
        SkinOn();
        SetFocus(nullptr);  // focused, a button would be hot from the start
        testsupport::Pump(30);
    }
    // Ends a running fade by hand, as its timer would.
    static void FinishFade(TsBitBtn& button)
    {
        for (int i = 0; i < 20 && button.Fade() != nullptr; ++i) {
            button.Fade()->SetEnabled(false);
            button.Fade()->Step();
        }
    }
    // The caption's ink: the section's text colour (black at rest).
    static RECT CaptionBox(TsBitBtn& button)
    {
        const TCapture capture(button);
        return BoxOf(capture, button.Width(), button.Height(), Rgb(0, 0, 0));
    }
};

TEST_F(GlyphTest, GlyphSitsOnItsSideOfTheCaption)
{
    const struct {
        TGlyphLayout layout;
        const char* name;
    } cases[] = {{glGlyphLeft, "left"}, {glGlyphRight, "right"}, {glGlyphTop, "top"}, {glGlyphBottom, "bottom"}};
    std::vector<TsBitBtn*> buttons;
    for (const auto& c : cases) {
        TsBitBtn* b = MakeButton("Wm", 120, 60);
        MakeStrip(b->Glyph, 16, 16, {kNormal});
        b->Layout = c.layout;
        buttons.push_back(b);
    }
    Show();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        TsBitBtn& b = *buttons[i];
        const TCapture capture(b);
        const RECT glyph = BoxOf(capture, b.Width(), b.Height(), kNormal);
        const RECT text = BoxOf(capture, b.Width(), b.Height(), Rgb(0, 0, 0));
        const char* name = cases[i].name;
        ASSERT_EQ(glyph.right - glyph.left, 16) << name;
        ASSERT_EQ(glyph.bottom - glyph.top, 16) << name;
        ASSERT_LT(text.left, text.right) << name << ": the caption is drawn";
        const int spacing = 4;  // the default
        switch (cases[i].layout) {
        case glGlyphLeft: EXPECT_GE(text.left - glyph.right, spacing - 1) << name; break;
        case glGlyphRight: EXPECT_GE(glyph.left - text.right, spacing - 1) << name; break;
        case glGlyphTop: EXPECT_GE(text.top - glyph.bottom, spacing - 1) << name; break;
        case glGlyphBottom: EXPECT_GE(glyph.top - text.bottom, spacing - 1) << name; break;
        }
        // The pair is centred: as much room on either side, within rounding
        // and the space between the caption's ink and its line (bearings,
        // leading, descent).
        const bool horizontal = cases[i].layout == glGlyphLeft || cases[i].layout == glGlyphRight;
        const int before = horizontal ? std::min(glyph.left, text.left) : std::min(glyph.top, text.top);
        const int after = horizontal ? b.Width() - std::max(glyph.right, text.right)
                                     : b.Height() - std::max(glyph.bottom, text.bottom);
        EXPECT_NEAR(before, after, 5) << name;
    }
}

TEST_F(GlyphTest, MarginKeepsTheGlyphFromTheEdgeAndReflectedLiftsIt)
{
    TsBitBtn* plain = MakeButton("Wm");
    MakeStrip(plain->Glyph, 18, 18, {kNormal});
    plain->Alignment = gaLeft;
    plain->Margin = 7;
    TsBitBtn* reflected = MakeButton("Wm");
    MakeStrip(reflected->Glyph, 18, 18, {kNormal});
    reflected->Alignment = gaLeft;
    reflected->Margin = 7;
    reflected->Reflected = true;
    Show();
    const RECT a = BoxOf(TCapture(*plain), plain->Width(), plain->Height(), kNormal);
    const RECT b = BoxOf(TCapture(*reflected), reflected->Width(), reflected->Height(), kNormal);
    EXPECT_EQ(a.left, 7);
    EXPECT_EQ(b.left, 7);
    EXPECT_EQ(a.top - b.top, 18 / 6) << "lifted by a sixth of its width";
}

TEST_F(GlyphTest, StripShowsTheImageOfTheState)
{
    TsBitBtn* b = MakeButton("Wm");
    MakeStrip(b->Glyph, 16, 16, {kNormal, kHot, kPressed, kDown});
    b->NumGlyphs = 4;
    Show();
    auto count = [&](COLORREF c) { return TCapture(*b).Count(RECT{0, 0, b->Width(), b->Height()}, c); };
    EXPECT_EQ(count(kNormal), 16 * 16 - 1) << "normal";
    b->Perform(CM_MOUSEENTER);
    FinishFade(*b);
    EXPECT_EQ(count(kHot), 16 * 16 - 1) << "hot";
    EXPECT_EQ(count(kNormal), 0) << "hot";
    const RECT hot = BoxOf(TCapture(*b), b->Width(), b->Height(), kHot);
    b->SetDown(true);
    testsupport::Pump(20);
    const RECT down = BoxOf(TCapture(*b), b->Width(), b->Height(), kDown);
    EXPECT_EQ(count(kDown), 16 * 16 - 1) << "down: the fourth image";
    EXPECT_EQ(down.left - hot.left, 1) << "pressed, the glyph moves right";
    EXPECT_EQ(down.top - hot.top, 1) << "and down";
}

TEST_F(GlyphTest, DisabledGlyphKinds)
{
    const struct {
        unsigned kinds;
        bool grey, blended;
    } cases[] = {{0, false, false}, {dgGrayed, true, false}, {dgBlended, false, true}, {dgGrayed | dgBlended, true, true}};
    std::vector<TsBitBtn*> buttons;
    for (const auto& c : cases) {
        TsBitBtn* b = MakeButton("");
        MakeStrip(b->Glyph, 16, 16, {kNormal});
        b->DisabledGlyphKind = c.kinds;
        b->DisabledKind = 0;  // the glyph's own look alone
        b->SetEnabled(false);
        buttons.push_back(b);
    }
    Show();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        TsBitBtn& b = *buttons[i];
        const TCapture capture(b);
        // The middle of the glyph (centred: no caption).
        const COLORREF p = capture.At(b.Width() / 2, b.Height() / 2);
        const COLORREF face = capture.At(b.Width() / 2, 5);
        const bool grey = GetRValue(p) == GetGValue(p) && GetGValue(p) == GetBValue(p);
        EXPECT_EQ(grey, cases[i].grey) << "kinds " << cases[i].kinds;
        if (!cases[i].blended) {
            EXPECT_EQ(p, cases[i].grey ? p : kNormal) << "kinds " << cases[i].kinds;
            continue;
        }
        // Half the glyph, half the face under it.
        const int own = cases[i].grey ? (GetRValue(kNormal) + GetGValue(kNormal) + GetBValue(kNormal)) / 3
                                      : GetBValue(kNormal);
        EXPECT_NEAR(GetBValue(p), (own + GetBValue(face)) / 2, 2) << "kinds " << cases[i].kinds;
    }
}

TEST_F(GlyphTest, ImageListImageReplacesTheGlyphAndGreysWhileNotHot)
{
    TImageList images(16, 16);
    TBitmap red, green;
    MakeStrip(red, 16, 16, {kPressed});
    MakeStrip(green, 16, 16, {kHot});
    images.Add(red);
    images.Add(green);
    TsBitBtn* b = MakeButton("Wm");
    MakeStrip(b->Glyph, 16, 16, {kNormal});
    b->Images = &images;
    b->ImageIndex = 1;
    TsBitBtn* grayed = MakeButton("Wm");
    grayed->Images = &images;
    grayed->ImageIndex = 0;
    grayed->Grayed = true;
    TsBitBtn* outside = MakeButton("Wm");
    outside->Images = &images;
    outside->ImageIndex = 2;
    Show();
    EXPECT_TRUE(b->Glyph.Empty()) << "a valid image clears the standard glyph when loaded";
    const RECT all{0, 0, b->Width(), b->Height()};
    // The list's images have no key pixel: a stray magenta pixel is the key of
    // the strip the picture came from, drawn as it is.
    EXPECT_GE(TCapture(*b).Count(all, kHot), 16 * 16 - 1);
    EXPECT_EQ(TCapture(*outside).Count(all, kPressed) + TCapture(*outside).Count(all, kHot), 0)
        << "an index outside the list draws nothing";
    const RECT at = BoxOf(TCapture(*b), b->Width(), b->Height(), kHot);
    ASSERT_LT(at.left, at.right);
    const COLORREF grey = TCapture(*grayed).At(at.left + 8, at.top + 8);
    EXPECT_EQ(GetRValue(grey), GetGValue(grey));
    EXPECT_EQ(GetGValue(grey), GetBValue(grey));
    grayed->Perform(CM_MOUSEENTER);
    FinishFade(*grayed);
    EXPECT_EQ(TCapture(*grayed).At(at.left + 8, at.top + 8), kPressed) << "hot: its colours";
}

}  // namespace
}  // namespace taramel
