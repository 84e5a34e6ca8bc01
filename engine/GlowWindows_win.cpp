#include "engine/GlowWindows_win.h"

#include <cstring>
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "engine/SkinManager_win.h"
#include "images/ComposeImage32.h"
#include "paint/BgCache.h"
#include "paint/GlowGeometry.h"
#include "paint/Masks.h"
#include "render/Bitmap_win.h"
#include "skin/SkinLookups.h"
#include "skin/SkinState.h"

namespace taramel {

namespace {

constexpr const wchar_t* kGlowClass = L"TaramelGlow";

// Clicks fall through the glow to whatever lies below it.
LRESULT CALLBACK GlowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCHITTEST)
        return HTTRANSPARENT;
    return DefWindowProcW(window, message, wParam, lParam);
}

const wchar_t* GlowClass()
{
    static const bool registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = GlowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kGlowClass;
        return RegisterClassW(&wc) != 0;
    }();
    return registered ? kGlowClass : nullptr;
}

// What a glow window shows: the same section, picture size and cut give
// the same pixels.
struct GlowLook {
    std::string Section;
    int Image = -1;
    int Width = 0, Height = 0, CropLeft = 0, CropTop = 0;
    bool operator==(const GlowLook&) const = default;
};

struct GlowWindow {
    HWND Window = nullptr;
    GlowLook Look;
};

struct GlowTable {
    std::map<int, GlowWindow> Windows;
    int NextId = 0;
    // Hidden glow windows kept for the next glow: a control glows on every
    // hover, and a window that still holds the same picture is only moved
    // and shown again; handing a layered window a new picture is the costly
    // part.
    std::vector<GlowWindow> Spare;
};

// Never freed: controls may hide their glows while the program ends.
GlowTable& Glows()
{
    static auto* table = new GlowTable;
    return *table;
}

constexpr std::size_t kMostSpare = 8;

// A hidden glow window owned by `owner`: a spare one that shows `look`
// already, else any spare one, else a new one. `same` tells which.
HWND TakeGlowWindow(HWND owner, const GlowLook& look, bool& same)
{
    GlowTable& glows = Glows();
    same = false;
    auto spare = std::find_if(glows.Spare.begin(), glows.Spare.end(),
                              [&look](const GlowWindow& g) { return g.Look == look && IsWindow(g.Window); });
    if (spare != glows.Spare.end())
        same = true;
    else
        spare = std::find_if(glows.Spare.begin(), glows.Spare.end(), [](const GlowWindow& g) { return IsWindow(g.Window); });
    if (spare != glows.Spare.end()) {
        const HWND window = spare->Window;
        glows.Spare.erase(spare);
        SetWindowLongPtrW(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
        return window;
    }
    glows.Spare.clear();  // only dead windows were left
    return CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT, GlowClass(), L"",
                           WS_POPUP, 0, 0, 0, 0, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
}

void GiveBackGlowWindow(const GlowWindow& glow)
{
    if (!IsWindow(glow.Window))
        return;
    GlowTable& glows = Glows();
    if (glows.Spare.size() >= kMostSpare) {
        DestroyWindow(glow.Window);
        return;
    }
    ShowWindow(glow.Window, SW_HIDE);
    // Owned by nobody while spare, so that it never outlives its form's
    // window as that window's child in the owner chain.
    SetWindowLongPtrW(glow.Window, GWLP_HWNDPARENT, 0);
    glows.Spare.push_back(glow);
}

// The glow picture of the whole glow, ready for a layered window: the
// corners' key pixels see-through rather than opaque magenta, and the
// colours multiplied by their alpha.
void PrepareGlowPicture(TBitmap& picture)
{
    for (int y = 0; y < picture.Height(); ++y) {
        std::uint8_t* p = picture.ScanLine(y);
        for (int x = 0; x < picture.Width(); ++x, p += 4) {
            if (p[0] == 255 && p[1] == 0 && p[2] == 255)
                std::memset(p, 0, 4);
        }
    }
    PremultiplyAlpha(picture);
}

}  // namespace

int ShowGlowWindow(const RECT& control, const RECT& visible, const std::string& section, TsSkinManager* manager,
                   HWND owner, int /*alpha*/, int margin, const std::string& prefix)
{
    const auto update = OptionalSystemFunctions().UpdateLayeredWindow;
    TsSkinManager* m = manager != nullptr ? manager : DefaultManager();
    if (update == nullptr || m == nullptr || !m->SkinReady() || GlowClass() == nullptr)
        return -1;
    const TSkinTables& t = m->Tables();
    const int image = FindImageExact(t, section, prefix + "0");
    if (!ImageExists(t, image))
        return -1;
    const GlowBorders borders{BorderLeft(t, image), BorderTop(t, image), BorderRight(t, image), BorderBottom(t, image)};
    const GlowPlacement place =
        PlaceGlow(TRect{control.left, control.top, control.right, control.bottom},
                  TRect{visible.left, visible.top, visible.right, visible.bottom}, borders, margin);
    if (!place.Shown)
        return -1;
    const GlowLook look{section, image, place.Width, place.Height, place.CropLeft, place.CropTop};
    bool same = false;
    const HWND window = TakeGlowWindow(owner, look, same);
    if (window == nullptr)
        return -1;
    // Directly above the owner, where it is seen around the control (below
    // the owner the form would cover it): the window just above the owner
    // is the one to follow.
    HWND after = HWND_TOP;
    if (owner != nullptr && (GetWindowLongW(owner, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0)
        after = HWND_TOPMOST;
    else if (owner != nullptr)
        if (HWND above = GetWindow(owner, GW_HWNDPREV); above != nullptr && above != window)
            after = above;
    SetWindowPos(window, after, place.At.X, place.At.Y, place.Width, place.Height, SWP_NOACTIVATE);
    if (!same) {
        TBitmap whole(place.FullWidth, place.FullHeight, TPixelFormat::pf32bit);
        DrawMaskRect(t, whole, TRect{0, 0, place.FullWidth, place.FullHeight}, false, false, 0,
                     t.Images[static_cast<std::size_t>(image)], EmptyBgCache);
        PrepareGlowPicture(whole);
        TBitmap picture(place.Width, place.Height, TPixelFormat::pf32bit);
        for (int y = 0; y < place.Height; ++y)
            std::memcpy(picture.ScanLine(y), whole.ScanLine(place.CropTop + y) + 4 * place.CropLeft,
                        static_cast<std::size_t>(place.Width) * 4);
        if (HDC source = BitmapDC(picture)) {
            GdiFlush();
            SIZE size{place.Width, place.Height};
            POINT origin{0, 0};
            BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
            update(window, nullptr, nullptr, &size, source, &origin, 0, &blend, ULW_ALPHA);
        }
    }
    ShowWindow(window, SW_SHOWNOACTIVATE);
    GlowTable& glows = Glows();
    const int id = glows.NextId++;
    glows.Windows[id] = GlowWindow{window, look};
    return id;
}

void HideGlowWindow(int id)
{
    GlowTable& glows = Glows();
    const auto it = glows.Windows.find(id);
    if (it == glows.Windows.end())
        return;
    const GlowWindow glow = it->second;
    glows.Windows.erase(it);
    GiveBackGlowWindow(glow);
}

void HideAllGlowWindows()
{
    GlowTable& glows = Glows();
    const std::map<int, GlowWindow> shown = std::move(glows.Windows);
    glows.Windows.clear();
    for (const auto& [id, glow] : shown)
        GiveBackGlowWindow(glow);
    // A new skin draws other pictures: the spare windows' ones are stale.
    for (const GlowWindow& spare : glows.Spare)
        if (IsWindow(spare.Window))
            DestroyWindow(spare.Window);
    glows.Spare.clear();
}

HWND GlowWindowOf(int id)
{
    const GlowTable& glows = Glows();
    const auto it = glows.Windows.find(id);
    return it == glows.Windows.end() ? nullptr : it->second.Window;
}

int GlowWindowCount()
{
    return static_cast<int>(Glows().Windows.size());
}

}  // namespace taramel
