// Skinned frames on real windows: adoption by the hook on activation, the
// frame read back from the window's DC in both activation states, the hit
// test of every frame part, caption buttons through hover, press and
// release, closing through the normal path, moving by the caption, and the
// skin switched off and on with the handles counted.
#include <windows.h>

#include <psapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/FormLayout_win.h"
#include "controls/Shape.h"
#include "engine/Composition_win.h"
#include "engine/SkinCommand_win.h"
#include "engine/SkinManager_win.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "render/Bitmap.h"
#include "tests/frames/FramesFixture.h"
#include "tests/support/MessagePump.h"
#include "tests/support/PixelCanvas.h"
#include "tests/support/SystemMouse.h"
#include "windows/SkinProvider_win.h"
#include "windows/WindowHook.h"

namespace taramel {
namespace {

constexpr COLORREF kActiveBorder = RGB(0, 0, 200);
constexpr COLORREF kInactiveBorder = RGB(96, 96, 96);
constexpr COLORREF kActiveTitle = RGB(128, 160, 0);
constexpr COLORREF kInactiveTitle = RGB(128, 128, 128);
constexpr COLORREF kClose[3] = {RGB(200, 0, 0), RGB(255, 128, 0), RGB(128, 0, 0)};

TEST_F(FramesTest, ActivationAdoptsTheFormOnceAndRemovesTheSystemButtons)
{
    TForm* form = MakeForm(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize, 20);
    TsSkinProvider* provider = ShowAndAdopt(form);
    ASSERT_NE(provider, nullptr);
    EXPECT_EQ(GetWindowLongW(form->Handle(), GWL_STYLE) & WS_SYSMENU, 0);
    EXPECT_EQ(SendMessageW(form->Handle(), SM_ALPHACMD, MakeSkinWParam(CMD_IS_SKINNED), 0), 1);
    EXPECT_FALSE(AdoptWindow(form->Handle()));
    // A form marked for no automatic skinning keeps the system's frame.
    TForm* plain = MakeForm(TFormBorderStyle::bsSingle, biSystemMenu, 360);
    plain->Tag = -98;
    EXPECT_EQ(ShowAndAdopt(plain), nullptr);
}

struct HitCase {
    const char* what;
    int x, y;  // window coordinates; negative counts from the right / bottom
    int hit;
};

TEST_F(FramesTest, HitTestOfEveryFramePartForTheThreeKindsOfWindow)
{
    struct Kind {
        const char* name;
        TFormBorderStyle style;
        unsigned icons;
        bool minimize;
    } kinds[] = {
        {"main window", TFormBorderStyle::bsSingle, biSystemMenu | biMinimize, true},
        {"settings dialog", TFormBorderStyle::bsDialog, biSystemMenu, false},
        {"about dialog", TFormBorderStyle::bsDialog, biSystemMenu, false},
    };
    for (const Kind& k : kinds) {
        TForm* form = MakeForm(k.style, k.icons, 20);
        TsSkinProvider* p = ShowAndAdopt(form);
        ASSERT_NE(p, nullptr) << k.name;
        const FrameLayout l = p->Layout();
        const FrameMetrics m = p->Metrics();
        const int b = m.Border;
        const HitCase cases[] = {
            {"caption", m.Width / 2, b + m.Caption / 2, HTCAPTION},
            {"icon", (l.Icon.Left + l.Icon.Right) / 2, (l.Icon.Top + l.Icon.Bottom) / 2, HTSYSMENU},
            {"close", (l.Buttons[cbClose].Left + l.Buttons[cbClose].Right) / 2, l.Buttons[cbClose].Top + 2, HTCLOSE},
            {"left border", 0, m.Height / 2, HTBORDER},
            {"right border", m.Width - 1, m.Height / 2, HTBORDER},
            {"bottom border", m.Width / 2, m.Height - 1, HTBORDER},
            {"bottom-left corner", 0, m.Height - 1, HTBORDER},
            {"bottom-right corner", m.Width - 1, m.Height - 1, HTBORDER},
            {"top-left corner", 0, 0, HTCAPTION},
            {"client", m.Width / 2, m.Height / 2, HTCLIENT},
        };
        RECT wr;
        GetWindowRect(form->Handle(), &wr);
        for (const HitCase& c : cases) {
            const LRESULT hit = SendMessageW(form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(wr.left + c.x, wr.top + c.y));
            EXPECT_EQ(hit, c.hit) << k.name << ": " << c.what;
        }
        EXPECT_EQ(l.Shown[cbMin], k.minimize) << k.name;
        if (k.minimize) {
            const POINT pt = ScreenPoint(form->Handle(), l.Buttons[cbMin]);
            EXPECT_EQ(SendMessageW(form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)), HTMINBUTTON);
        }
        form->Hide();
    }
}

TEST_F(FramesTest, FramePixelsFollowActivation)
{
    TForm* form = MakeForm(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize, 20);
    TsSkinProvider* p = ShowAndAdopt(form);
    ASSERT_NE(p, nullptr);
    const FrameMetrics m = p->Metrics();
    const FrameLayout l = p->Layout();
    SendMessageW(form->Handle(), WM_NCACTIVATE, TRUE, 0);
    EXPECT_EQ(PixelAt(form->Handle(), 1, m.Height / 2), kActiveBorder);
    EXPECT_EQ(PixelAt(form->Handle(), l.Text.Right - 2, m.Border + 2), kActiveTitle);
    const POINT close{(l.Buttons[cbClose].Left + l.Buttons[cbClose].Right) / 2, l.Buttons[cbClose].Top + 3};
    EXPECT_EQ(PixelAt(form->Handle(), close.x, close.y), kClose[0]);

    SendMessageW(form->Handle(), WM_NCACTIVATE, FALSE, 0);
    EXPECT_EQ(PixelAt(form->Handle(), 1, m.Height / 2), kInactiveBorder);
    EXPECT_EQ(PixelAt(form->Handle(), l.Text.Right - 2, m.Border + 2), kInactiveTitle);
    // An inactive form's resting buttons are washed out, never the active look.
    EXPECT_NE(PixelAt(form->Handle(), close.x, close.y), kClose[0]);
}

// The title band runs from edge to edge: beside it, below the rounded top
// corners, the side borders show the title, not a column of border fill;
// below the title the border is the border again.
TEST_F(FramesTest, TitleBandReachesBothSideEdges)
{
    TForm* form = MakeForm(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize, 20);
    TsSkinProvider* p = ShowAndAdopt(form);
    ASSERT_NE(p, nullptr);
    const FrameMetrics m = p->Metrics();
    const int y = m.Border + 2;
    for (const bool active : {true, false}) {
        SendMessageW(form->Handle(), WM_NCACTIVATE, active ? TRUE : FALSE, 0);
        const COLORREF title = active ? kActiveTitle : kInactiveTitle;
        const COLORREF border = active ? kActiveBorder : kInactiveBorder;
        const struct {
            const char* what;
            int x, y;
            COLORREF colour;
        } cases[] = {
            {"left edge beside the title", 0, y, title},
            {"left border beside the title", m.Border - 1, y, title},
            {"right border beside the title", m.Width - m.Border, y, title},
            {"right edge beside the title", m.Width - 1, y, title},
            {"left edge below the title", 0, m.Height / 2, border},
            {"right edge below the title", m.Width - 1, m.Height / 2, border},
        };
        for (const auto& c : cases)
            EXPECT_EQ(PixelAt(form->Handle(), c.x, c.y), c.colour) << c.what << (active ? " (active)" : " (inactive)");
    }
}

TEST_F(FramesTest, MaximisedPlaceCoversTheWorkAreaWithTheBordersOutside)
{
    TForm* form = MakeForm(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize | biMaximize, 20);
    ASSERT_NE(ShowAndAdopt(form), nullptr);
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    ASSERT_TRUE(GetMonitorInfoW(MonitorFromWindow(form->Handle(), MONITOR_DEFAULTTONEAREST), &mi));
    MINMAXINFO info{};
    SendMessageW(form->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    // A single frame: B is the dialog frame; the skin keeps the system's caption.
    const int b = GetSystemMetrics(SM_CXDLGFRAME);
    EXPECT_EQ(info.ptMaxSize.x, mi.rcWork.right - mi.rcWork.left + 2 * b);
    EXPECT_EQ(info.ptMaxSize.y, mi.rcWork.bottom - mi.rcWork.top + b);
    EXPECT_EQ(info.ptMaxPosition.y, 0);
}

TEST_F(FramesTest, ScreenSnapCatchesTheFormNearTheWorkAreasEdges)
{
    TForm* form = MakeForm(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize, 20);
    TsSkinProvider* p = ShowAndAdopt(form);
    ASSERT_NE(p, nullptr);
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    ASSERT_TRUE(GetMonitorInfoW(MonitorFromWindow(form->Handle(), MONITOR_DEFAULTTONEAREST), &mi));
    const HWND w = form->Handle();
    auto moveTo = [&](int x, int y) {
        SetWindowPos(w, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT r;
        GetWindowRect(w, &r);
        return r;
    };
    // Off by default: the form goes where it is put.
    EXPECT_EQ(moveTo(mi.rcWork.left + 6, 100).left, mi.rcWork.left + 6);
    p->ScreenSnap = true;
    EXPECT_EQ(moveTo(mi.rcWork.left + 6, 100).left, mi.rcWork.left);
    EXPECT_EQ(moveTo(mi.rcWork.left + 11, 100).left, mi.rcWork.left + 11);
    EXPECT_EQ(moveTo(mi.rcWork.right - 320 + 7, mi.rcWork.top + 3).right, mi.rcWork.right);
    EXPECT_EQ(moveTo(200, mi.rcWork.top + 3).top, mi.rcWork.top);
}

TEST_F(FramesTest, WindowMenuGreysSize)
{
    TForm* form = MakeForm(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize, 20);
    ASSERT_NE(ShowAndAdopt(form), nullptr);
    const HWND w = form->Handle();
    HMENU menu = GetSystemMenu(w, FALSE);
    ASSERT_NE(menu, nullptr);
    EnableMenuItem(menu, SC_SIZE, MF_BYCOMMAND | MF_ENABLED);
    // As a menu of the window's own (not the window menu), Size is left alone.
    SendMessageW(w, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(0, FALSE));
    EXPECT_EQ(GetMenuState(menu, SC_SIZE, MF_BYCOMMAND) & MF_GRAYED, 0u);
    SendMessageW(w, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(0, TRUE));
    EXPECT_NE(GetMenuState(menu, SC_SIZE, MF_BYCOMMAND) & MF_GRAYED, 0u);
}

// Caption changes and button looks repaint only the title or the buttons
// over copies kept from the last whole build: what they leave must be what a
// whole build of the same state paints.
TEST_F(FramesTest, PartialRepaintsLeaveWhatAWholeBuildPaints)
{
    TForm* form = MakeForm(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize, 20);
    TsSkinProvider* p = ShowAndAdopt(form);
    ASSERT_NE(p, nullptr);
    const HWND w = form->Handle();
    SendMessageW(w, WM_NCACTIVATE, TRUE, 0);
    int width = 0;
    const std::vector<COLORREF> original = ReadWindow(w, width);

    // Hovering a button and leaving it again.
    const TRect button = p->Layout().Buttons[cbClose];
    const POINT close = ScreenPoint(w, button);
    SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(close.x, close.y));
    // The whole button shows its hot look on the screen.
    const std::vector<COLORREF> hot = ReadWindow(w, width);
    int wrong = 0;
    for (int y = button.Top; y < button.Bottom; ++y)
        for (int x = button.Left; x < button.Right; ++x)
            wrong += hot[static_cast<std::size_t>(y * width + x)] != kClose[1];
    EXPECT_EQ(wrong, 0) << "pixels of the hot Close button in another colour";
    SendMessageW(w, WM_NCMOUSELEAVE, 0, 0);
    EXPECT_EQ(ReadWindow(w, width), original) << "after leaving the button";

    // A shorter caption leaves nothing of the longer one.
    form->SetCaption("П");
    const std::vector<COLORREF> shorter = ReadWindow(w, width);
    TForm* fresh = MakeForm(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize, 20);
    fresh->SetCaption("П");
    ASSERT_NE(ShowAndAdopt(fresh), nullptr);
    SendMessageW(fresh->Handle(), WM_NCACTIVATE, TRUE, 0);
    EXPECT_EQ(ReadWindow(fresh->Handle(), width), shorter) << "caption changed against a whole build";
    fresh->Hide();

    // Back to the first caption and through inactive: the first frame again.
    SetForegroundWindow(w);
    SetActiveWindow(w);
    form->SetCaption("Проба рамки");
    SendMessageW(w, WM_NCACTIVATE, FALSE, 0);
    SendMessageW(w, WM_NCACTIVATE, TRUE, 0);
    testsupport::Pump(30);  // the client, uncovered by the other form
    EXPECT_EQ(ReadWindow(w, width), original) << "after the round trip";
}

TEST_F(FramesTest, SizeGripIsDrawnAndGrabbedAtTheClientsBottomRight)
{
    constexpr COLORREF kGrip = RGB(10, 200, 10);
    TForm* form = MakeForm(TFormBorderStyle::bsSizeable, biSystemMenu | biMinimize | biMaximize, 20);
    TsSkinProvider* p = ShowAndAdopt(form);
    ASSERT_NE(p, nullptr);
    const HWND w = form->Handle();
    RECT wr;
    GetWindowRect(w, &wr);
    const TRect client = p->Metrics().Client;
    // The grip's bottom-right pixel, inside the client area.
    const POINT corner{client.Right - 2, client.Bottom - 2};
    auto hitAt = [&](POINT q) {
        return SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(wr.left + q.x, wr.top + q.y));
    };
    EXPECT_EQ(hitAt(corner), HTCLIENT);
    EXPECT_NE(PixelAt(w, corner.x, corner.y), kGrip);

    p->SetGripMode(gmRightBottom);
    testsupport::Pump(30);
    EXPECT_EQ(hitAt(corner), HTBOTTOMRIGHT);
    EXPECT_EQ(PixelAt(w, corner.x, corner.y), kGrip);
    // The grip's see-through top-left half shows the form.
    EXPECT_NE(PixelAt(w, client.Right - 11, client.Bottom - 11), kGrip);
    EXPECT_EQ(hitAt(POINT{client.Right - 20, client.Bottom - 20}), HTCLIENT);

    // Maximised, a form has no grip.
    ShowWindow(w, SW_MAXIMIZE);
    testsupport::Pump(30);
    GetWindowRect(w, &wr);
    const TRect big = p->Metrics().Client;
    EXPECT_EQ(hitAt(POINT{big.Right - 2, big.Bottom - 2}), HTCLIENT);
    ShowWindow(w, SW_RESTORE);
}

TEST_F(FramesTest, TitleButtonDrawsItsGlyphShowsItsHintAndFiresItsEvents)
{
    constexpr COLORREF kGlyph = RGB(200, 30, 30);
    TForm* form = MakeForm(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize, 20);
    TsSkinProvider* p = ShowAndAdopt(form);
    ASSERT_NE(p, nullptr);
    const HWND w = form->Handle();
    TsTitleButton& button = p->AddTitleButton();
    button.Hint = "Подсказка";
    // A 10 x 10 glyph whose bottom-left pixel (its see-through colour) is black.
    button.Glyph = std::make_unique<TBitmap>(10, 10, TPixelFormat::pf24bit);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            std::uint8_t* px = button.Glyph->ScanLine(y) + x * 3;
            const bool key = x == 0 && y == 9;
            px[0] = key ? 0 : GetBValue(kGlyph);
            px[1] = key ? 0 : GetGValue(kGlyph);
            px[2] = key ? 0 : GetRValue(kGlyph);
        }
    int downs = 0, ups = 0;
    button.OnMouseDown = [&](TsTitleButton&) { ++downs; };
    button.OnMouseUp = [&](TsTitleButton&) { ++ups; };
    SendMessageW(w, WM_NCACTIVATE, TRUE, 0);
    testsupport::Pump(20);

    const FrameLayout l = p->Layout();
    ASSERT_EQ(l.TitleButtons.size(), 1u);
    const TRect r = l.TitleButtons[0];
    // 8 pixels and the spacing left of Minimize, the glyph's own size.
    EXPECT_EQ(r.Right, l.Buttons[cbMin].Left - 2 - 8);
    EXPECT_EQ(r.Width(), 10);
    EXPECT_EQ(PixelAt(w, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2), kGlyph);
    EXPECT_NE(PixelAt(w, r.Left, r.Bottom - 1), kGlyph) << "the see-through pixel";

    const POINT centre = ScreenPoint(w, r);
    const POINT elsewhere = ScreenPoint(w, l.Text);
    ASSERT_EQ(SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(centre.x, centre.y)), fhTitleButton);
    ASSERT_NE(p->Hint().Handle(), nullptr);
    EXPECT_TRUE(IsWindowVisible(p->Hint().Handle()));
    EXPECT_EQ(p->Hint().Text(), L"Подсказка");
    RECT hr;
    GetWindowRect(p->Hint().Handle(), &hr);
    EXPECT_LE(hr.right - hr.left, 200);

    // Pressed and released inside: each event once.
    SendMessageW(w, WM_NCLBUTTONDOWN, fhTitleButton, MAKELPARAM(centre.x, centre.y));
    SendMessageW(w, WM_NCLBUTTONUP, fhTitleButton, MAKELPARAM(centre.x, centre.y));
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(ups, 1);
    // Released elsewhere: no OnMouseUp.
    SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(centre.x, centre.y));
    SendMessageW(w, WM_NCLBUTTONDOWN, fhTitleButton, MAKELPARAM(centre.x, centre.y));
    SendMessageW(w, WM_NCLBUTTONUP, HTCAPTION, MAKELPARAM(elsewhere.x, elsewhere.y));
    EXPECT_EQ(downs, 2);
    EXPECT_EQ(ups, 1);
    // Disabled: nothing fires.
    button.Enabled = false;
    SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(centre.x, centre.y));
    SendMessageW(w, WM_NCLBUTTONDOWN, fhTitleButton, MAKELPARAM(centre.x, centre.y));
    SendMessageW(w, WM_NCLBUTTONUP, fhTitleButton, MAKELPARAM(centre.x, centre.y));
    EXPECT_EQ(downs, 2);
    EXPECT_EQ(ups, 1);
    // Leaving the button closes its hint.
    SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(elsewhere.x, elsewhere.y));
    EXPECT_EQ(p->Hint().Handle(), nullptr);
}

TEST_F(FramesTest, BorderResizeModeDragsAnOutlineAndMovesOnceAtTheRelease)
{
    TForm* form = MakeForm(TFormBorderStyle::bsSizeable, biSystemMenu | biMinimize | biMaximize, 20);
    TsSkinProvider* p = ShowAndAdopt(form);
    ASSERT_NE(p, nullptr);
    p->ResizeMode = rmBorder;
    const HWND w = form->Handle();
    auto rect = [&] {
        RECT r;
        GetWindowRect(w, &r);
        return r;
    };
    // Drags by `hit` from `from` by (dx, dy); the mouse messages come to the
    // form that holds the capture, in client coordinates.
    auto drag = [&](int hit, POINT from, int dx, int dy, bool release) {
        SendMessageW(w, WM_NCLBUTTONDOWN, hit, MAKELPARAM(from.x, from.y));
        EXPECT_TRUE(p->OutlineDragging());
        EXPECT_EQ(GetCapture(), w);
        POINT to{from.x + dx, from.y + dy};
        ScreenToClient(w, &to);
        SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
        if (release)
            SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    };
    const RECT before = rect();
    drag(HTCAPTION, POINT{before.left + 100, before.top + 10}, 40, 25, false);
    EXPECT_EQ(rect().left, before.left) << "the form stays while the outline moves";
    POINT up{before.left + 140, before.top + 35};
    ScreenToClient(w, &up);
    SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(up.x, up.y));
    EXPECT_FALSE(p->OutlineDragging());
    EXPECT_EQ(GetCapture(), nullptr);
    RECT after = rect();
    EXPECT_EQ(after.left - before.left, 40);
    EXPECT_EQ(after.top - before.top, 25);
    EXPECT_EQ(after.right - after.left, before.right - before.left);

    drag(HTBOTTOMRIGHT, POINT{after.right - 1, after.bottom - 1}, 30, 20, true);
    RECT sized = rect();
    EXPECT_EQ(sized.right - sized.left, after.right - after.left + 30);
    EXPECT_EQ(sized.bottom - sized.top, after.bottom - after.top + 20);

    // Losing the capture cancels the drag where it is.
    drag(HTCAPTION, POINT{sized.left + 100, sized.top + 10}, 50, 50, false);
    ReleaseCapture();
    EXPECT_FALSE(p->OutlineDragging());
    EXPECT_EQ(rect().left, sized.left);
}

TEST_F(FramesTest, ClientBackgroundComesFromTheSkinWithWindowlessChildrenOver)
{
    // The frames skin's form section: (204, 204, 204) inside, (221, 221,
    // 221) while active, whatever colour the form has itself.
    constexpr COLORREF kFormIdle = RGB(204, 204, 204);
    constexpr COLORREF kFormActive = RGB(221, 221, 221);
    constexpr COLORREF kShape = RGB(0, 0, 255);
    TForm* form = MakeForm(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize, 20);
    form->SetColor(static_cast<TColor>(RGB(255, 0, 0)));
    auto* shape = MakeControl<TShape>(form, form, "Shape1", 10, 10, 40, 30);
    shape->Brush().Color = static_cast<TColor>(kShape);
    shape->Pen().Color = static_cast<TColor>(kShape);
    TsSkinProvider* p = ShowAndAdopt(form);
    ASSERT_NE(p, nullptr);
    const HWND w = form->Handle();
    const TRect client = p->Metrics().Client;
    auto check = [&](COLORREF back, const char* when) {
        EXPECT_EQ(PixelAt(w, client.Left + 100, client.Top + 100), back) << when;
        EXPECT_EQ(PixelAt(w, client.Left + 30, client.Top + 25), kShape) << when;
    };
    SendMessageW(w, WM_NCACTIVATE, TRUE, 0);
    UpdateWindow(w);
    check(kFormActive, "active");
    // An update without erasing is painted all the same.
    InvalidateRect(w, nullptr, FALSE);
    UpdateWindow(w);
    check(kFormActive, "invalidated without erasing");
    SendMessageW(w, WM_NCACTIVATE, FALSE, 0);
    UpdateWindow(w);
    check(kFormIdle, "inactive");
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    check(kFormIdle, "invalidated and erased");
}

// A child asking the form for its background gets the frame cache with the
// client's place in it, or the area painted at once from there: the form
// section's inside, never the form's own colour.
TEST_F(FramesTest, ChildrenGetTheFrameCacheAsTheFormsBackground)
{
    constexpr COLORREF kFormActive = RGB(221, 221, 221);
    constexpr COLORREF kFormIdle = RGB(204, 204, 204);
    TForm* form = MakeForm(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize, 20);
    form->SetColor(static_cast<TColor>(RGB(255, 0, 0)));
    TsSkinProvider* p = ShowAndAdopt(form);
    ASSERT_NE(p, nullptr);
    const HWND w = form->Handle();
    const TRect client = p->Metrics().Client;
    for (const bool active : {true, false}) {
        SendMessageW(w, WM_NCACTIVATE, active ? TRUE : FALSE, 0);
        const COLORREF expected = active ? kFormActive : kFormIdle;
        BackgroundInfo info;
        SendMessageA(w, SM_ALPHACMD, MakeSkinWParam(CMD_GET_BG_INFO), reinterpret_cast<LPARAM>(&info));
        ASSERT_EQ(info.Kind, bikBitmap) << active;
        ASSERT_NE(info.Bitmap, nullptr);
        EXPECT_EQ(info.OffsetX, client.Left);
        EXPECT_EQ(info.OffsetY, client.Top);
        // The picture at the client's (100, 100) in the cache, blue-green-red.
        const std::uint8_t* px = info.Bitmap->ScanLine(info.OffsetY + 100) + (info.OffsetX + 100) * 3;
        EXPECT_EQ(RGB(px[2], px[1], px[0]), expected) << active;

        // Painted at once into a memory DC: 8 x 8 from the client's (60, 70).
        const testsupport::TPixelCanvas canvas(8, 8);
        HDC mem = canvas.Dc();
        BackgroundInfo paint;
        paint.PaintNow = 1;
        paint.TargetDC = mem;
        paint.Area = {0, 0, 8, 8};
        paint.OffsetX = 60;
        paint.OffsetY = 70;
        SendMessageA(w, SM_ALPHACMD, MakeSkinWParam(CMD_GET_BG_INFO), reinterpret_cast<LPARAM>(&paint));
        EXPECT_EQ(paint.Kind, bikBitmap);
        EXPECT_EQ(GetPixel(mem, 0, 0), expected) << active;
        EXPECT_EQ(GetPixel(mem, 7, 7), expected) << active;
    }
}

// The border window of an extended border is told of every change of what
// it shows: frame paints, moves, sizes and activation.
TEST_F(FramesTest, BorderWindowFollowsPaintsMovesSizesAndActivation)
{
    struct CountingLink : TBorderWindowLink {
        int* updates;
        explicit CountingLink(int* u) : updates(u) {}
        void Update(TsSkinProvider&) override { ++*updates; }
    };
    TForm* form = MakeForm(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize, 20);
    TsSkinProvider* p = ShowAndAdopt(form);
    ASSERT_NE(p, nullptr);
    int updates = 0;
    p->SetBorderWindow(std::make_unique<CountingLink>(&updates));
    const HWND w = form->Handle();
    struct Step {
        const char* what;
        std::function<void()> act;
    } steps[] = {
        {"moved", [&] { SetWindowPos(w, nullptr, 60, 70, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE); }},
        {"sized", [&] { SetWindowPos(w, nullptr, 0, 0, 360, 250, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE); }},
        {"deactivated", [&] { SendMessageW(w, WM_NCACTIVATE, FALSE, 0); }},
        {"frame painted", [&] { RedrawWindow(w, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW); }},
    };
    for (const Step& s : steps) {
        const int before = updates;
        s.act();
        testsupport::Pump(10);
        EXPECT_GT(updates, before) << s.what;
    }
}

TEST_F(FramesTest, CloseButtonLooksAndClickClosesTheDialogAsCancel)
{
    TForm* dialog = MakeForm(TFormBorderStyle::bsDialog, biSystemMenu, 20);
    TsSkinProvider* p = ShowAndAdopt(dialog);
    ASSERT_NE(p, nullptr);
    SendMessageW(dialog->Handle(), WM_NCACTIVATE, TRUE, 0);
    const HWND w = dialog->Handle();
    const FrameLayout l = p->Layout();
    const POINT at{(l.Buttons[cbClose].Left + l.Buttons[cbClose].Right) / 2, l.Buttons[cbClose].Top + 3};
    const POINT screen = ScreenPoint(w, l.Buttons[cbClose]);

    SetCursorPos(screen.x, screen.y);
    SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
    EXPECT_EQ(PixelAt(w, at.x, at.y), kClose[1]);
    SendMessageW(w, WM_NCLBUTTONDOWN, HTCLOSE, MAKELPARAM(screen.x, screen.y));
    EXPECT_EQ(PixelAt(w, at.x, at.y), kClose[2]);

    // Released elsewhere: nothing happens, the button rests again.
    POINT elsewhere{screen.x - 100, screen.y};
    ScreenToClient(w, &elsewhere);
    SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(elsewhere.x, elsewhere.y));
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_EQ(PixelAt(w, at.x, at.y), kClose[0]);

    // Pressed and released inside, in a modal loop: the dialog ends as Cancel.
    int result = -1;
    PostMessageW(w, WM_NCLBUTTONDOWN, HTCLOSE, MAKELPARAM(screen.x, screen.y));
    PostMessageW(w, WM_NCLBUTTONUP, HTCLOSE, MAKELPARAM(screen.x, screen.y));
    dialog->Hide();
    result = dialog->ShowModal();
    EXPECT_EQ(result, mrCancel);
}

TEST_F(FramesTest, DraggingTheCaptionMovesTheForm)
{
    TForm* form = MakeForm(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize, 20);
    ASSERT_NE(ShowAndAdopt(form), nullptr);
    RECT before;
    GetWindowRect(form->Handle(), &before);
    // The caption answers the hit test, so the system's own move applies.
    const POINT grab{before.left + 100, before.top + 10};
    ASSERT_EQ(SendMessageW(form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(grab.x, grab.y)), HTCAPTION);
    // Real input goes to the foreground window of a desktop that is ready.
    testsupport::PumpUntil([&] { return GetForegroundWindow() == form->Handle(); }, 1000);
    // A desktop that has just started takes a while before the pointer follows.
    testsupport::PumpUntil([&] {
        SetCursorPos(grab.x, grab.y);
        POINT at{};
        GetCursorPos(&at);
        return at.x == grab.x && at.y == grab.y && WindowFromPoint(grab) == form->Handle();
    }, 3000);
    testsupport::Pump(200);
    // The input comes from another thread: the system's move loop runs on
    // this one until the button is released.
    testsupport::MouseFromAnotherThread([&] {
        testsupport::DragThrough(grab, {{grab.x + 20, grab.y + 10}, {grab.x + 40, grab.y + 25}});
    });
    RECT after;
    GetWindowRect(form->Handle(), &after);
    EXPECT_EQ(after.left - before.left, 40);
    EXPECT_EQ(after.top - before.top, 25);
}

// A skin change and a new caption while the form is hidden are neither built
// nor drawn then; shown again (without an activation, which would rebuild the
// frame anyway), the form shows both, as a form made with them.
TEST_F(FramesTest, AFormHiddenThroughASkinChangeShowsTheNewSkinWhenShown)
{
    TForm* form = MakeForm(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize, 20);
    TsSkinProvider* p = ShowAndAdopt(form);
    ASSERT_NE(p, nullptr);
    const HWND w = form->Handle();
    const FrameMetrics m = p->Metrics();
    SendMessageW(w, WM_NCACTIVATE, FALSE, 0);
    ASSERT_EQ(PixelAt(w, 1, m.Height / 2), kInactiveBorder);
    form->Hide();
    testsupport::Pump(5);
    const unsigned serial = p->FrameSerial();
    manager->SetHueOffset(120);
    form->SetCaption("Другая");
    EXPECT_EQ(p->FrameSerial(), serial) << "a hidden form's frame was built";

    ShowWindow(w, SW_SHOWNOACTIVATE);
    testsupport::Pump(30);
    int width = 0;
    const std::vector<COLORREF> shown = ReadWindow(w, width);
    form->Hide();
    TForm* fresh = MakeForm(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize, 20);
    fresh->SetCaption("Другая");
    ASSERT_NE(ShowAndAdopt(fresh), nullptr);
    SendMessageW(fresh->Handle(), WM_NCACTIVATE, FALSE, 0);
    testsupport::Pump(5);
    EXPECT_EQ(ReadWindow(fresh->Handle(), width), shown) << "the form shown again against a whole build";
}

TEST_F(FramesTest, SkinOffGivesTheSystemFrameBackAndOnGivesOursWithHandlesFlat)
{
    TForm* form = MakeForm(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize, 20);
    ASSERT_NE(ShowAndAdopt(form), nullptr);
    const HWND w = form->Handle();
    auto cycle = [&] {
        manager->SetActive(false);
        testsupport::Pump(1);
        EXPECT_EQ(ProviderOfWindow(w), nullptr);
        EXPECT_NE(GetWindowLongW(w, GWL_STYLE) & WS_SYSMENU, 0);
        manager->SetActive(true);
        SendMessageW(w, WM_NCACTIVATE, FALSE, 0);
        SetActiveWindow(GetDesktopWindow());
        SetForegroundWindow(w);
        SetActiveWindow(w);
        testsupport::Pump(1);
    };
    cycle();
    ASSERT_NE(ProviderOfWindow(w), nullptr);
    const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    for (int i = 0; i < 200 && !HasFailure(); ++i)
        cycle();
    EXPECT_NE(ProviderOfWindow(w), nullptr);
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdi + 2);
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), user + 2);
}


// The Help button's colours in the frames skin: normal, hot, pressed.
constexpr COLORREF kHelp[3] = {RGB(150, 0, 150), RGB(230, 120, 40), RGB(70, 0, 70)};
constexpr COLORREF kMin[3] = {RGB(0, 160, 160), RGB(0, 255, 255), RGB(0, 96, 96)};

// Counts the system commands that reach a form's procedure, in front of its
// provider, and keeps the `kept` ones from the system (whose context-help
// mode waits for the next click, and whose moving and sizing run until the
// mouse button is up).
struct SystemCommandCounter {
    std::shared_ptr<std::vector<WPARAM>> seen = std::make_shared<std::vector<WPARAM>>();
    SystemCommandCounter(TForm* form, std::vector<WPARAM> kept)
    {
        TWindowProc inner = form->WindowProc;
        form->WindowProc = [inner, seen = seen, kept = std::move(kept)](TMessage& m) {
            if (m.Msg == WM_SYSCOMMAND) {
                const WPARAM command = m.WParam & 0xFFF0;
                seen->push_back(command);
                if (std::find(kept.begin(), kept.end(), command) != kept.end()) {
                    m.Result = 0;
                    return;
                }
            }
            inner(m);
        };
    }
    int Count(WPARAM command) const { return static_cast<int>(std::count(seen->begin(), seen->end(), command)); }
};

// A form with the Help icon: the Help button left of the others in its
// looks, answering HTHELP, and its click giving the form the system's
// context-help command once, as the system's own Help button does.
TEST_F(FramesTest, HelpButtonShowsAnswersAndAsksForContextHelp)
{
    const struct {
        const char* what;
        TFormBorderStyle style;
        unsigned icons;
        TCaptionButton rightOfHelp;
    } kinds[] = {
        {"dialog", TFormBorderStyle::bsDialog, biSystemMenu | biHelp, cbClose},
        {"single with Minimize", TFormBorderStyle::bsSingle, biSystemMenu | biMinimize | biHelp, cbMin},
    };
    for (const auto& k : kinds) {
        TForm* form = MakeForm(k.style, k.icons, 20);
        TsSkinProvider* p = ShowAndAdopt(form);
        ASSERT_NE(p, nullptr) << k.what;
        const HWND w = form->Handle();
        SendMessageW(w, WM_NCACTIVATE, TRUE, 0);
        const FrameLayout l = p->Layout();
        ASSERT_TRUE(l.Shown[cbHelp]) << k.what;
        const TRect help = l.Buttons[cbHelp];
        EXPECT_EQ(help.Right, l.Buttons[k.rightOfHelp].Left - 2) << k.what << ": BISPACE left of its neighbour";
        const POINT at{(help.Left + help.Right) / 2, help.Top + 3};
        const POINT screen = ScreenPoint(w, help);
        SystemCommandCounter commands(form, {SC_CONTEXTHELP});

        EXPECT_EQ(PixelAt(w, at.x, at.y), kHelp[0]) << k.what;
        EXPECT_EQ(SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)), HTHELP) << k.what;
        EXPECT_EQ(PixelAt(w, at.x, at.y), kHelp[1]) << k.what << ": hot";
        SendMessageW(w, WM_NCLBUTTONDOWN, HTHELP, MAKELPARAM(screen.x, screen.y));
        EXPECT_EQ(PixelAt(w, at.x, at.y), kHelp[2]) << k.what << ": pressed";
        // Released elsewhere: no command, the button rests again.
        POINT elsewhere{screen.x - 100, screen.y};
        ScreenToClient(w, &elsewhere);
        SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(elsewhere.x, elsewhere.y));
        EXPECT_EQ(commands.Count(SC_CONTEXTHELP), 0) << k.what;
        EXPECT_EQ(PixelAt(w, at.x, at.y), kHelp[0]) << k.what;

        // Pressed and released inside: one context-help command, nothing else.
        SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
        SendMessageW(w, WM_NCLBUTTONDOWN, HTHELP, MAKELPARAM(screen.x, screen.y));
        SendMessageW(w, WM_NCLBUTTONUP, HTHELP, MAKELPARAM(screen.x, screen.y));
        EXPECT_EQ(commands.Count(SC_CONTEXTHELP), 1) << k.what;
        EXPECT_EQ(commands.seen->size(), 1u) << k.what;
        EXPECT_TRUE(IsWindowVisible(w)) << k.what;
        EXPECT_FALSE(IsIconic(w)) << k.what;

        // An inactive form's resting Help button is washed out like the others.
        SendMessageW(w, WM_NCMOUSELEAVE, 0, 0);
        SendMessageW(w, WM_NCACTIVATE, FALSE, 0);
        EXPECT_NE(PixelAt(w, at.x, at.y), kHelp[0]) << k.what;
        form->Hide();
    }
}

// A skin whose caption-button images draw nothing (no states, or states
// narrower than a pixel) still gives buttons that are seen where they
// answer: the system's face at the missing-image size, and a click on
// Minimize minimises, never closes.
TEST_F(FramesTest, UnusableCaptionImagesGetTheSystemFaceAndDoWhatTheyShow)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string root = std::string(temp) + "taramel-frames-buttons";
    const std::string folder = root + "\\BadButtons";
    CreateDirectoryA(root.c_str(), nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string frames = std::string(TARAMEL_TEST_DATA) + "\\skins\\Frames\\";
    ASSERT_TRUE(CopyFileA((frames + "MASTER.BMP").c_str(), (folder + "\\MASTER.BMP").c_str(), FALSE));
    {
        std::FILE* in = std::fopen((frames + "Options.dat").c_str(), "rb");
        ASSERT_NE(in, nullptr);
        std::string text;
        for (int c; (c = std::fgetc(in)) != EOF;)
            text += static_cast<char>(c);
        std::fclose(in);
        auto replace = [&text](const std::string& from, const std::string& to) {
            const std::size_t at = text.find(from);
            ASSERT_NE(at, std::string::npos) << from;
            text.replace(at, from.size(), to);
        };
        replace("BICONCLOSE=@0000,0000,0048,0014,3,0", "BICONCLOSE=@0000,0000,0048,0014,0,0");
        replace("BICONMIN=@0000,0014,0048,0028,3,0", "BICONMIN=!MASTER.BMP!9999!0!0");
        std::FILE* out = std::fopen((folder + "\\Options.dat").c_str(), "wb");
        ASSERT_NE(out, nullptr);
        std::fwrite(text.data(), 1, text.size(), out);
        std::fclose(out);
    }
    manager->SetActive(false);
    manager->SetSkinDirectory(root);
    manager->SetSkinName("BadButtons");
    manager->SetActive(true);
    DeleteFileA((folder + "\\MASTER.BMP").c_str());
    DeleteFileA((folder + "\\Options.dat").c_str());
    RemoveDirectoryA(folder.c_str());
    RemoveDirectoryA(root.c_str());
    ASSERT_TRUE(manager->SkinReady());

    TForm* form = MakeForm(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize, 20);
    TsSkinProvider* p = ShowAndAdopt(form);
    ASSERT_NE(p, nullptr);
    const HWND w = form->Handle();
    SendMessageW(w, WM_NCACTIVATE, TRUE, 0);
    const FrameLayout l = p->Layout();
    const struct {
        TCaptionButton button;
        int hit;
    } buttons[] = {{cbClose, HTCLOSE}, {cbMin, HTMINBUTTON}};
    int width = 0;
    const std::vector<COLORREF> pixels = ReadWindow(w, width);
    for (const auto& b : buttons) {
        ASSERT_TRUE(l.Shown[b.button]) << b.hit;
        const TRect r = l.Buttons[b.button];
        EXPECT_EQ(r.Width(), 21) << b.hit;
        EXPECT_EQ(r.Height(), 21) << b.hit;
        const POINT screen = ScreenPoint(w, r);
        EXPECT_EQ(SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)), b.hit);
        // Drawn: most of the button is not the title band behind it.
        int drawn = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                drawn += pixels.at(static_cast<std::size_t>(y * width + x)) != kActiveTitle ? 1 : 0;
        EXPECT_GT(drawn, r.Width() * r.Height() / 2) << b.hit;
    }
    EXPECT_NE(PixelAt(w, (l.Buttons[cbMin].Left + l.Buttons[cbMin].Right) / 2, l.Buttons[cbMin].Top + 3),
              kActiveTitle);

    SystemCommandCounter commands(form, {SC_MINIMIZE, SC_CLOSE});
    const POINT min = ScreenPoint(w, l.Buttons[cbMin]);
    SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(min.x, min.y));
    SendMessageW(w, WM_NCLBUTTONDOWN, HTMINBUTTON, MAKELPARAM(min.x, min.y));
    SendMessageW(w, WM_NCLBUTTONUP, HTMINBUTTON, MAKELPARAM(min.x, min.y));
    EXPECT_EQ(commands.Count(SC_MINIMIZE), 1);
    EXPECT_EQ(commands.Count(SC_CLOSE), 0);
    EXPECT_TRUE(IsWindow(w));
    form->Hide();
}

// With glowing allowed, a caption button's new look fades in above the
// frame in a layered window owned by the form, 25 more opaque each tick,
// stays while the cursor is over the button and fades out when it leaves;
// the frame keeps the resting look throughout. A press shows at once.
TEST_F(FramesTest, CaptionButtonsFadeInAboveTheFrameAndOutWhenLeft)
{
    TForm* form = nullptr;
    TsSkinProvider* p = ShowWithSteppedFades(form);
    ASSERT_NE(p, nullptr);
    const HWND w = form->Handle();
    SendMessageW(w, WM_NCACTIVATE, TRUE, 0);
    const FrameLayout l = p->Layout();
    const TRect min = l.Buttons[cbMin];
    const POINT at{(min.Left + min.Right) / 2, min.Top + 3};
    const POINT screen = ScreenPoint(w, min);
    // The real pointer stays far from the form (the system hit-tests where
    // it really is whenever windows change); the test hovers by hit tests.
    testsupport::MouseFromAnotherThread([] { testsupport::MovePointer(1000, 700); });
    SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
    TacSBAnimation* fade = p->ButtonFade(HTMINBUTTON);
    ASSERT_NE(fade, nullptr);
    EXPECT_EQ(fade->Target(), 1);
    EXPECT_EQ(fade->Alpha(), 25);
    const HWND window = fade->Window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(GetWindow(window, GW_OWNER), w);
    EXPECT_NE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    EXPECT_NE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TRANSPARENT, 0);
    RECT wr, fr;
    GetWindowRect(window, &wr);
    GetWindowRect(w, &fr);
    EXPECT_EQ(wr.left - fr.left, min.Left);
    EXPECT_EQ(wr.top - fr.top, min.Top);
    EXPECT_EQ(wr.right - wr.left, min.Width());
    // The picture is the hot look; the frame rests.
    const TBitmap* picture = fade->Picture();
    ASSERT_NE(picture, nullptr);
    const std::uint32_t hot = picture->PixelColor(at.x - min.Left, at.y - min.Top);
    EXPECT_EQ(hot, static_cast<std::uint32_t>(kMin[1]));
    EXPECT_EQ(PixelAt(w, at.x, at.y), kMin[0]);

    std::vector<int> shown;
    for (int i = 0; i < 9; ++i) {
        fade->Tick();
        shown.push_back(fade->Alpha());
    }
    EXPECT_EQ(shown, (std::vector<int>{50, 75, 100, 125, 150, 175, 200, 225, 255}));
    EXPECT_EQ(fade->Target(), 1);

    // Complete, each tick checks the cursor: it is not over the button, so
    // the hot state goes and the picture fades out to nothing, the window
    // gone at the end.
    shown.clear();
    for (int i = 0; i < 13 && fade->Running(); ++i) {
        fade->Tick();
        if (fade->Alpha() != (shown.empty() ? 255 : shown.back()))
            shown.push_back(fade->Alpha());
    }
    EXPECT_NE(p->Buttons().Hot(), HTMINBUTTON);
    EXPECT_EQ(shown, (std::vector<int>{250, 225, 200, 175, 150, 125, 100, 75, 50, 25, 0}));
    EXPECT_FALSE(fade->Running());
    EXPECT_EQ(fade->Window(), nullptr);
    EXPECT_FALSE(IsWindow(window));

    // Pressed: the pressed look at full opacity at once.
    SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
    SendMessageW(w, WM_NCLBUTTONDOWN, HTMINBUTTON, MAKELPARAM(screen.x, screen.y));
    EXPECT_EQ(fade->Target(), 2);
    EXPECT_EQ(fade->Alpha(), 255);
    ASSERT_NE(fade->Picture(), nullptr);
    EXPECT_EQ(fade->Picture()->PixelColor(at.x - min.Left, at.y - min.Top), static_cast<std::uint32_t>(kMin[2]));
    EXPECT_EQ(PixelAt(w, at.x, at.y), kMin[0]);

    // Hiding the form takes every fade with it.
    form->Hide();
    EXPECT_EQ(p->ButtonFade(HTMINBUTTON), nullptr);
}

// A thousand hovers of a caption button, each leaving before its fade in
// ends: every fade makes its window and picture and frees them at its end.
TEST_F(FramesTest, AThousandCaptionButtonHoversLeaveNothingBehind)
{
    TForm* form = nullptr;
    TsSkinProvider* p = ShowWithSteppedFades(form);
    ASSERT_NE(p, nullptr);
    const HWND w = form->Handle();
    const POINT screen = ScreenPoint(w, p->Layout().Buttons[cbMin]);
    testsupport::MouseFromAnotherThread([] { testsupport::MovePointer(1000, 700); });
    auto hover = [&] {
        SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
        TacSBAnimation* fade = p->ButtonFade(HTMINBUTTON);
        if (fade == nullptr)
            return false;
        fade->Tick();
        SendMessageW(w, WM_NCMOUSELEAVE, 0, 0);
        for (int i = 0; i < 20 && fade->Running(); ++i)
            fade->Tick();
        return !fade->Running() && fade->Window() == nullptr;
    };
    for (int i = 0; i < 20; ++i)
        ASSERT_TRUE(hover());
    const ProcessHoldings before;
    int ended = 0;
    for (int i = 0; i < 1000; ++i)
        ended += hover();
    EXPECT_EQ(ended, 1000);
    ExpectNothingKept(before, "1000 hovers");
}

// Close has a glow in the test skin: hot, its picture is the glow, placed
// the skin's margin up and left of the button.
TEST_F(FramesTest, HotCloseShowsTheSkinsGlowAroundIt)
{
    TForm* form = nullptr;
    TsSkinProvider* p = ShowWithSteppedFades(form);
    ASSERT_NE(p, nullptr);
    const HWND w = form->Handle();
    const TRect close = p->Layout().Buttons[cbClose];
    const POINT screen = ScreenPoint(w, close);
    testsupport::MouseFromAnotherThread([] { testsupport::MovePointer(1000, 700); });
    SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
    TacSBAnimation* fade = p->ButtonFade(HTCLOSE);
    ASSERT_NE(fade, nullptr);
    ASSERT_NE(fade->Picture(), nullptr);
    EXPECT_EQ(fade->Picture()->Width(), 12);
    EXPECT_EQ(fade->Picture()->Height(), 12);
    EXPECT_EQ(fade->Place().Left, close.Left - 2);
    EXPECT_EQ(fade->Place().Top, close.Top - 2);
    // Without glowing there is no fade at all: the frame changes at once.
    SendMessageW(w, WM_NCMOUSELEAVE, 0, 0);
    manager->AllowGlowing = false;
    EXPECT_EQ(SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)), HTCLOSE);
    EXPECT_EQ(p->Buttons().Hot(), HTCLOSE);
    EXPECT_EQ(PixelAt(w, (close.Left + close.Right) / 2, close.Top + 3), kClose[1]);
    form->Hide();
}

// A title button's 32-bit glyph is laid over the title by its alpha: what
// the window shows is the title where the glyph is see-through and the mix
// where it is half so; ignoring the alpha would show the glyph's own red.
TEST_F(FramesTest, TitleButtonGlyphWithAlphaIsBlendedOverTheTitle)
{
    TForm* form = MakeForm(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize, 20);
    TsSkinProvider* p = ShowAndAdopt(form);
    ASSERT_NE(p, nullptr);
    const HWND w = form->Handle();
    TsTitleButton& button = p->AddTitleButton();
    // 12 x 12: the top half see-through red, the bottom half white at alpha
    // 128, the bottom-left pixel opaque blue.
    button.Glyph = std::make_unique<TBitmap>(12, 12, TPixelFormat::pf32bit);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
            std::uint8_t* px = button.Glyph->ScanLine(y) + x * 4;
            const bool top = y < 6, corner = x == 0 && y == 11;
            px[0] = corner ? 255 : top ? 0 : 255;
            px[1] = corner ? 0 : top ? 0 : 255;
            px[2] = corner ? 0 : 255;
            px[3] = corner ? 255 : top ? 0 : 128;
        }
    SendMessageW(w, WM_NCACTIVATE, TRUE, 0);
    testsupport::Pump(20);
    const FrameLayout l = p->Layout();
    ASSERT_EQ(l.TitleButtons.size(), 1u);
    const TRect r = l.TitleButtons[0];
    ASSERT_EQ(r.Width(), 12);
    // White at 128 over (128, 160, 0): round((255 * 128 + c * 127) / 255).
    constexpr COLORREF kHalfWhite = RGB(192, 208, 128);
    const struct {
        const char* what;
        int x, y;
        COLORREF colour;
    } cases[] = {
        {"see-through", r.Left + 6, r.Top + 2, kActiveTitle},
        {"see-through corner", r.Right - 1, r.Top, kActiveTitle},
        {"half white", r.Left + 6, r.Top + 8, kHalfWhite},
        {"opaque", r.Left, r.Bottom - 1, RGB(0, 0, 255)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PixelAt(w, c.x, c.y), c.colour) << c.what;
}

// Answers the question of desktop composition for as long as it lives.
struct CompositionAnswer {
    std::function<bool()> previous;
    explicit CompositionAnswer(bool on) : previous(SetDesktopCompositionQuery([on] { return on; })) {}
    ~CompositionAnswer() { SetDesktopCompositionQuery(previous); }
};

// Under desktop composition nothing is drawn on the desktop: rmBorder gives
// way to the system's own moving and sizing, and the form's choice stays.
TEST_F(FramesTest, DesktopCompositionForcesStandardMovingAndSizing)
{
    TForm* form = MakeForm(TFormBorderStyle::bsSizeable, biSystemMenu | biMinimize | biMaximize, 20);
    TsSkinProvider* p = ShowAndAdopt(form);
    ASSERT_NE(p, nullptr);
    p->ResizeMode = rmBorder;
    const HWND w = form->Handle();
    SystemCommandCounter commands(form, {SC_MOVE, SC_SIZE});
    RECT wr;
    GetWindowRect(w, &wr);
    const struct {
        const char* what;
        int hit;
        POINT at;
        WPARAM command;  // what the system is asked for instead of the outline
    } presses[] = {
        {"caption", HTCAPTION, {wr.left + 100, wr.top + 10}, SC_MOVE},
        {"bottom-right corner", HTBOTTOMRIGHT, {wr.right - 1, wr.bottom - 1}, SC_SIZE},
    };
    for (const bool composition : {false, true}) {
        CompositionAnswer answer(composition);
        EXPECT_EQ(p->ResizeModeInForce(), composition ? rmStandard : rmBorder);
        for (const auto& c : presses) {
            commands.seen->clear();
            SendMessageW(w, WM_NCLBUTTONDOWN, c.hit, MAKELPARAM(c.at.x, c.at.y));
            EXPECT_EQ(p->OutlineDragging(), !composition) << c.what << (composition ? " (composition)" : "");
            EXPECT_EQ(commands.Count(c.command), composition ? 1 : 0) << c.what;
            POINT up = c.at;
            ScreenToClient(w, &up);
            SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(up.x, up.y));
            EXPECT_FALSE(p->OutlineDragging()) << c.what;
        }
        EXPECT_EQ(p->ResizeMode, rmBorder);
    }
    RECT after;
    GetWindowRect(w, &after);
    EXPECT_TRUE(EqualRect(&after, &wr)) << "no press moved the form";
}

// Runs alone in a process of its own (see the tests' build file). The
// program leaves its forms, and the skin manager one of them owns, to the
// application object, which frees them at static destruction, after
// everything static the skinning made on first use. The providers and the
// manager must still find their registries then; a fault shows as this test
// program crashing after its last test.
TEST(FramesAtExit, FormsLeftToTheApplicationAreFreedCleanlyAtTheProgramsEnd)
{
    auto* owner = new TForm(Application);
    auto* exitManager = new TsSkinManager(owner);
    exitManager->SetSkinDirectory(std::string(TARAMEL_TEST_DATA) + "\\skins");
    exitManager->SetSkinName("Frames");
    exitManager->SetActive(true);
    ASSERT_TRUE(exitManager->SkinReady());
    std::vector<TForm*> left{owner, new TForm(Application)};
    for (TForm* form : left) {
        form->AfterConstruction();
        form->SetCaption("Проба рамки");
        form->SetBounds(60, 40, 320, 220);
        form->EndLoadingAll();
        form->Show();
        SetForegroundWindow(form->Handle());
        SetActiveWindow(form->Handle());
        testsupport::PumpUntil([&] { return ProviderOfWindow(form->Handle()) != nullptr; }, 500);
        EXPECT_NE(ProviderOfWindow(form->Handle()), nullptr);
    }
    testsupport::Pump(30);
}

}  // namespace
}  // namespace taramel
