// The extended border on real windows: the form cut to its client, the
// layered border window below it with the frame cache (32 bits, the shadow
// around the form), the skin's own extended border image, switching the
// border off and on with the handles counted, and the mouse on the border
// window acting on the form (Close, dragging by the caption).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "engine/SkinCommand_win.h"
#include "engine/SkinManager_win.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/Menus.h"
#include "render/Bitmap.h"
#include "tests/support/MessagePump.h"
#include "tests/support/SystemMouse.h"
#include "windows/BorderForm_win.h"
#include "windows/SkinProvider_win.h"

namespace taramel {
namespace {

constexpr COLORREF kActiveTitle = RGB(128, 160, 0);
constexpr COLORREF kCloseHot = RGB(255, 128, 0);
constexpr COLORREF kMenuLine = RGB(180, 220, 255);

// One pixel of a 32-bit picture: its colour and its alpha.
struct Pixel {
    COLORREF Colour;
    int Alpha;
};
Pixel PixelOf(const TBitmap& b, int x, int y)
{
    const std::uint8_t* p = b.ScanLine(y) + x * 4;
    return {RGB(p[2], p[1], p[0]), p[3]};
}

RECT WindowRect(HWND w)
{
    RECT r{};
    GetWindowRect(w, &r);
    return r;
}

// The form's client area in its window's coordinates.
RECT ClientInWindow(HWND w)
{
    RECT wr = WindowRect(w), client{};
    GetClientRect(w, &client);
    POINT origin{0, 0};
    ClientToScreen(w, &origin);
    OffsetRect(&client, origin.x - wr.left, origin.y - wr.top);
    return client;
}

class ExtendedBorderTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        // The pointer, moved by the tests, rests away from where the next
        // tests' forms appear.
        SetCursorPos(1200, 1000);
        for (TForm* f : forms_)
            delete f;
        manager.reset();
        testsupport::Pump(20);
    }
    // The skin of tests/data/skins named `skin`, extended borders on.
    void UseSkin(const char* skin)
    {
        manager = std::make_unique<TsSkinManager>(nullptr);
        manager->SetActive(false);
        manager->SetSkinDirectory(std::string(TARAMEL_TEST_DATA) + "\\skins");
        manager->SetSkinName(skin);
        manager->SetActive(true);
        ASSERT_TRUE(manager->SkinReady());
        manager->SetExtendedBorders(true);
    }
    // A form shown, active and adopted; its provider, or null. `prepare`
    // gives the form what it has before it is shown.
    TsSkinProvider* Show(TFormBorderStyle style, unsigned icons, const std::function<void(TForm&)>& prepare = {})
    {
        form = new TForm(Application);
        forms_.push_back(form);
        form->AfterConstruction();
        form->SetBorderStyle(style);
        form->SetBorderIcons(icons);
        form->SetCaption("Проба рамки");
        form->SetBounds(120, 90, 320, 220);
        form->EndLoadingAll();
        if (prepare)
            prepare(*form);
        form->Show();
        SetForegroundWindow(form->Handle());
        SetActiveWindow(form->Handle());
        testsupport::PumpUntil([&] { return ProviderOfWindow(form->Handle()) != nullptr; }, 500);
        testsupport::Pump(30);
        return ProviderOfWindow(form->Handle());
    }
    HWND BorderWindow(const TsSkinProvider& p) const
    {
        const auto* border = dynamic_cast<const TacBorderForm*>(p.BorderWindow());
        return border != nullptr ? border->Handle() : nullptr;
    }
    // A point of the frame cache on the screen.
    static POINT OnScreen(const TsSkinProvider& p, int x, int y)
    {
        const POINT o = p.FrameOrigin();
        return POINT{o.x + x, o.y + y};
    }
    // Waits until the pointer is at `at` over `window` (a desktop that has
    // just started takes a while before the pointer follows).
    static bool PointerOver(HWND window, POINT at)
    {
        return testsupport::PumpUntil(
            [&] {
                SetCursorPos(at.x, at.y);
                POINT now{};
                GetCursorPos(&now);
                return now.x == at.x && now.y == at.y && WindowFromPoint(at) == window;
            },
            3000);
    }

    // The form is freed by the test itself.
    void Forget(TForm* f) { forms_.erase(std::remove(forms_.begin(), forms_.end(), f), forms_.end()); }

    std::unique_ptr<TsSkinManager> manager;
    TForm* form = nullptr;

private:
    std::vector<TForm*> forms_;
};

// The frames skin has no extended border image: the built-in shadow with its
// margins 11, 7, 11, 11 and the skin's defaults, border 4 and title 30.
TEST_F(ExtendedBorderTest, BorderWindowBelowTheFormShowsTheFrameWithTheBuiltInShadow)
{
    UseSkin("Frames");
    TsSkinProvider* p = Show(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize);
    ASSERT_NE(p, nullptr);
    ASSERT_TRUE(p->Extended());
    const HWND w = form->Handle();
    SendMessageW(w, WM_NCACTIVATE, TRUE, 0);
    testsupport::Pump(20);
    const RECT client = ClientInWindow(w);
    const int cw = client.right - client.left, ch = client.bottom - client.top;

    const TBitmap* cache = p->FrameCache();
    ASSERT_NE(cache, nullptr);
    EXPECT_EQ(cache->PixelFormat(), TPixelFormat::pf32bit);
    EXPECT_EQ(cache->Width(), 11 + 4 + cw + 4 + 11);
    EXPECT_EQ(cache->Height(), 7 + 30 + ch + 4 + 11);

    // The form keeps only its client area.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(GetWindowRgn(w, region), SIMPLEREGION);
    RECT box{};
    GetRgnBox(region, &box);
    DeleteObject(region);
    EXPECT_TRUE(EqualRect(&box, &client));

    // The border window: layered, a tool window that is never activated,
    // directly below the form, at the skin's border and title around the
    // system's ones, as large as the frame cache.
    const HWND border = BorderWindow(*p);
    ASSERT_NE(border, nullptr);
    EXPECT_TRUE(IsWindowVisible(border));
    const LONG ex = GetWindowLongW(border, GWL_EXSTYLE);
    EXPECT_EQ(ex & (WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE),
              WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE);
    EXPECT_EQ(GetWindow(w, GW_HWNDNEXT), border);
    const RECT owner = WindowRect(w), placed = WindowRect(border);
    const int systemBorder = client.left, systemCaption = client.top - client.left;
    EXPECT_EQ(placed.left, owner.left - (4 + 11 - systemBorder));
    EXPECT_EQ(placed.top, owner.top - (30 + 7 - systemCaption - systemBorder));
    EXPECT_EQ(placed.right - placed.left, cache->Width());
    EXPECT_EQ(placed.bottom - placed.top, cache->Height());

    // The picture's alpha: the shadow fades out from the form, the form's
    // outline and the title are opaque, the title in the skin's colour.
    const int mid = cache->Height() / 2;
    const Pixel nearForm = PixelOf(*cache, 10, mid), farOut = PixelOf(*cache, 1, mid);
    EXPECT_GT(nearForm.Alpha, 0);
    EXPECT_LT(nearForm.Alpha, 255);
    EXPECT_LT(farOut.Alpha, nearForm.Alpha);
    EXPECT_EQ(PixelOf(*cache, 11, mid).Alpha, 255) << "the form's outline";
    EXPECT_EQ(PixelOf(*cache, 11, 7).Alpha, 255) << "the title's corner";
    const FrameLayout l = p->Layout();
    const Pixel title = PixelOf(*cache, l.Text.Right - 2, l.Title.Top + 3);
    EXPECT_EQ(title.Alpha, 255);
    EXPECT_EQ(title.Colour, kActiveTitle);
    // Nothing of the frame is drawn under the client.
    EXPECT_EQ(PixelOf(*cache, l.Form.Left + 4 + cw / 2, l.Title.Bottom + ch / 2).Alpha, 255);

    // Moved and sized, the border window follows and stays below the form.
    SetWindowPos(w, nullptr, 200, 150, 360, 250, SWP_NOZORDER | SWP_NOACTIVATE);
    testsupport::Pump(20);
    const POINT origin = p->FrameOrigin();
    const RECT moved = WindowRect(border);
    EXPECT_EQ(moved.left, origin.x);
    EXPECT_EQ(moved.top, origin.y);
    EXPECT_EQ(moved.right - moved.left, p->FrameCache()->Width());
    EXPECT_EQ(GetWindow(w, GW_HWNDNEXT), border);
    // A topmost form takes its border window along, still right below it.
    SetWindowPos(w, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    testsupport::Pump(20);
    EXPECT_NE(GetWindowLongW(border, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(GetWindow(w, GW_HWNDNEXT), border);
    SetWindowPos(w, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    testsupport::Pump(20);
    EXPECT_EQ(GetWindowLongW(border, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(GetWindow(w, GW_HWNDNEXT), border);

    // Snapping to the work area's edges: the visible frame meets them.
    p->ScreenSnap = true;
    MONITORINFO mi{sizeof(mi), {}, {}, 0};
    ASSERT_TRUE(GetMonitorInfoW(MonitorFromWindow(w, MONITOR_DEFAULTTONEAREST), &mi));
    const auto visible = [&] {
        const POINT o = p->FrameOrigin();
        const TRect f = p->Layout().Form;
        return POINT{o.x + f.Left, o.y + f.Top};
    };
    const RECT now = WindowRect(w);
    const int dx = visible().x - now.left, dy = visible().y - now.top;
    SetWindowPos(w, nullptr, mi.rcWork.left - dx + 6, mi.rcWork.top - dy + 5, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(visible().x, mi.rcWork.left);
    EXPECT_EQ(visible().y, mi.rcWork.top);
    p->ScreenSnap = false;

    // An animation's frame refreshes the border window.
    ShowWindow(border, SW_HIDE);
    SendMessageW(w, SM_ALPHACMD, MakeSkinWParam(CMD_ANIMATION_FRAME), 0);
    EXPECT_TRUE(IsWindowVisible(border));
    EXPECT_EQ(GetWindow(w, GW_HWNDNEXT), border);

    // Hidden with the form, shown with it.
    form->Hide();
    testsupport::Pump(20);
    EXPECT_FALSE(IsWindowVisible(border));
    form->Show();
    testsupport::Pump(20);
    EXPECT_TRUE(IsWindowVisible(border));
    // Minimised, the form shows no border window either.
    ShowWindow(w, SW_MINIMIZE);
    testsupport::Pump(20);
    EXPECT_FALSE(IsWindowVisible(border));
    ShowWindow(w, SW_RESTORE);
    testsupport::Pump(20);
    EXPECT_TRUE(IsWindowVisible(border));
    EXPECT_EQ(WindowRect(border).left, p->FrameOrigin().x);
}

// The skin's own image: borders 8 and a form offset of 2 give margins of 6;
// its outer 6 pixels are shadow (alpha 128 active, 64 inactive), its inner 2
// an opaque outline laid over the form's edge (blue active, grey inactive).
TEST_F(ExtendedBorderTest, SkinsOwnImageGivesTheMarginsAndBothPictures)
{
    UseSkin("ExFrames");
    EXPECT_EQ(manager->ShadowMargins(), (TacShadowMargins{6, 6, 6, 6}));
    ASSERT_NE(manager->ActiveShadow(), nullptr);
    ASSERT_EQ(manager->ActiveShadow()->Width(), 24);
    EXPECT_EQ(PixelOf(*manager->ActiveShadow(), 2, 12).Alpha, 128);
    EXPECT_EQ(PixelOf(*manager->InactiveShadow(), 2, 12).Alpha, 64);
    EXPECT_EQ(PixelOf(*manager->ActiveShadow(), 7, 12).Colour, RGB(0, 0, 255));
    TsSkinProvider* p = Show(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize);
    ASSERT_NE(p, nullptr);
    ASSERT_TRUE(p->Extended());
    const HWND w = form->Handle();
    const RECT client = ClientInWindow(w);
    const int cw = client.right - client.left, ch = client.bottom - client.top;
    struct Case {
        bool active;
        int shadowAlpha;
        COLORREF outline;
    } cases[] = {{true, 128, RGB(0, 0, 255)}, {false, 64, RGB(100, 100, 100)}};
    for (const Case& c : cases) {
        SendMessageW(w, WM_NCACTIVATE, c.active ? TRUE : FALSE, 0);
        testsupport::Pump(10);
        const TBitmap* cache = p->FrameCache();
        ASSERT_NE(cache, nullptr);
        ASSERT_EQ(cache->PixelFormat(), TPixelFormat::pf32bit);
        // Border 5 and title 26 from the skin.
        EXPECT_EQ(cache->Width(), 6 + 5 + cw + 5 + 6);
        EXPECT_EQ(cache->Height(), 6 + 26 + ch + 5 + 6);
        const int mid = cache->Height() / 2;
        const Pixel shadow = PixelOf(*cache, 2, mid);
        EXPECT_EQ(shadow.Alpha, c.shadowAlpha) << c.active;
        EXPECT_EQ(shadow.Colour, RGB(0, 0, 0)) << c.active;
        for (const int x : {6, 7, cache->Width() - 7}) {
            const Pixel outline = PixelOf(*cache, x, mid);
            EXPECT_EQ(outline.Alpha, 255) << c.active << " at " << x;
            EXPECT_EQ(outline.Colour, c.outline) << c.active << " at " << x;
        }
        EXPECT_NE(PixelOf(*cache, 8, mid).Colour, c.outline) << "the form inside its outline";
        EXPECT_EQ(PixelOf(*cache, 8, mid).Alpha, 255);
    }
}

// A skin whose form offset is larger than its image's borders gives negative
// margins: the frame gets no shadow on those sides, never a form reaching
// out of its picture.
TEST_F(ExtendedBorderTest, NegativeMarginsOfASkinCountAsNone)
{
    UseSkin("Mini");
    const TacShadowMargins& s = manager->ShadowMargins();
    ASSERT_TRUE(s.Left < 0 && s.Top < 0 && s.Right < 0 && s.Bottom < 0);
    TsSkinProvider* p = Show(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize);
    ASSERT_NE(p, nullptr);
    ASSERT_TRUE(p->Extended());
    SendMessageW(form->Handle(), WM_NCACTIVATE, TRUE, 0);
    testsupport::Pump(20);
    const RECT client = ClientInWindow(form->Handle());
    const TBitmap* cache = p->FrameCache();
    ASSERT_NE(cache, nullptr);
    const int b = manager->Tables().SkinData.BorderWidth;
    EXPECT_EQ(cache->Width(), b + (client.right - client.left) + b);
    EXPECT_EQ(cache->Height(), manager->Tables().SkinData.TitleHeight + (client.bottom - client.top) + b);
    EXPECT_EQ(p->Layout().Form, (TRect{0, 0, cache->Width(), cache->Height()}));
    EXPECT_TRUE(IsWindowVisible(BorderWindow(*p)));
}

// A button's look is repainted over a copy of the title without the buttons:
// hovering the partly see-through Minimize and leaving it again must leave
// the frame's picture as it was, even with the buttons far from the edge.
TEST_F(ExtendedBorderTest, HoveringAndLeavingAButtonLeavesThePictureAsItWas)
{
    UseSkin("ExFrames");
    TsSkinProvider* p = Show(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize);
    ASSERT_NE(p, nullptr);
    const HWND w = form->Handle();
    const HWND border = BorderWindow(*p);
    ASSERT_NE(border, nullptr);
    SendMessageW(w, WM_NCACTIVATE, TRUE, 0);
    testsupport::Pump(20);
    const auto pixels = [&] {
        const TBitmap& c = *p->FrameCache();
        std::vector<std::uint8_t> bytes;
        for (int y = 0; y < c.Height(); ++y)
            bytes.insert(bytes.end(), c.ScanLine(y), c.ScanLine(y) + c.Width() * 4);
        return bytes;
    };
    const std::vector<std::uint8_t> before = pixels();
    const TRect min = p->Layout().Buttons[cbMin];
    const POINT at = OnScreen(*p, (min.Left + min.Right) / 2, (min.Top + min.Bottom) / 2);
    SendMessageW(border, WM_NCMOUSEMOVE, HTMINBUTTON, MAKELPARAM(at.x, at.y));
    ASSERT_EQ(p->Buttons().State(fhMinButton), 1);
    EXPECT_EQ(PixelOf(*p->FrameCache(), min.Left + 1, min.Top + 3).Colour, RGB(0, 255, 255));
    SendMessageW(border, WM_NCMOUSELEAVE, 0, 0);
    EXPECT_EQ(p->Buttons().State(fhMinButton), 0);
    EXPECT_TRUE(pixels() == before) << "the hot look stayed where the resting button is see-through";
}

TEST_F(ExtendedBorderTest, SwitchedOffTheFormGetsItsFrameBackAndCyclesKeepHandlesFlat)
{
    UseSkin("Frames");
    TsSkinProvider* p = Show(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize);
    ASSERT_NE(p, nullptr);
    const HWND w = form->Handle();
    const HWND border = BorderWindow(*p);
    ASSERT_NE(border, nullptr);

    manager->SetExtendedBorders(false);
    testsupport::Pump(20);
    EXPECT_FALSE(p->Extended());
    EXPECT_FALSE(IsWindow(border));
    EXPECT_EQ(p->BorderWindow(), nullptr);
    const RECT wr = WindowRect(w);
    ASSERT_NE(p->FrameCache(), nullptr);
    EXPECT_EQ(p->FrameCache()->PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(p->FrameCache()->Width(), wr.right - wr.left);
    EXPECT_EQ(p->FrameCache()->Height(), wr.bottom - wr.top);
    // The form's outline is the skin's again: the frames skin has square
    // corners, so no region at all.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(w, region), ERROR);
    DeleteObject(region);

    auto cycle = [&] {
        manager->SetExtendedBorders(true);
        testsupport::Pump(1);
        EXPECT_TRUE(p->Extended());
        EXPECT_NE(BorderWindow(*p), nullptr);
        manager->SetExtendedBorders(false);
        testsupport::Pump(1);
        EXPECT_FALSE(p->Extended());
    };
    cycle();
    const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    for (int i = 0; i < 100 && !HasFailure(); ++i)
        cycle();
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdi + 2);
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), user + 2);
    // And the skin off drops the border window too.
    manager->SetExtendedBorders(true);
    testsupport::Pump(10);
    const HWND again = BorderWindow(*p);
    ASSERT_NE(again, nullptr);
    manager->SetActive(false);
    testsupport::Pump(10);
    EXPECT_FALSE(IsWindow(again));
}

// A form with a menu bar under an extended border: the frame cache has the
// menu line under the title and the client below it; the form keeps its bar
// with its client, and its window shows the menu line there.
TEST_F(ExtendedBorderTest, AMenuBarStaysTheFormsOwnUnderTheBorderWindowsTitle)
{
    UseSkin("Frames");
    TsSkinProvider* p = Show(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize, [](TForm& f) {
        auto* bar = new TMainMenu(&f);
        bar->Items.Add("&Файл")->Add("&Открыть");
        bar->Items.Add("&Вид")->Add("&Крупно");
        f.SetMenu(bar);
    });
    ASSERT_NE(p, nullptr);
    ASSERT_TRUE(p->Extended());
    const HWND w = form->Handle();
    const RECT client = ClientInWindow(w);
    const int cw = client.right - client.left, ch = client.bottom - client.top;
    const FrameMetrics m = p->Metrics();
    ASSERT_GT(m.MenuHeight, 0);
    const TBitmap* cache = p->FrameCache();
    ASSERT_NE(cache, nullptr);
    EXPECT_EQ(cache->Height(), 7 + 30 + m.MenuHeight + ch + 4 + 11);
    const FrameLayout l = p->Layout();
    EXPECT_EQ(l.MenuLine, (TRect{11 + 4, 7 + 30, 11 + 4 + cw, 7 + 30 + m.MenuHeight}));
    EXPECT_EQ(PixelOf(*cache, l.MenuLine.Right - 2, l.MenuLine.Top + 1).Colour, kMenuLine);

    // The form's region: its bar and its client.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(GetWindowRgn(w, region), SIMPLEREGION);
    RECT box{};
    GetRgnBox(region, &box);
    DeleteObject(region);
    EXPECT_EQ(box.top, client.top - m.MenuHeight);
    EXPECT_EQ(box.bottom, client.bottom);
    EXPECT_EQ(box.left, client.left);
    // The form's own window shows the line where its bar lies, and the
    // mouse there finds the menu.
    HDC dc = GetWindowDC(w);
    const COLORREF shown = GetPixel(dc, client.right - 2, client.top - m.MenuHeight + 1);
    ReleaseDC(w, dc);
    EXPECT_EQ(shown, kMenuLine);
    const RECT wr = WindowRect(w);
    EXPECT_EQ(SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(wr.left + client.right - 2, wr.top + client.top - 2)),
              HTMENU);
    // The client belongs to the form, which lies above the border window.
    EXPECT_EQ(GetWindow(w, GW_HWNDNEXT), BorderWindow(*p));
    EXPECT_EQ(WindowFromPoint(POINT{wr.left + client.left + cw / 2, wr.top + client.top + ch / 2}), w);
}

TEST_F(ExtendedBorderTest, BorderWindowGoesWithItsForm)
{
    UseSkin("Frames");
    TsSkinProvider* p = Show(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize);
    ASSERT_NE(p, nullptr);
    const HWND border = BorderWindow(*p);
    ASSERT_NE(border, nullptr);
    Forget(form);
    delete form;
    form = nullptr;
    testsupport::Pump(10);
    EXPECT_FALSE(IsWindow(border));
}

// Hovering the Close button on the border window lights it in the frame
// cache; a real click on it closes the dialog through its normal path.
TEST_F(ExtendedBorderTest, CloseOnTheBorderWindowClosesTheDialogAsCancel)
{
    UseSkin("Frames");
    TsSkinProvider* p = Show(TFormBorderStyle::bsDialog, biSystemMenu);
    ASSERT_NE(p, nullptr);
    const HWND border = BorderWindow(*p);
    ASSERT_NE(border, nullptr);
    const TRect close = p->Layout().Buttons[cbClose];
    const POINT at = OnScreen(*p, (close.Left + close.Right) / 2, (close.Top + close.Bottom) / 2);
    EXPECT_EQ(SendMessageW(border, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)), HTCLOSE);
    SendMessageW(border, WM_NCMOUSEMOVE, HTCLOSE, MAKELPARAM(at.x, at.y));
    EXPECT_EQ(p->Buttons().State(fhClose), 1);
    EXPECT_EQ(PixelOf(*p->FrameCache(), close.Left + 3, close.Top + 3).Colour, kCloseHot);
    SendMessageW(border, WM_NCMOUSELEAVE, 0, 0);
    EXPECT_EQ(p->Buttons().State(fhClose), 0);

    // A form held by a modal window (disabled) neither hovers nor closes.
    EnableWindow(form->Handle(), FALSE);
    EXPECT_EQ(SendMessageW(border, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)), HTERROR);
    SendMessageW(border, WM_NCLBUTTONDOWN, HTCLOSE, MAKELPARAM(at.x, at.y));
    SendMessageW(border, WM_NCLBUTTONUP, HTCLOSE, MAKELPARAM(at.x, at.y));
    testsupport::Pump(20);
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    EXPECT_EQ(p->Buttons().State(fhClose), 0);
    EnableWindow(form->Handle(), TRUE);

    ASSERT_TRUE(PointerOver(border, at));
    form->Hide();
    testsupport::Pump(20);
    // The click comes once the dialog runs modally, shown where it was.
    const HWND w = form->Handle();
    std::atomic<bool> unanswered{false};
    std::thread mouse([&] {
        for (int i = 0; i < 300 && !(IsWindowVisible(w) && IsWindowVisible(border)); ++i)
            Sleep(10);
        Sleep(200);
        SetCursorPos(at.x, at.y);
        mouse_event(MOUSEEVENTF_MOVE, 0, 0, 0, 0);
        Sleep(60);
        mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
        Sleep(60);
        mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
        // A click that did nothing must not hang the test: the dialog is
        // closed the plain way, and the test fails.
        for (int i = 0; i < 200 && IsWindowVisible(w); ++i)
            Sleep(10);
        if (IsWindowVisible(w)) {
            unanswered = true;
            PostMessageW(w, WM_CLOSE, 0, 0);
        }
    });
    const int result = form->ShowModal();
    mouse.join();
    EXPECT_FALSE(unanswered) << "the click on Close did not close the dialog";
    EXPECT_EQ(result, mrCancel);
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_FALSE(IsWindowVisible(border));
}

TEST_F(ExtendedBorderTest, DraggingTheBorderWindowsCaptionMovesTheForm)
{
    UseSkin("Frames");
    TsSkinProvider* p = Show(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize);
    ASSERT_NE(p, nullptr);
    const HWND w = form->Handle();
    const HWND border = BorderWindow(*p);
    ASSERT_NE(border, nullptr);
    const FrameLayout l = p->Layout();
    // The caption: in the title, over the system's own frame, which the form
    // no longer shows.
    const POINT grab = OnScreen(*p, l.Text.Left + 60, l.Title.Top + 4);
    ASSERT_EQ(SendMessageW(border, WM_NCHITTEST, 0, MAKELPARAM(grab.x, grab.y)), HTCAPTION);
    testsupport::PumpUntil([&] { return GetForegroundWindow() == w; }, 1000);
    ASSERT_TRUE(PointerOver(border, grab));
    testsupport::Pump(200);
    const RECT before = WindowRect(w), borderBefore = WindowRect(border);
    testsupport::MouseFromAnotherThread([&] {
        testsupport::DragThrough(grab, {{grab.x + 20, grab.y + 10}, {grab.x + 40, grab.y + 25}});
    });
    const RECT after = WindowRect(w), borderAfter = WindowRect(border);
    EXPECT_EQ(after.left - before.left, 40);
    EXPECT_EQ(after.top - before.top, 25);
    EXPECT_EQ(borderAfter.left - borderBefore.left, 40);
    EXPECT_EQ(borderAfter.top - borderBefore.top, 25);
    EXPECT_EQ(GetWindow(w, GW_HWNDNEXT), border);
}

// A sizeable form: the border window's edges size it, a double click on its
// caption maximises it (the border window then shows the title only) and
// restores it again.
TEST_F(ExtendedBorderTest, SizeableFormSizesByTheEdgesAndMaximisesByTheCaption)
{
    UseSkin("Frames");
    TsSkinProvider* p = Show(TFormBorderStyle::bsSizeable, biSystemMenu | biMinimize | biMaximize);
    ASSERT_NE(p, nullptr);
    const HWND w = form->Handle();
    const HWND border = BorderWindow(*p);
    ASSERT_NE(border, nullptr);
    const FrameLayout l = p->Layout();
    const POINT edge = OnScreen(*p, l.Form.Right - 2, (l.Form.Top + l.Form.Bottom) / 2);
    ASSERT_EQ(SendMessageW(border, WM_NCHITTEST, 0, MAKELPARAM(edge.x, edge.y)), HTRIGHT);
    testsupport::PumpUntil([&] { return GetForegroundWindow() == w; }, 1000);
    ASSERT_TRUE(PointerOver(border, edge));
    testsupport::Pump(200);
    const RECT before = WindowRect(w), borderBefore = WindowRect(border);
    testsupport::MouseFromAnotherThread([&] {
        mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
        Sleep(150);
        for (const int dx : {10, 20, 30}) {
            SetCursorPos(edge.x + dx, edge.y);
            mouse_event(MOUSEEVENTF_MOVE, 0, 0, 0, 0);
            Sleep(60);
        }
        mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
        Sleep(100);
    });
    const RECT after = WindowRect(w), borderAfter = WindowRect(border);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.right - before.right, 30);
    EXPECT_EQ((borderAfter.right - borderAfter.left) - (borderBefore.right - borderBefore.left), 30);

    const POINT caption = OnScreen(*p, l.Text.Left + 60, l.Title.Top + 10);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(border, region), ERROR) << "no region while restored";
    SendMessageW(border, WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(caption.x, caption.y));
    testsupport::Pump(50);
    EXPECT_TRUE(IsZoomed(w));
    EXPECT_TRUE(IsWindowVisible(border));
    ASSERT_EQ(GetWindowRgn(border, region), SIMPLEREGION);
    RECT box{};
    GetRgnBox(region, &box);
    const FrameMetrics m = p->Metrics();
    const FrameLayout zoomed = LayoutFrame(m);
    const RECT inside{zoomed.Form.Left + m.Border, zoomed.Form.Top, zoomed.Form.Right - m.Border,
                      zoomed.Form.Bottom - m.Border};
    EXPECT_TRUE(EqualRect(&box, &inside));
    const POINT again = OnScreen(*p, zoomed.Text.Left + 60, zoomed.Title.Top + 10);
    SendMessageW(border, WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(again.x, again.y));
    testsupport::Pump(50);
    EXPECT_FALSE(IsZoomed(w));
    EXPECT_EQ(GetWindowRgn(border, region), ERROR);
    DeleteObject(region);
}

}  // namespace
}  // namespace taramel
