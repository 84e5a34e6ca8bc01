#include "engine/GlowWindows_win.h"

#include <cstring>
#include <map>

#include "engine/SkinManager_win.h"
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

struct GlowTable {
    std::map<int, HWND> Windows;
    int NextId = 0;
};

// Never freed: controls may hide their glows while the program ends.
GlowTable& Glows()
{
    static auto* table = new GlowTable;
    return *table;
}

// The glow picture of the whole glow, ready for a layered window: the
// corners' key pixels see-through rather than opaque magenta, and the
// colours multiplied by their alpha.
void PrepareGlowPicture(TBitmap& picture)
{
    for (int y = 0; y < picture.Height(); ++y) {
        std::uint8_t* p = picture.ScanLine(y);
        for (int x = 0; x < picture.Width(); ++x, p += 4) {
            if (p[0] == 255 && p[1] == 0 && p[2] == 255) {
                std::memset(p, 0, 4);
                continue;
            }
            for (int c = 0; c < 3; ++c)
                p[c] = static_cast<std::uint8_t>((p[c] * p[3] + 127) / 255);
        }
    }
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
    TBitmap whole(place.FullWidth, place.FullHeight, TPixelFormat::pf32bit);
    DrawMaskRect(t, whole, TRect{0, 0, place.FullWidth, place.FullHeight}, false, false, 0,
                 t.Images[static_cast<std::size_t>(image)], EmptyBgCache);
    PrepareGlowPicture(whole);
    TBitmap picture(place.Width, place.Height, TPixelFormat::pf32bit);
    for (int y = 0; y < place.Height; ++y)
        std::memcpy(picture.ScanLine(y), whole.ScanLine(place.CropTop + y) + 4 * place.CropLeft,
                    static_cast<std::size_t>(place.Width) * 4);

    const HWND window = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT,
                                        GlowClass(), L"", WS_POPUP, 0, 0, 0, 0, owner, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
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
    HDC source = BitmapDC(picture);
    if (source != nullptr) {
        GdiFlush();
        SIZE size{place.Width, place.Height};
        POINT origin{0, 0};
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        update(window, nullptr, nullptr, &size, source, &origin, 0, &blend, ULW_ALPHA);
    }
    ShowWindow(window, SW_SHOWNOACTIVATE);
    GlowTable& glows = Glows();
    const int id = glows.NextId++;
    glows.Windows[id] = window;
    return id;
}

void HideGlowWindow(int id)
{
    GlowTable& glows = Glows();
    const auto it = glows.Windows.find(id);
    if (it == glows.Windows.end())
        return;
    if (IsWindow(it->second))
        DestroyWindow(it->second);
    glows.Windows.erase(it);
}

void HideAllGlowWindows()
{
    GlowTable& glows = Glows();
    for (const auto& [id, window] : glows.Windows)
        if (IsWindow(window))
            DestroyWindow(window);
    glows.Windows.clear();
}

HWND GlowWindowOf(int id)
{
    const GlowTable& glows = Glows();
    const auto it = glows.Windows.find(id);
    return it == glows.Windows.end() ? nullptr : it->second;
}

int GlowWindowCount()
{
    return static_cast<int>(Glows().Windows.size());
}

}  // namespace taramel
