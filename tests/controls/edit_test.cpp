// The skinned edit's colours, frame, print and disabled look, and the spin
// edit's disabled picture with its arrows inside, read back as pixels.
#include <gtest/gtest.h>

#include "controls/SpinButton.h"
#include "framework/Unicode.h"
#include "tests/controls/ControlsFixture.h"

namespace taramel {
namespace {

using namespace testing_support;

// The buttons skin's "EDIT": white field, black text; hot: pale yellow, dark red text.
constexpr COLORREF kField = Rgb(255, 255, 255), kHotField = Rgb(255, 255, 204);
constexpr COLORREF kText = Rgb(0, 0, 0), kHotText = Rgb(128, 0, 0);

class EditTest : public SkinnedControlsTest {
protected:
    void SkinOn() override
    {
        manager->SetSkinName("Buttons");
        SkinnedControlsTest::SkinOn();
    }
    // The pixels of the window's frame as they are on screen (the window DC,
    // not the screen: nothing waits for the display).
    static COLORREF FramePixel(TWinControl& control, int x, int y)
    {
        HDC dc = GetWindowDC(control.Handle());
        const COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(control.Handle(), dc);
        return c;
    }
    static int CountIf(const TCapture& capture, const RECT& r, bool (*test)(COLORREF))
    {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += test(capture.At(x, y)) ? 1 : 0;
        return n;
    }
};

TEST_F(EditTest, FrameAndTextTakeTheSectionsColoursInEachState)
{
    TsEdit* edit = Add<TsEdit>(form, 20, 20, 120, 24);
    edit->SetCaption("Wm 88");
    ShowForm();
    SkinOn();
    ASSERT_EQ(edit->BorderWidth(), 2) << "the sunken edge's real width";
    const struct {
        const char* state;
        bool focused;
        COLORREF field, text;
    } cases[] = {{"normal", false, kField, kText}, {"focused", true, kHotField, kHotText}, {"left", false, kField, kText}};
    for (const auto& c : cases) {
        if (c.focused)
            SetFocus(edit->Handle());
        else
            SetFocus(form->Handle());
        testsupport::Pump(30);
        const int w = edit->Width(), h = edit->Height();
        // The frame on screen, both pixels of it on every side.
        for (const POINT p : {POINT{0, 0}, POINT{1, h / 2}, POINT{w - 1, h - 1}, POINT{w / 2, h - 2}})
            EXPECT_EQ(FramePixel(*edit, p.x, p.y), c.field) << c.state << " at " << p.x << "," << p.y;
        EXPECT_EQ(edit->FieldColor(), static_cast<TColor>(c.field)) << c.state;
        // The print: frame and face, and the system's text in the section's colour.
        const TCapture print(*edit);
        EXPECT_EQ(print.At(0, 0), c.field) << c.state;
        EXPECT_EQ(print.At(w - 3, 3), c.field) << c.state;
        EXPECT_GT(print.Count(RECT{2, 2, w - 2, h - 2}, c.text), 10) << c.state;
        EXPECT_EQ(print.Count(RECT{0, 0, w, h}, Rgb(1, 2, 3)), 0) << c.state << ": all of it painted";
    }
}

TEST_F(EditTest, DisabledFieldIsItsPictureFadedIntoTheParent)
{
    TsEdit* edit = Add<TsEdit>(form, 20, 20, 120, 24);
    edit->SetCaption("Wm 88");
    ShowForm();
    SkinOn();
    edit->SetEnabled(false);
    testsupport::Pump(30);
    const int w = edit->Width(), h = edit->Height();
    const TCapture print(*edit);
    // White kept at 40 % over the form's grey: between the two, the same
    // on the frame and the face.
    const COLORREF faded = print.At(0, 0);
    EXPECT_LT(Red(faded), 255);
    EXPECT_GT(Red(faded), 150);
    EXPECT_EQ(print.At(w - 3, h / 2), faded);
    EXPECT_EQ(FramePixel(*edit, 0, 0), faded) << "the frame on screen";
    // The text is still there, faded: darker than the field, never black.
    EXPECT_EQ(print.Count(RECT{0, 0, w, h}, kText), 0);
    EXPECT_GT(CountIf(print, RECT{2, 2, w - 2, h - 2}, [](COLORREF c) { return Red(c) < 180; }), 10);
    // The client area on screen is the cache's face, not the system's grey text.
    HDC dc = GetDC(edit->Handle());
    EXPECT_EQ(GetPixel(dc, w - 6, h / 2 - 2), faded);
    ReleaseDC(edit->Handle(), dc);
}

TEST_F(EditTest, DisabledSpinEditDrawsItsArrowsIntoItsFadedPicture)
{
    TsSpinEdit* spin = Add<TsSpinEdit>(form, 20, 20, 57, 24);
    ShowForm();
    SkinOn();
    TsSpinButton* arrows = spin->Arrows();
    ASSERT_TRUE(IsWindowVisible(arrows->Handle()));
    const RECT place{arrows->Left() + 2, arrows->Top() + 2, arrows->Left() + 2 + arrows->Width(),
                     arrows->Top() + 2 + arrows->Height()};
    auto arrowInk = [](COLORREF c) { return Red(c) < 180 && Green(c) < 180 && Blue(c) < 180; };
    spin->SetEnabled(false);
    testsupport::Pump(30);
    EXPECT_FALSE(IsWindowVisible(arrows->Handle())) << "the arrows' window hides";
    const TCapture disabled(*spin);
    // Both triangles (7 + 5 + 3 + 1 pixels each), faded but there.
    EXPECT_GE(CountIf(disabled, place, arrowInk), 2 * 10);
    EXPECT_EQ(disabled.Count(place, kText), 0) << "faded";
    spin->SetEnabled(true);
    testsupport::Pump(30);
    EXPECT_TRUE(IsWindowVisible(arrows->Handle()));
    SkinOff();
    spin->SetEnabled(false);
    testsupport::Pump(30);
    EXPECT_TRUE(IsWindowVisible(arrows->Handle())) << "without a skin the system's disabled arrows stay";
}

}  // namespace
}  // namespace taramel

namespace taramel {
namespace {

using namespace testing_support;

TEST_F(EditTest, TypingRulesOfTheSpinEdits)
{
    TsBaseSpinEdit* base = Add<TsBaseSpinEdit>(form, 20, 20, 80, 24);
    TsSpinEdit* spin = Add<TsSpinEdit>(form, 20, 60, 80, 24);
    ShowForm();
    wchar_t separator[4] = L".";
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4);
    const std::wstring typed = std::wstring(L"1a+-") + separator[0] + L"2 \r";
    const std::string sep = Narrow(std::wstring(1, separator[0]));
    const struct {
        TsBaseSpinEdit* edit;
        bool editorEnabled;
        std::string shown;
    } cases[] = {
        {base, true, "1+-" + sep + "2"},  // digits, signs and the decimal separator
        {spin, true, "12"},               // digits only
        {base, false, "0"},               // nothing typed: the text stays
        {spin, false, "0"},
    };
    for (const auto& c : cases) {
        c.edit->EditorEnabled = c.editorEnabled;
        c.edit->SetCaption("0");
        SetFocus(c.edit->Handle());
        SendMessageW(c.edit->Handle(), EM_SETSEL, 0, -1);
        for (wchar_t ch : typed)
            SendMessageW(c.edit->Handle(), WM_CHAR, ch, 0);
        EXPECT_EQ(c.edit->Caption(), c.shown) << c.edit->ClassName() << " editor " << c.editorEnabled;
    }
    // Pasting follows typing: refused when the editor is off, whatever the text.
    spin->EditorEnabled = false;
    spin->SetCaption("7");
    SendMessageW(spin->Handle(), EM_SETSEL, 0, -1);
    SendMessageW(spin->Handle(), WM_CUT, 0, 0);
    EXPECT_EQ(spin->Caption(), "7");
    spin->SetReadOnly(true);
    spin->EditorEnabled = true;
    SendMessageW(spin->Handle(), WM_CUT, 0, 0);
    EXPECT_EQ(spin->Caption(), "7") << "read-only";
    spin->UpClick();
    EXPECT_EQ(spin->Value(), 7) << "a read-only field does not step";
}

}  // namespace
}  // namespace taramel
