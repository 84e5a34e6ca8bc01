#include "paint/Text_win.h"

#include <vector>

#include "paint/GdiObjects_win.h"
#include "render/SysColors.h"

namespace taramel {

namespace {

std::wstring Wide(std::string_view s)
{
    if (s.empty())
        return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring w(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
    return w;
}

COLORREF Ref(TColor c) { return static_cast<COLORREF>(ResolveColor(c)) & 0xFFFFFF; }

void DrawPasses(HDC dc, const std::wstring& w, const std::vector<TextPass>& passes, UINT flags, const RECT& rect)
{
    SetBkMode(dc, TRANSPARENT);
    for (const TextPass& p : passes) {
        SetTextColor(dc, Ref(p.Color));
        RECT r = rect;
        OffsetRect(&r, p.Dx, p.Dy);
        DrawTextW(dc, w.c_str(), static_cast<int>(w.size()), &r, flags | (p.NoClip ? DT_NOCLIP : 0));
    }
}

HFONT UnderlinedCopy(HFONT font)
{
    LOGFONTW lf{};
    if (!GetObjectW(font, sizeof lf, &lf))
        return nullptr;
    lf.lfUnderline = TRUE;
    return CreateFontIndirectW(&lf);
}

TColor CurrentTextColor(HDC dc) { return static_cast<TColor>(GetTextColor(dc)); }

}  // namespace

void DrawSkinText(HDC dc, std::string_view text, const SkinTextRequest& q, UINT flags, const RECT& rect)
{
    if (text.empty())
        return;
    // The owner's font, underlined for a hot web button, lives only for this
    // call, so the DC's own font is never changed for later drawing. It is
    // made before the DC's state is saved, so that it is deselected (by the
    // restore) before it is deleted.
    HFONT font = q.Font ? q.Font : static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT));
    const OwnedGdi<HFONT> underlined(q.Underline && font ? UnderlinedCopy(font) : nullptr);
    if (underlined.Get())
        font = underlined.Get();
    SavedDC saved(dc);
    IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    if (font)
        SelectObject(dc, font);
    // Never freed: controls still paint while the application object destroys
    // them at the program's end, after every function-local static.
    static const auto* noSkin = new TSkinTables;
    TextLook look{q.Enabled, q.Hot, q.CustomFont, CurrentTextColor(dc)};
    const auto passes = SkinTextPasses(q.Tables ? *q.Tables : *noSkin, q.Tables ? q.SectionIndex : -1, look);
    DrawPasses(dc, Wide(text), passes, flags, rect);
}

void DrawSectionText(HDC dc, std::string_view text, const TSkinTables* tables, int sectionIndex, bool enabled,
                     bool hot, UINT flags, const RECT& rect)
{
    if (!tables || text.empty())
        return;
    const auto passes = SectionTextPasses(*tables, sectionIndex, {enabled, hot, false, CurrentTextColor(dc)});
    if (passes.empty())
        return;
    const int oldMode = GetBkMode(dc);
    const COLORREF oldColor = GetTextColor(dc);
    DrawPasses(dc, Wide(text), passes, flags, rect);
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
}

int DrawTextUtf8(HDC dc, std::string_view text, RECT& rect, UINT flags)
{
    const std::wstring w = Wide(text);
    return DrawTextW(dc, w.c_str(), static_cast<int>(w.size()), &rect, flags);
}

SIZE TextExtentUtf8(HDC dc, std::string_view text)
{
    const std::wstring w = Wide(text);
    SIZE s{0, 0};
    if (!GetTextExtentPoint32W(dc, w.c_str(), static_cast<int>(w.size()), &s))
        s = {0, 0};
    return s;
}

SIZE FontTextExtent(HFONT font, std::string_view text)
{
    SIZE s{0, 0};
    HDC screen = GetDC(nullptr);
    if (!screen)
        return s;
    HGDIOBJ old = SelectObject(screen, font);
    s = TextExtentUtf8(screen, text);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return s;
}

std::string FitTextWithEllipsis(HDC dc, std::string_view text, int width)
{
    return FitTextWithEllipsis(text, width, [dc](std::string_view s) { return static_cast<int>(TextExtentUtf8(dc, s).cx); });
}

void DrawFrame3D(HDC dc, RECT& rect, TColor topLeft, int& count, TColor bottomRight)
{
    OwnedGdi<HPEN> light(CreatePen(PS_SOLID, 1, Ref(topLeft)));
    OwnedGdi<HPEN> dark(CreatePen(PS_SOLID, 1, Ref(bottomRight)));
    HGDIOBJ oldPen = SelectObject(dc, light.Get());
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    rect.right -= 1;
    rect.bottom -= 1;
    while (count > 0) {
        --count;
        SelectObject(dc, light.Get());
        const POINT tl[3] = {{rect.left, rect.bottom}, {rect.left, rect.top}, {rect.right, rect.top}};
        Polyline(dc, tl, 3);
        SelectObject(dc, dark.Get());
        const POINT br[3] = {{rect.right, rect.top}, {rect.right, rect.bottom}, {rect.left - 1, rect.bottom}};
        Polyline(dc, br, 3);
        InflateRect(&rect, -1, -1);
    }
    rect.right += 1;
    rect.bottom += 1;
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
}

}  // namespace taramel
