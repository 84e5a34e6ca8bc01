#include "engine/SkinableMenus_win.h"

#include <commctrl.h>

#include <algorithm>

#include "base/ScopedFlag.h"
#include "engine/ControlPaint_win.h"
#include "engine/MenuPaint.h"
#include "engine/SkinManager_win.h"
#include "framework/Application.h"
#include "framework/Unicode.h"
#include "paint/GdiObjects_win.h"
#include "paint/SectionPaint.h"
#include "paint/Text_win.h"
#include "render/BitmapCopy.h"
#include "render/Bitmap_win.h"
#include "render/FactorOps.h"
#include "skin/SkinLookups.h"

namespace taramel {

namespace {

constexpr UINT_PTR kPopupSubclassId = 0x4D4E55;  // one subclass of ours per popup window
constexpr int kColumnGap = 4;
constexpr int kShortcutRight = 8;

// The font of the DC made bold (for the default item); null when it cannot
// be made.
HFONT BoldCopyOf(HDC dc)
{
    LOGFONTW lf{};
    if (GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof(lf), &lf) == 0)
        return nullptr;
    lf.lfWeight = FW_BOLD;
    return CreateFontIndirectW(&lf);
}

// Whether the font has a glyph for each of the window-command symbols.
bool HasCommandSymbols(const wchar_t* face)
{
    LOGFONTW lf{};
    lf.lfHeight = -13;
    lf.lfCharSet = SYMBOL_CHARSET;
    wcsncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    OwnedGdi<HFONT> font(CreateFontIndirectW(&lf));
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font.Get());
    wchar_t actual[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, actual);
    WORD glyphs[4] = {};
    const bool all = _wcsicmp(actual, face) == 0 &&
                     GetGlyphIndicesW(dc, L"01r2", 4, glyphs, GGI_MARK_NONEXISTING_GLYPHS) == 4 &&
                     std::none_of(std::begin(glyphs), std::end(glyphs), [](WORD g) { return g == 0xFFFF; });
    SelectObject(dc, old);
    DeleteDC(dc);
    return all;
}

// The window-command symbols come from "Webdings"; where that font lacks
// them (wine's has only a few of its letters) from "Marlett", whose letters
// for these four symbols are the same.
const wchar_t* SymbolFontName()
{
    static const wchar_t* name = HasCommandSymbols(L"Webdings") ? L"Webdings" : L"Marlett";
    return name;
}

// The system's check mark or radio bullet ("Marlett" "a" and "h") in the
// item's text colours.
void DrawBuiltInMenuMark(HDC dc, const RECT& r, bool radio, const TSkinTables& t, int section, bool enabled, bool hot)
{
    LOGFONTW lf{};
    lf.lfHeight = -(r.bottom - r.top);
    lf.lfCharSet = SYMBOL_CHARSET;
    wcscpy(lf.lfFaceName, L"Marlett");
    OwnedGdi<HFONT> font(CreateFontIndirectW(&lf));
    HGDIOBJ old = SelectObject(dc, font.Get());
    DrawSectionText(dc, radio ? "h" : "a", &t, section, enabled, hot,
                    DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX | DT_NOCLIP, r);
    SelectObject(dc, old);
}

UINT AlignmentFlags(TMenuTextAlign align)
{
    switch (align) {
    case mtaRight: return DT_RIGHT;
    case mtaCenter: return DT_CENTER;
    case mtaLeft: break;
    }
    return DT_LEFT;
}

LRESULT CALLBACK PopupWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                 DWORD_PTR data)
{
    try {
        switch (message) {
        // The items and the border strips cover the whole window: the
        // system's grey would only flash under them.
        case WM_ERASEBKGND:
        case WM_NCPAINT: return 1;
        case WM_NCDESTROY:
            RemoveWindowSubclass(window, PopupWindowProc, id);
            reinterpret_cast<TsSkinableMenus*>(data)->PopupWindowGone(window);
            break;
        default: break;
        }
    } catch (...) {
        HandleCallbackException();
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

TsSkinableMenus::TsSkinableMenus(TsSkinManager& manager) : manager_(manager) {}

TsSkinableMenus::~TsSkinableMenus()
{
    for (const auto& entry : cache_)
        if (entry->Window != nullptr && IsWindow(entry->Window))
            RemoveWindowSubclass(entry->Window, PopupWindowProc, kPopupSubclassId);
}

MenuSettings TsSkinableMenus::Settings() const
{
    MenuSettings s;
    s.Alignment = Alignment;
    s.BorderWidth = std::clamp(BorderWidth, 0, 60);
    s.Margin = std::clamp(Margin, 0, 60);
    s.Spacing = std::clamp(Spacing, 0, 60);
    return s;
}

// ---- switching menus to the painter ----

void TsSkinableMenus::Activate(bool active)
{
    if (active == active_)
        return;
    active_ = active;
    const bool give = active && manager_.SkinnedPopups();
    std::function<void(TComponent&)> walk = [&](TComponent& owner) {
        for (int i = 0; i < owner.ComponentCount(); ++i) {
            TComponent* c = owner.Components(i);
            if (auto* menu = dynamic_cast<TPopupMenu*>(c))
                HookPopupMenu(*menu, give);
            else if (auto* bar = dynamic_cast<TMainMenu*>(c))
                HookMainMenu(*bar, active);
            walk(*c);
        }
    };
    if (Application != nullptr)
        walk(*Application);
}

void TsSkinableMenus::HookPopupMenu(TPopupMenu& menu, bool on)
{
    menu.OwnerDraw = on;
    menu.NoAnimation = on;
    for (int i = 0; i < menu.Items.Count(); ++i)
        SetItemHandlers(*menu.Items.Items(i), on);
}

void TsSkinableMenus::HookMainMenu(TMainMenu& menu, bool on)
{
    const bool ready = manager_.SkinReady();
    if (on && ready && !manager_.SkinnedPopups())
        return;
    // Before a skin is ready nothing would measure the top row: the bar
    // stays the system's until then.
    const bool give = on && ready && manager_.SkinnedPopups();
    bool changed = menu.OwnerDraw != give;
    menu.OwnerDraw = give;
    for (int i = 0; i < menu.Items.Count(); ++i) {
        TMenuItem& top = *menu.Items.Items(i);
        if (on && ready && top.HandlersOwner != this) {
            top.OnMeasureItem = [this](TMenuItem* m, HDC dc, int& w, int& h) { MeasureMenuBarItem(*m, dc, w, h); };
            top.OnAdvancedDrawItem = [this](TMenuItem* m, HDC dc, const RECT& r, UINT s) {
                DrawMenuBarItem(*m, dc, r, s);
            };
            top.HandlersOwner = this;
            changed = true;
        } else if (!on && top.HandlersOwner == this) {
            top.OnMeasureItem = nullptr;
            top.OnAdvancedDrawItem = nullptr;
            top.HandlersOwner = nullptr;
            changed = true;
        }
        for (int k = 0; k < top.Count(); ++k)
            SetItemHandlers(*top.Items(k), give);
    }
    if (changed)
        menu.Changed();
}

void TsSkinableMenus::SetItemHandlers(TMenuItem& item, bool on)
{
    if (TMenu* menu = item.Menu())
        menu->OwnerDraw = menu->OwnerDraw || on;
    if (on && item.HandlersOwner == nullptr && !item.OnMeasureItem && !item.OnAdvancedDrawItem) {
        item.OnMeasureItem = [this](TMenuItem* i, HDC dc, int& w, int& h) { MeasureItem(*i, dc, w, h); };
        item.OnAdvancedDrawItem = [this](TMenuItem* i, HDC dc, const RECT& r, UINT s) { DrawItem(*i, dc, r, s); };
        item.HandlersOwner = this;
    } else if (!on && item.HandlersOwner == this) {
        item.OnMeasureItem = nullptr;
        item.OnAdvancedDrawItem = nullptr;
        item.HandlersOwner = nullptr;
    }
    for (int i = 0; i < item.Count(); ++i)
        SetItemHandlers(*item.Items(i), on);
}

void TsSkinableMenus::SkinChanged()
{
    SkinBorderWidth = -1;
    for (const auto& entry : cache_)
        if (entry->Window != nullptr && IsWindow(entry->Window))
            RemoveWindowSubclass(entry->Window, PopupWindowProc, kPopupSubclassId);
    cache_.clear();
}

int TsSkinableMenus::MeasuredSkinBorderWidth()
{
    if (SkinBorderWidth < 0)
        SkinBorderWidth = MenuSkinBorderWidth(manager_.Tables());
    return SkinBorderWidth;
}

// ---- measuring ----

MenuExtraLine TsSkinableMenus::ExtraLineOf(const TMenuItem& parent) const
{
    const TMenuItem* first = parent.FirstVisible();
    return ResolveMenuExtraLine(manager_.MenuSupport, first != nullptr ? first->Name : std::string(),
                                manager_.OnGetMenuExtraLineData);
}

TSize TsSkinableMenus::GlyphSize(const TMenuItem& item) const
{
    MenuGlyphSources g;
    if (item.Bitmap != nullptr && !item.Bitmap->Empty()) {
        g.HasBitmap = true;
        g.Bitmap = TSize{item.Bitmap->Width(), item.Bitmap->Height()};
    }
    return ChooseMenuGlyphSize(g);
}

TSize TsSkinableMenus::MeasureOne(const TMenuItem& item, HDC dc, const MenuExtraLine& extra)
{
    MenuItemMetrics m;
    m.Kind = MenuItemKind(item.Caption);
    m.Glyph = GlyphSize(item);
    m.ExtraLineWidth = extra.Width;
    bool afterBreak = false;
    if (const TMenuItem* parent = item.Parent())
        for (int i = 0; i < parent->Count() && parent->Items(i) != &item; ++i)
            afterBreak = afterBreak || (parent->Items(i)->Visible && parent->Items(i)->Break);
    m.AfterBreak = afterBreak || (item.Break && item.Parent() != nullptr && item.Parent()->FirstVisible() != &item);
    OwnedGdi<HFONT> bold(item.Default ? BoldCopyOf(dc) : nullptr);
    HGDIOBJ old = bold.Get() != nullptr ? SelectObject(dc, bold.Get()) : nullptr;
    m.TextHeightW = TextExtentUtf8(dc, "W").cy;
    const std::string text = MenuMeasureText(m.Kind, item.Caption, item.ShortCutText);
    RECT r{0, 0, 0, 0};
    if (!text.empty())
        DrawTextUtf8(dc, text, r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS | DT_NOPREFIX);
    m.TextWidth = std::max(0, static_cast<int>(r.right - r.left));
    if (old != nullptr)
        SelectObject(dc, old);
    return MeasureMenuItem(Settings(), m);
}

void TsSkinableMenus::MeasureItem(TMenuItem& item, HDC dc, int& width, int& height)
{
    const MenuExtraLine extra =
        item.Parent() != nullptr ? ExtraLineOf(*item.Parent()) : MenuExtraLine{};
    const TSize size = MeasureOne(item, dc, extra);
    width = size.cx;
    height = size.cy;
}

void TsSkinableMenus::MeasureMenuBarItem(TMenuItem& item, HDC dc, int& width, int& height)
{
    OwnedGdi<HFONT> bold(item.Default ? BoldCopyOf(dc) : nullptr);
    HGDIOBJ old = bold.Get() != nullptr ? SelectObject(dc, bold.Get()) : nullptr;
    const std::string caption = StripAccelerators(item.Caption);
    RECT r{0, 0, 0, 0};
    if (!caption.empty())
        DrawTextUtf8(dc, caption, r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    if (old != nullptr)
        SelectObject(dc, old);
    const int glyph = item.Bitmap != nullptr && !item.Bitmap->Empty() ? item.Bitmap->Width() : 0;
    const TSize size = MeasureMenuBarItemSize(static_cast<int>(r.right - r.left), GetSystemMetrics(SM_CYMENU), glyph);
    width = size.cx;
    height = size.cy;
}

// ---- the popup's background ----

std::unique_ptr<TBitmap> TsSkinableMenus::BuildBackground(TSize size, const MenuExtraLine& extra, int glyphColumn,
                                                          TAOR& cut)
{
    auto bitmap = std::make_unique<TBitmap>(std::max(size.cx, 1), std::max(size.cy, 1), TPixelFormat::pf24bit);
    MenuBackgroundMetrics m;
    m.Size = TSize{bitmap->Width(), bitmap->Height()};
    m.SkinBorderWidth = MeasuredSkinBorderWidth();
    m.GlyphColumnWidth = glyphColumn;
    m.ExtraLineWidth = extra.Width;
    m.HasExtraGlyph = extra.Shown && extra.Data.Glyph != nullptr && !extra.Data.Glyph->Empty();
    if (m.HasExtraGlyph)
        m.ExtraGlyph = TSize{extra.Data.Glyph->Width(), extra.Data.Glyph->Height()};
    m.ExtraCaptionHeight = std::abs(manager_.MenuSupport.ExtraLineFontHeight);
    const MenuBackgroundLayout layout = PaintMenuBackground(
        manager_.Tables(), m, MenuIcoLineSection(manager_.MenuSupport), extra.Data.SkinSection, *bitmap, cut);
    if (extra.Shown)
        DrawExtraLine(*bitmap, layout, extra);
    return bitmap;
}

void TsSkinableMenus::DrawExtraLine(TBitmap& bitmap, const MenuBackgroundLayout& layout, const MenuExtraLine& extra)
{
    const TSkinTables& t = manager_.Tables();
    const int section = FindSection(t, extra.Data.SkinSection);
    if (!SectionExists(t, section) || layout.ExtraLine.Empty())
        return;
    HDC dc = BitmapDC(bitmap);
    if (dc == nullptr)
        return;
    if (extra.Data.Glyph != nullptr && !layout.ExtraGlyph.Empty()) {
        auto& glyph = const_cast<TBitmap&>(*extra.Data.Glyph);
        if (HDC src = BitmapDC(glyph)) {
            GdiFlush();
            BitBlt(dc, layout.ExtraGlyph.Left, layout.ExtraGlyph.Top, layout.ExtraGlyph.Width(),
                   layout.ExtraGlyph.Height(), src, 0, 0, SRCCOPY);
        }
    }
    LOGFONTW lf{};
    lf.lfHeight = manager_.MenuSupport.ExtraLineFontHeight;
    lf.lfWeight = FW_BOLD;
    lf.lfEscapement = 900;  // reads upward
    lf.lfOrientation = 900;
    lf.lfCharSet = DEFAULT_CHARSET;
    const std::wstring face = Widen(manager_.MenuSupport.ExtraLineFontName);
    wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    OwnedGdi<HFONT> font(CreateFontIndirectW(&lf));
    HGDIOBJ old = SelectObject(dc, font.Get());
    RECT r = ToRECT(layout.ExtraCaption);
    // A turned font starts at the rectangle's bottom-left corner and runs up.
    DrawSectionText(dc, extra.Data.Caption, &t, section, true, false, DT_SINGLELINE | DT_NOCLIP | DT_BOTTOM, r);
    SelectObject(dc, old);
    GdiFlush();
}

TsSkinableMenus::PopupBackground* TsSkinableMenus::FindBackground(const TMenuItem& parent, HWND window, HDC dc)
{
    const TMenuItem* first = parent.FirstVisible();
    const std::uint64_t serial = first != nullptr ? first->ShownSerial() : 0;
    for (const auto& entry : cache_)
        if (entry->FirstItem == first && entry->Serial == serial) {
            if (entry->Window == nullptr && window != nullptr) {
                entry->Window = window;
                ShapePopupWindow(*entry);
            }
            return entry.get();
        }
    // Pictures of popups whose window has gone are not waited for.
    cache_.erase(std::remove_if(cache_.begin(), cache_.end(),
                                [](const auto& e) { return e->Window != nullptr && !IsWindow(e->Window); }),
                 cache_.end());
    auto entry = std::make_unique<PopupBackground>();
    entry->FirstItem = first;
    entry->Serial = serial;
    entry->ExtraLine = ExtraLineOf(parent);
    int glyphWidth = 16;
    for (int i = 0; i < parent.Count(); ++i)
        if (parent.Items(i)->Visible)
            glyphWidth = std::max(glyphWidth, GlyphSize(*parent.Items(i)).cx);
    entry->GlyphColumn = MenuGlyphColumnWidth(Settings(), glyphWidth);
    TSize size;
    RECT wr;
    if (window != nullptr && GetWindowRect(window, &wr)) {
        size = {wr.right - wr.left, wr.bottom - wr.top};
    } else {
        std::vector<MenuPopupEntry> entries;
        for (int i = 0; i < parent.Count(); ++i) {
            const TMenuItem& item = *parent.Items(i);
            entries.push_back({item.Visible ? MeasureOne(item, dc, entry->ExtraLine) : TSize{}, item.Visible,
                               item.Break});
        }
        size = MenuBackgroundSize(Settings(), MeasureMenuPopup(entries));
    }
    entry->Bitmap = BuildBackground(size, entry->ExtraLine, entry->GlyphColumn, entry->Cut);
    entry->Window = window;
    cache_.push_back(std::move(entry));
    if (window != nullptr)
        ShapePopupWindow(*cache_.back());
    return cache_.back().get();
}

void TsSkinableMenus::ShapePopupWindow(PopupBackground& entry)
{
    if (shaping_ || entry.Window == nullptr)
        return;
    TFlagScope shaping(shaping_);
    // Installed once per window and id: a second call only renews the data.
    SetWindowSubclass(entry.Window, PopupWindowProc, kPopupSubclassId, reinterpret_cast<DWORD_PTR>(this));
    // Nothing cut out: the window keeps its whole rectangle.
    if (entry.Cut.empty()) {
        SetWindowRgn(entry.Window, nullptr, FALSE);
        return;
    }
    HRGN region = CreateRectRgn(0, 0, entry.Bitmap->Width(), entry.Bitmap->Height());
    for (const TRect& r : entry.Cut) {
        OwnedGdi<HRGN> piece(CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom));
        CombineRgn(region, region, piece.Get(), RGN_DIFF);
    }
    // The system owns the region from here on.
    SetWindowRgn(entry.Window, region, FALSE);
}

void TsSkinableMenus::PopupWindowGone(HWND window)
{
    // Only this window's picture: the popups it opened from stay open.
    cache_.erase(std::remove_if(cache_.begin(), cache_.end(), [&](const auto& e) { return e->Window == window; }),
                 cache_.end());
}

// ---- items ----

void TsSkinableMenus::CopyBorderStrips(const PopupBackground& entry, const TMenuItem& item, const RECT& itemInWindow)
{
    const TMenuItem* parent = item.Parent();
    const MenuBorderStrips strips = MenuItemBorderStrips(
        Settings(), {entry.Bitmap->Width(), entry.Bitmap->Height()}, ToTRect(itemInWindow),
        parent != nullptr && parent->FirstVisible() == &item, parent != nullptr && parent->LastVisible() == &item,
        entry.ExtraLine.Width, std::max(0, SkinBorderWidth));
    HDC dc = GetWindowDC(entry.Window);
    if (dc == nullptr)
        return;
    for (const TRect& r : {strips.Top, strips.Bottom, strips.Left, strips.Right})
        if (!r.Empty())
            CopyBitmapToDC(*entry.Bitmap, dc, ToRECT(r), r.Left, r.Top);
    // Below the last item of a column, down to the popup's bottom: a shorter
    // column would otherwise leave the system's colour under it.
    const TMenuItem* next = item.NextVisible();
    if (next == nullptr || next->Break) {
        const RECT below{itemInWindow.left, itemInWindow.bottom, itemInWindow.right, entry.Bitmap->Height()};
        if (below.bottom > below.top)
            CopyBitmapToDC(*entry.Bitmap, dc, below, below.left, below.top);
    }
    if (item.Break && parent != nullptr && parent->FirstVisible() != &item) {
        const RECT gap{std::max(0L, itemInWindow.left - kColumnGap), itemInWindow.top, itemInWindow.left,
                       itemInWindow.bottom};
        CopyBitmapToDC(*entry.Bitmap, dc, gap, gap.left, gap.top);
    }
    ReleaseDC(entry.Window, dc);
}

void TsSkinableMenus::PaintDivider(TBitmap& bitmap, const TRect& inBackground, const PopupBackground& entry)
{
    const TSkinTables& t = manager_.Tables();
    const TRect item{0, 0, bitmap.Width(), bitmap.Height()};
    const TRect line = Moved(MenuDividerRect(Settings(), Moved(item, entry.ExtraLine.Width, 0), entry.ExtraLine.Width,
                                             entry.GlyphColumn),
                             -entry.ExtraLine.Width, 0);
    if (PaintMenuDivider(t, bitmap, *entry.Bitmap, {inBackground.Left, inBackground.Top}, line))
        return;
    HDC dc = BitmapDC(bitmap);
    if (dc == nullptr || line.Empty())
        return;
    const int y = (line.Top + line.Bottom) / 2 - 1;
    OwnedGdi<HPEN> grey(CreatePen(PS_SOLID, 1, RGB(0x80, 0x80, 0x80)));
    OwnedGdi<HPEN> white(CreatePen(PS_SOLID, 1, RGB(0xFF, 0xFF, 0xFF)));
    HGDIOBJ old = SelectObject(dc, grey.Get());
    MoveToEx(dc, line.Left, y, nullptr);
    LineTo(dc, line.Right, y);
    SelectObject(dc, white.Get());
    MoveToEx(dc, line.Left, y + 1, nullptr);
    LineTo(dc, line.Right, y + 1);
    SelectObject(dc, old);
    GdiFlush();
}

void TsSkinableMenus::PaintHeader(TBitmap& bitmap, const TMenuItem& item, const TRect& inBackground,
                                  const PopupBackground& entry, HDC menuDC)
{
    const TSkinTables& t = manager_.Tables();
    CopyBitmapRect(bitmap, 0, 0, *entry.Bitmap, inBackground);
    const int section = FindSection(t, "TOOLBAR");
    const TRect area{0, 0, bitmap.Width(), bitmap.Height()};
    if (SectionExists(t, section))
        PaintSection(t, section, "TOOLBAR", BgCacheFromBitmap(bitmap, 0, 0), {}, {&bitmap, area, 0, 0}, 0, true);
    HDC dc = BitmapDC(bitmap);
    if (dc == nullptr)
        return;
    OwnedGdi<HFONT> bold(BoldCopyOf(menuDC));
    HGDIOBJ old = SelectObject(dc, bold.Get() != nullptr ? bold.Get() : GetCurrentObject(menuDC, OBJ_FONT));
    RECT r = ToRECT(area);
    const int textSection = SectionExists(t, section) ? section : FindSection(t, "MAINMENU");
    DrawSectionText(dc, MenuHeaderText(item.Caption), &t, textSection, true, false,
                    DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX, r);
    SelectObject(dc, old);
    GdiFlush();
}

void TsSkinableMenus::PaintNormal(TBitmap& bitmap, TMenuItem& item, const TRect& inBackground,
                                  const PopupBackground& entry, UINT state, HDC menuDC)
{
    const TSkinTables& t = manager_.Tables();
    const MenuSettings s = Settings();
    const bool enabled = (state & (ODS_GRAYED | ODS_DISABLED)) == 0;
    const bool selected = (state & ODS_SELECTED) != 0;
    const bool hot = enabled && (selected || (state & ODS_HOTLIGHT) != 0);
    const TRect area{0, 0, bitmap.Width(), bitmap.Height()};
    MenuItemFace face;
    face.Enabled = enabled;
    face.Selected = selected;
    face.Checked = item.Checked;
    face.Radio = item.RadioItem;
    face.HasGlyph = item.Bitmap != nullptr;
    face.Margin = s.Margin;
    const bool marked = PaintMenuItemFace(t, bitmap, *entry.Bitmap, {inBackground.Left, inBackground.Top}, face);
    int section = FindSection(t, "MENUITEM");
    if (!SectionExists(t, section))
        section = FindSection(t, "MAINMENU");
    const TSize glyph = GlyphSize(item);
    const int glyphTop = (bitmap.Height() - glyph.cy) / 2;
    HDC dc = BitmapDC(bitmap);
    // A checked item without a glyph has its check mark in the face; a
    // skin without one gets the system's mark, so that the state is seen.
    if (!marked && dc != nullptr)
        DrawBuiltInMenuMark(dc, RECT{s.Margin, glyphTop, s.Margin + glyph.cx, glyphTop + glyph.cy}, item.RadioItem, t,
                            section, enabled, hot);
    if (item.Bitmap != nullptr && dc != nullptr) {
        auto& own = const_cast<TBitmap&>(*item.Bitmap);
        if (HDC src = BitmapDC(own)) {
            GdiFlush();
            if (own.PixelFormat() == TPixelFormat::pf32bit) {
                const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
                GdiAlphaBlend(dc, s.Margin, glyphTop, own.Width(), own.Height(), src, 0, 0, own.Width(), own.Height(),
                              blend);
            } else {
                BitBlt(dc, s.Margin, glyphTop, own.Width(), own.Height(), src, 0, 0, SRCCOPY);
            }
        }
    } else if (const char symbol = item.Checked ? '\0' : MenuSystemSymbol(item.Menu() != nullptr ? item.Menu()->Name() : std::string(),
                                                    static_cast<unsigned>(item.Tag));
               symbol != 0 && dc != nullptr) {
        LOGFONTW lf{};
        lf.lfHeight = -MulDiv(10, GetDeviceCaps(dc, LOGPIXELSY), 72);
        lf.lfCharSet = SYMBOL_CHARSET;
        wcscpy(lf.lfFaceName, SymbolFontName());
        OwnedGdi<HFONT> font(CreateFontIndirectW(&lf));
        HGDIOBJ old = SelectObject(dc, font.Get());
        RECT r{s.Margin, glyphTop, s.Margin + glyph.cx, glyphTop + glyph.cy};
        DrawSectionText(dc, std::string(1, symbol), &t, section, enabled, hot,
                        DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX | DT_NOCLIP, r);
        SelectObject(dc, old);
    }
    if (dc != nullptr) {
        OwnedGdi<HFONT> bold(item.Default ? BoldCopyOf(menuDC) : nullptr);
        HGDIOBJ old = SelectObject(dc, bold.Get() != nullptr ? bold.Get() : GetCurrentObject(menuDC, OBJ_FONT));
        const bool rightToLeft = (GetLayout(menuDC) & LAYOUT_RTL) != 0;
        const MenuCaptionText caption = MenuCaptionForDrawing(item.Caption, Alignment, rightToLeft);
        const int textLeft = entry.GlyphColumn + s.Margin;
        RECT r{textLeft, 0, bitmap.Width() - s.Margin - glyph.cx, bitmap.Height()};
        UINT flags = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | DT_NOCLIP | AlignmentFlags(caption.Align);
        if (state & ODS_NOACCEL)
            flags |= DT_HIDEPREFIX;
        DrawSectionText(dc, caption.Text, &t, section, enabled, hot, flags, r);
        if (!item.ShortCutText.empty()) {
            RECT sr{textLeft, 0, bitmap.Width() - kShortcutRight, bitmap.Height()};
            DrawSectionText(dc, item.ShortCutText, &t, section, enabled, hot,
                            DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX | DT_NOCLIP, sr);
        }
        SelectObject(dc, old);
        GdiFlush();
    }
    if (OnDrawItem && dc != nullptr) {
        const RECT r = ToRECT(area);
        OnDrawItem(&item, dc, r, state, smNormal);
        GdiFlush();
    }
    if (!enabled)
        FadeDisabledMenuItem(bitmap, *entry.Bitmap, {inBackground.Left, inBackground.Top});
}

void TsSkinableMenus::PaintMenuBarItem(TMenuItem& item, TBitmap& bitmap, const TBitmap& under, TPoint at, UINT state,
                                       HDC fontDC)
{
    const TSkinTables& t = manager_.Tables();
    const bool enabled = (state & (ODS_GRAYED | ODS_DISABLED)) == 0;
    const bool hot = enabled && (state & (ODS_SELECTED | ODS_HOTLIGHT)) != 0;
    MenuItemFace face;
    face.Enabled = enabled;
    face.Selected = hot;
    PaintMenuItemFace(t, bitmap, under, at, face);
    HDC dc = BitmapDC(bitmap);
    if (dc == nullptr)
        return;
    const bool rightToLeft = fontDC != nullptr && (GetLayout(fontDC) & LAYOUT_RTL) != 0;
    const TMenuBarItemPlaces places = MenuBarItemPlaces(
        {bitmap.Width(), bitmap.Height()},
        item.Bitmap != nullptr && !item.Bitmap->Empty() ? TSize{item.Bitmap->Width(), item.Bitmap->Height()} : TSize{},
        rightToLeft);
    if (item.Bitmap != nullptr && !places.Glyph.Empty()) {
        auto& own = const_cast<TBitmap&>(*item.Bitmap);
        if (HDC src = BitmapDC(own)) {
            GdiFlush();
            if (own.PixelFormat() == TPixelFormat::pf32bit) {
                const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
                GdiAlphaBlend(dc, places.Glyph.Left, places.Glyph.Top, own.Width(), own.Height(), src, 0, 0,
                              own.Width(), own.Height(), blend);
            } else {
                BitBlt(dc, places.Glyph.Left, places.Glyph.Top, own.Width(), own.Height(), src, 0, 0, SRCCOPY);
            }
        }
    }
    int section = FindSection(t, "MENULINE");
    if (!SectionExists(t, section))
        section = FindSection(t, "MAINMENU");
    {
        OwnedGdi<HFONT> bold(item.Default && fontDC != nullptr ? BoldCopyOf(fontDC) : nullptr);
        HGDIOBJ font = bold.Get() != nullptr ? bold.Get() : fontDC != nullptr ? GetCurrentObject(fontDC, OBJ_FONT) : nullptr;
        HGDIOBJ old = font != nullptr ? SelectObject(dc, font) : nullptr;
        UINT flags = DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOCLIP;
        if (state & ODS_NOACCEL)
            flags |= DT_HIDEPREFIX;
        DrawSectionText(dc, item.Caption, &t, section, enabled, hot, flags, ToRECT(places.Caption));
        if (old != nullptr)
            SelectObject(dc, old);
    }
    GdiFlush();
    if (OnDrawItem) {
        const RECT r{0, 0, bitmap.Width(), bitmap.Height()};
        OnDrawItem(&item, dc, r, state, smTopLine);
        GdiFlush();
    }
    if (!enabled)
        FadeDisabledMenuItem(bitmap, under, at);
}

void TsSkinableMenus::DrawMenuBarItem(TMenuItem& item, HDC dc, const RECT& rect, UINT state)
{
    const int width = static_cast<int>(rect.right - rect.left), height = static_cast<int>(rect.bottom - rect.top);
    if (!manager_.Active() || !manager_.SkinReady()) {
        DrawPlain(item, dc, rect, state);
        return;
    }
    if (width <= 0 || height <= 0)
        return;
    TBitmap under(width, height, TPixelFormat::pf24bit);
    PaintMenuLine(manager_.Tables(), under, {0, 0, width, height});
    TBitmap bitmap(width, height, TPixelFormat::pf24bit);
    PaintMenuBarItem(item, bitmap, under, {0, 0}, state, dc);
    CopyBitmapToDC(bitmap, dc, rect, 0, 0);
}

void TsSkinableMenus::DrawPlain(TMenuItem& item, HDC dc, const RECT& rect, UINT state)
{
    const bool selected = (state & ODS_SELECTED) != 0;
    FillRect(dc, &rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    if (item.IsLine()) {
        RECT line{rect.left + 2, (rect.top + rect.bottom) / 2 - 1, rect.right - 2, (rect.top + rect.bottom) / 2 + 1};
        DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor((state & ODS_GRAYED) ? COLOR_GRAYTEXT
                                                      : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    RECT r{rect.left + 24, rect.top, rect.right - kShortcutRight, rect.bottom};
    DrawTextUtf8(dc, item.Caption, r, DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS);
    if (!item.ShortCutText.empty())
        DrawTextUtf8(dc, item.ShortCutText, r, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
}

void TsSkinableMenus::DrawItem(TMenuItem& item, HDC dc, const RECT& rect, UINT state)
{
    TMenuItem* parent = item.Parent();
    if (!manager_.Active() || !manager_.SkinReady() || parent == nullptr) {
        DrawPlain(item, dc, rect, state);
        return;
    }
    MeasuredSkinBorderWidth();
    HWND window = WindowFromDC(dc);
    PopupBackground* entry = FindBackground(*parent, window, dc);
    if (entry == nullptr || entry->Bitmap == nullptr)
        return;
    // The item's place in the popup window, whose picture the background is.
    POINT origin{0, 0};
    RECT itemInWindow = rect;
    if (window != nullptr) {
        RECT wr;
        GetWindowRect(window, &wr);
        ClientToScreen(window, &origin);
        OffsetRect(&itemInWindow, origin.x - wr.left, origin.y - wr.top);
        CopyBorderStrips(*entry, item, itemInWindow);
    }
    const int extra = entry->ExtraLine.Width;
    const int width = std::max(0, static_cast<int>(rect.right - rect.left) - extra);
    const int height = std::max(0, static_cast<int>(rect.bottom - rect.top));
    if (width == 0 || height == 0)
        return;
    const TRect inBackground{itemInWindow.left + extra, itemInWindow.top, itemInWindow.left + extra + width,
                             itemInWindow.top + height};
    // Each kind lays the background under it first.
    TBitmap bitmap(width, height, TPixelFormat::pf24bit);
    switch (MenuItemKind(item.Caption)) {
    case smDivider: PaintDivider(bitmap, inBackground, *entry); break;
    case smCaption: PaintHeader(bitmap, item, inBackground, *entry, dc); break;
    case smNormal:
    case smTopLine: PaintNormal(bitmap, item, inBackground, *entry, state, dc); break;
    }
    const RECT to{rect.left + extra, rect.top, rect.left + extra + width, rect.top + height};
    CopyBitmapToDC(bitmap, dc, to, 0, 0);
    if (extra > 0) {
        // The extra line runs down the popup beside every item.
        const RECT strip{rect.left, rect.top, rect.left + extra, rect.bottom};
        CopyBitmapToDC(*entry->Bitmap, dc, strip, itemInWindow.left, itemInWindow.top);
    }
}

}  // namespace taramel
