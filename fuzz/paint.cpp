// Painting fuzzed skins: the input's first 32 bytes choose picture sizes,
// the painted sizes and states and, when asked, raw values written over the
// loaded images' records (rectangles, counts, borders, modes); the rest is
// the options text. Every section, image and glyph is then painted into
// 24- and 32-bit bitmaps over each kind of parent, and popup menus of any
// size (background, item faces, dividers, border strips) and glows of any
// control, margin and cut are laid out and painted. Nothing may read or
// write outside a bitmap, divide by zero or loop for ever; loading errors
// are fine.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/Exception.h"
#include "engine/MenuLayout.h"
#include "engine/MenuPaint.h"
#include "paint/GlowGeometry.h"
#include "paint/Glyphs.h"
#include "paint/Masks.h"
#include "paint/SectionPaint.h"
#include "paint/Textures.h"
#include "skin/SkinFiles.h"
#include "skin/SkinLoader.h"
#include "tests/skin/loader_bmp.h"

namespace {

using namespace taramel;

constexpr std::size_t kParams = 32;

struct Params {
    const std::uint8_t* p;
    std::size_t n;
    std::size_t at = 0;
    int Byte() { return n ? p[at++ % n] : 0; }
    int Short() { return static_cast<std::int16_t>(Byte() | Byte() << 8); }
    int Small(int below) { return Byte() % below; }
};

std::vector<std::uint8_t> Picture(int w, int h, int seed)
{
    return test::Bmp24(w, h, [seed](int x, int y) -> std::uint32_t {
        // Some key pixels, some grey mask values, some colours.
        if ((x + y + seed) % 5 == 0)
            return 0xFF00FF;
        return static_cast<std::uint32_t>((x * 37 + y * 11 + seed) * 2654435761u) & 0xFFFFFF;
    });
}

void Scramble(TsMaskData& m, Params& q)
{
    m.ImageRect = {q.Short() % 80, q.Short() % 80, q.Short() % 200, q.Short() % 200};
    m.ImageCount = static_cast<std::int16_t>(q.Short() % 6);
    m.MaskType = static_cast<std::int16_t>(q.Short() % 3);
    m.StretchMode = static_cast<std::int16_t>(q.Short() % 16);
    m.WL = static_cast<std::int16_t>(q.Short() % 40);
    m.WT = static_cast<std::int16_t>(q.Short() % 40);
    m.WR = static_cast<std::int16_t>(q.Short());
    m.WB = static_cast<std::int16_t>(q.Short());
}

void PaintAll(const TSkinTables& t, Params& q)
{
    const int w = 1 + q.Small(70), h = 1 + q.Small(50);
    for (TPixelFormat f : {TPixelFormat::pf24bit, TPixelFormat::pf32bit}) {
        TBitmap dst(w, h, f);
        TBitmap parent(1 + q.Small(60), 1 + q.Small(60), q.Small(2) ? TPixelFormat::pf32bit : TPixelFormat::pf24bit);
        const BgCache caches[] = {EmptyBgCache, BgCache{nullptr, 0, 0, 0x123456, false},
                                  BgCacheFromBitmap(parent, q.Short() % 100, q.Short() % 100),
                                  BgCacheFromBitmap(dst, 0, 0)};
        for (std::size_t s = 0; s < t.Sections.size() && s < 24; ++s) {
            const BgCache& bg = caches[q.Small(4)];
            const TRect r{q.Small(w + 1) - 2, q.Small(h + 1) - 2, q.Small(w + 3), q.Small(h + 3)};
            const SectionPatterns p{q.Small(static_cast<int>(t.Images.size()) + 2) - 1, q.Small(3) - 1};
            PaintSection(t, static_cast<int>(s), t.Sections[s].SectionName, bg, p, {&dst, r, q.Small(5), q.Small(5)},
                         q.Small(6) - 1, q.Small(2));
            PaintSectionBackground(t, static_cast<int>(s), t.Sections[s].SectionName, bg, q.Small(2) ? 0xFF00FF : 0x80,
                                   p, {&dst, {0, 0, w, h}, 0, 0}, q.Small(2));
            PaintSectionWithMask(t, static_cast<int>(s), q.Small(static_cast<int>(t.Images.size()) + 1), p,
                                 {&dst, {0, 0, w, h}, q.Small(3), 0}, q.Small(4), q.Small(2), bg);
        }
        for (std::size_t i = 0; i < t.Images.size() && i < 40; ++i) {
            const TsMaskData& m = t.Images[i];
            const BgCache& bg = caches[q.Small(4)];
            const int state = q.Small(8) - 2;
            DrawMaskImage(t, dst, {q.Small(w + 20) - 10, q.Small(h + 20) - 10}, state, bg, m, q.Small(3));
            DrawMaskRect(t, dst, {q.Small(w) - 3, q.Small(h) - 3, q.Small(w + 6), q.Small(h + 6)}, q.Small(2),
                         q.Small(2), state, m, bg);
            TRect r{q.Small(w) - 2, q.Small(h) - 2, q.Small(w + 4), q.Small(h + 4)};
            PaintTexture(t, dst, r, nullptr, q.Small(16), m);
            r = {q.Small(w) - 2, q.Small(h) - 2, q.Small(w + 4), q.Small(h + 4)};
            PaintMaskedTexture(t, dst, r, bg, q.Small(2) * 10, m);
            TAOR rects;
            CollectKeyRects(t, rects, w, m, q.Small(2), q.Small(10));
            DrawMaskRegionParts(t, dst, state, m, rects);
            if (const TBitmap* src = MaskSourceBitmap(t, m)) {
                CopyImageThroughMask(dst, {q.Small(w) - 4, q.Small(h) - 4, q.Small(w + 8), q.Small(h + 8)},
                                     {q.Short() % 90, q.Short() % 90, q.Short() % 90, q.Short() % 90}, q.Small(2), bg,
                                     *src);
                GlyphDraw g;
                g.NumGlyphs = q.Small(6) - 1;
                g.State = q.Small(4);
                g.Down = q.Small(2);
                g.Enabled = q.Small(2);
                g.DisabledKinds = static_cast<unsigned>(q.Small(4));
                g.BlendPercent = q.Short() % 150;
                DrawGlyph(*src, dst, {q.Small(w + 10) - 5, q.Small(h + 10) - 5}, g);
                DrawCentredGlyph(dst, *src,
                                 {q.Small(w + 10) - 5, q.Small(h + 10) - 5, q.Small(w + 10) - 5, q.Small(h + 10) - 5});
            }
        }
    }
}

void PaintMenus(const TSkinTables& t, Params& q)
{
    MenuBackgroundMetrics m;
    m.Size = TSize{q.Small(180) - 10, q.Small(140) - 10};
    m.SkinBorderWidth = MenuSkinBorderWidth(t);
    m.GlyphColumnWidth = q.Short() % 300;
    m.ExtraLineWidth = q.Small(2) ? q.Short() % 90 : 0;
    m.HasExtraGlyph = q.Small(2);
    m.ExtraGlyph = TSize{q.Short() % 120, q.Short() % 120};
    m.ExtraCaptionHeight = q.Short() % 60;
    TBitmap background(std::max(m.Size.cx, 0), std::max(m.Size.cy, 0), TPixelFormat::pf24bit);
    const std::string extra =
        t.Sections.empty() ? "EXTRALINE" : t.Sections[static_cast<std::size_t>(q.Small(64)) % t.Sections.size()].SectionName;
    TAOR cut;
    PaintMenuBackground(t, m, MenuIcoLineSection(TacMenuSupport{}), extra, background, cut);
    MenuSettings s;
    s.BorderWidth = q.Short() % 70;
    s.Margin = q.Short() % 70;
    s.Spacing = q.Short() % 70;
    for (int i = 0; i < 4; ++i) {
        TBitmap item(q.Small(120), q.Small(40), TPixelFormat::pf24bit);
        const TPoint at{q.Short() % 220, q.Short() % 220};
        MenuItemFace face;
        face.Enabled = q.Small(2);
        face.Selected = q.Small(2);
        face.Checked = q.Small(2);
        face.Radio = q.Small(2);
        face.HasGlyph = q.Small(3) == 0;
        face.Margin = q.Short() % 60;
        PaintMenuItemFace(t, item, background, at, face);
        const TRect itemRect{at.X, at.Y, at.X + item.Width(), at.Y + item.Height()};
        const TRect line = MenuDividerRect(s, itemRect, m.ExtraLineWidth, m.GlyphColumnWidth);
        PaintMenuDivider(t, item, background, at, {line.Left - at.X, line.Top - at.Y, line.Right - at.X,
                                                   line.Bottom - at.Y});
        FadeDisabledMenuItem(item, background, at);
        MenuItemBorderStrips(s, m.Size, itemRect, q.Small(2), q.Small(2), m.ExtraLineWidth, m.SkinBorderWidth);
    }
    // A menu bar: the line over any part of a frame, items placed and faced
    // over it wherever the system puts them.
    TBitmap frame(q.Small(200), q.Small(80), TPixelFormat::pf24bit);
    const std::string lineSection =
        t.Sections.empty() ? "MENULINE" : t.Sections[static_cast<std::size_t>(q.Small(64)) % t.Sections.size()].SectionName;
    PaintMenuLine(t, frame, {q.Short() % 260 - 30, q.Short() % 120 - 30, q.Short() % 260 - 30, q.Short() % 120 - 30},
                  lineSection);
    const TSize barItem = MeasureMenuBarItemSize(q.Short(), q.Short(), q.Short());
    const TMenuBarItemPlaces places =
        MenuBarItemPlaces({barItem.cx % 300, barItem.cy % 60}, {q.Short() % 80, q.Short() % 80}, q.Small(2));
    TBitmap barFace(std::max(places.Caption.Right, 0) % 300, std::max(places.Caption.Bottom, 0) % 60,
                    TPixelFormat::pf24bit);
    const TPoint on{q.Short() % 240 - 20, q.Short() % 100 - 20};
    MenuItemFace hot;
    hot.Selected = q.Small(2);
    hot.Enabled = q.Small(2);
    PaintMenuItemFace(t, barFace, frame, on, hot);
    FadeDisabledMenuItem(barFace, frame, on);

    const TRect control{q.Short(), q.Short(), q.Short(), q.Short()};
    const TRect visible{q.Short(), q.Short(), q.Short(), q.Short()};
    PlaceGlow(control, visible, GlowBorders{q.Short(), q.Short(), q.Short(), q.Short()}, q.Short());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < kParams)
        return 0;
    Params q{data, kParams};
    const std::string text(reinterpret_cast<const char*>(data + kParams), size - kParams);
    TMemoryFileSystem files;
    const std::string folder = "C:\\Skins\\Fuzz\\";
    files.AddFile(folder + "MASTER.BMP", Picture(1 + q.Small(96), 1 + q.Small(64), q.Byte()));
    files.AddFile(folder + "A.BMP", Picture(1 + q.Small(40), 1 + q.Small(24), q.Byte()));
    files.AddFile(folder + "B.BMP", Picture(1 + q.Small(12), 1 + q.Small(12), q.Byte()));
    TSkinSource source;
    source.OptionsText = text;
    source.SkinPath = folder;
    source.Files = &files;
    TSkinTables tables;
    try {
        LoadSkin(source, TSkinLoadSettings{}, tables);
    } catch (const Exception&) {
        return 0;
    }
    if (q.Byte() & 1)
        for (TsMaskData& m : tables.Images)
            Scramble(m, q);
    PaintAll(tables, q);
    PaintMenus(tables, q);
    return 0;
}
