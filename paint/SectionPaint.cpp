#include "paint/SectionPaint.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "paint/Masks.h"
#include "paint/Textures.h"
#include "render/Blend.h"
#include "render/BitmapCopy.h"
#include "render/FactorOps.h"
#include "render/Gradient.h"
#include "render/PixelMath.h"
#include "render/SysColors.h"
#include "render/WorkBitmaps.h"
#include "skin/SkinLookups.h"
#include "skin/SkinKeys.h"

namespace taramel {

BgCache BackgroundToCache(const BackgroundInfo& info)
{
    if (info.Kind == bikBitmap && info.Bitmap)
        return BgCacheFromBitmap(*info.Bitmap, info.OffsetX, info.OffsetY);
    BgCache bg;
    bg.SolidColor = ResolveColor(info.Color);
    return bg;
}

namespace {

// The values of one look of a section (normal or hot), percents kept in 0..100.
struct Look {
    TColor Color = 0;
    int Transparency = 0;
    int GradientPercent = 0;
    int ImagePercent = 0;
    bool HasGradient = false;  // the gradient text names at least one band
    const TsGradArray* Gradient = nullptr;
};

int Percent(int v) { return std::clamp(v, 0, 100); }

Look LookOf(const TsGeneralData& s, bool hot, TColor customColor)
{
    Look l;
    if (customColor != TransparentKey) {
        l.Color = customColor;
        return l;
    }
    l.Color = hot ? s.HotColor : s.Color;
    l.Transparency = Percent(hot ? s.HotTransparency : s.Transparency);
    if (l.Transparency == 100)
        return l;
    l.ImagePercent = Percent(hot ? s.HotImagePercent : s.ImagePercent);
    l.GradientPercent = Percent(hot ? s.HotGradientPercent : s.GradientPercent);
    if (l.GradientPercent != 0) {
        l.Gradient = hot ? &s.HotGradientArray : &s.GradientArray;
        l.HasGradient = !l.Gradient->empty();
    }
    return l;
}

// The texture of a look: an image of the image table or a large pattern.
struct Texture {
    const TsMaskData* Image = nullptr;
    const TBitmap* Pattern = nullptr;
    bool Exists() const { return Image || Pattern; }
};

Texture TextureOf(const TSkinTables& t, int sectionIndex, std::string_view sectionName, SectionPatterns p, bool hot)
{
    Texture tex;
    const int given = hot ? p.HotPattern : p.Pattern;
    if (given != -1) {
        // A given image is used whatever its kind; a masked one is laid
        // through its mask like a looked-up one.
        if (ImageExists(t, given))
            tex.Image = &t.Images[given];
        return tex;
    }
    const char* name = hot ? s_HotPattern : s_Pattern;
    const int image = FindImage(t, sectionIndex, sectionName, name);
    if (ImageExists(t, image)) {
        tex.Image = &t.Images[image];
        return tex;
    }
    const int pattern = FindPattern(t, sectionIndex, sectionName, name);
    if (pattern >= 0 && static_cast<std::size_t>(pattern) < t.Patterns.size() && t.Patterns[pattern].Image &&
        !t.Patterns[pattern].Image->Empty())
        tex.Pattern = t.Patterns[pattern].Image.get();
    return tex;
}

// The work bitmaps of a paint: one for a see-through look's own background,
// one for a gradient laid over a texture. They are kept between paints
// (making a bitmap, a DIB section in the program, costs more than clearing
// one) and handed out cleared, as a new one would be; a paint never nests
// inside another of the same slot.
enum ScratchSlot { kOwnLook = 0, kGradientOver = 1 };

TBitmap& Scratch(ScratchSlot slot, const TBitmap& target, int w, int h)
{
    thread_local std::unique_ptr<TBitmap> pool[2];
    const bool is32 = target.PixelFormat() == TPixelFormat::pf32bit;
    std::unique_ptr<TBitmap>& b = pool[slot];
    if (!b || b->Width() != w || b->Height() != h || (b->PixelFormat() == TPixelFormat::pf32bit) != is32) {
        b = is32 ? CreateWorkBitmap32(w, h) : CreateWorkBitmap24(w, h);
        return *b;
    }
    const std::size_t bytes = static_cast<std::size_t>(w) * (is32 ? 4 : 3);
    for (int y = 0; y < h; ++y)
        std::memset(b->ScanLine(y), 0, bytes);
    return *b;
}

// A gradient of bands is one column (vertical bands) or one row
// (horizontal bands) repeated over its rectangle: painted once into a line
// and laid row by row it gives the pixels of painting it whole, without a
// rectangle-sized work bitmap. Bands cover a line of two pixels or more
// completely, so no pixel of the line is left unpainted.
class GradientLine {
public:
    // False (and the caller paints the rectangle whole) for four-corner and
    // unknown modes, rectangles under 2 x 2 and formats other than 24 and
    // 32 bits.
    bool Paint(const TsGradArray& g, int w, int h, TPixelFormat f)
    {
        if (g.empty() || w < 2 || h < 2 || (f != TPixelFormat::pf24bit && f != TPixelFormat::pf32bit))
            return false;
        const int mode = g.front().Mode;
        if (mode != gmVertical && mode != gmHorizontal)
            return false;
        vertical_ = mode == gmVertical;
        width_ = w;
        bpp_ = BytesPerPixel(f);
        // Two pixels thick, as the pixel operations take nothing thinner.
        const int lw = vertical_ ? 2 : w, lh = vertical_ ? h : 2;
        if (!line_ || line_->Width() != lw || line_->Height() != lh || line_->PixelFormat() != f)
            line_ = std::make_unique<TBitmap>(lw, lh, f);
        PaintGradient(*line_, {0, 0, lw, lh}, g);
        return true;
    }
    TBitmap& Line() { return *line_; }

    // Row y of the rectangle into the target at (x, y0 + y).
    void CopyRow(TBitmap& t, int x, int y0, int y)
    {
        std::uint8_t* d = t.ScanLine(y0 + y) + static_cast<std::ptrdiff_t>(x) * bpp_;
        if (vertical_)
            RepeatPixel(d, line_->ScanLine(y), bpp_, width_);
        else
            std::memcpy(d, line_->ScanLine(0), static_cast<std::size_t>(width_) * bpp_);
    }
    // Row y of the rectangle blended onto the target's row, `weight` the
    // share the target keeps.
    void BlendRow(TBitmap& t, int x, int y0, int y, unsigned weight)
    {
        std::uint8_t* d = t.ScanLine(y0 + y) + static_cast<std::ptrdiff_t>(x) * bpp_;
        const std::size_t n = static_cast<std::size_t>(width_) * bpp_;
        // A vertical band's row is one pixel repeated.
        if (vertical_)
            BlendColourBytes(d, line_->ScanLine(y), bpp_, n, weight);
        else
            BlendBytes(d, line_->ScanLine(0), n, weight);
    }

private:
    std::unique_ptr<TBitmap> line_;
    bool vertical_ = true;
    int width_ = 0;
    int bpp_ = 3;
};

// One per thread: a paint never nests inside another's gradient.
GradientLine& SharedGradientLine()
{
    thread_local GradientLine line;
    return line;
}

void Fill(TBitmap& bmp, const TRect& r, TColor c)
{
    if (bmp.PixelFormat() == TPixelFormat::pf32bit)
        FillRect32(bmp, r, ResolveColor(c));
    else
        FillSolidRect(bmp, r, c);
}

// The parent's picture (or colour) copied under the rectangle.
void CopyParent(TBitmap& dst, const TRect& r, const BgCache& bg, int ox, int oy)
{
    if (!bg.HasBitmap)
        Fill(dst, r, bg.SolidColor);
    else if (bg.Bitmap && bg.Bitmap != &dst)
        CopyBitmapRect(dst, r.Left, r.Top, *bg.Bitmap,
                       {bg.X + ox, bg.Y + oy, bg.X + ox + r.Width(), bg.Y + oy + r.Height()});
}

enum class Variant { Section, ScrollPart };

struct OwnBackground {
    const TSkinTables& Tables;
    const Look& L;
    const Texture& Tex;
    const BgCache& Bg;
    Variant Kind;
    bool ParentColorFill;  // an unfilled look takes the cache's colour
};

// The section's own background (texture, gradient, colour) into r of t.
void PaintOwn(const OwnBackground& o, TBitmap& t, const TRect& r)
{
    const Look& l = o.L;
    bool textured = false;
    if (l.ImagePercent > 0 && o.Tex.Exists()) {
        TRect left = r;
        if (o.Tex.Pattern) {
            TileBitmap(t, r, o.Tex.Pattern);
            left = kNothingLeft;
        } else if (o.Tex.Image->MaskType > 0) {
            PaintMaskedTexture(o.Tables, t, left, o.Bg, o.Tex.Image->StretchMode, *o.Tex.Image);
        } else {
            PaintTexture(o.Tables, t, left, o.Tex.Image->Image.get(), o.Tex.Image->StretchMode, *o.Tex.Image);
        }
        if (left != kNothingLeft)
            Fill(t, left, l.Color);
        textured = true;
    }
    auto gradient = [&](TBitmap& b, const TRect& area) {
        if (l.HasGradient)
            PaintGradient(b, area, *l.Gradient);
        else
            Fill(b, area, l.Color);
    };
    const int gi = l.GradientPercent + l.ImagePercent;
    const bool finalFill = gi == 0 || (o.Kind == Variant::ScrollPart && gi > 100);
    bool faded = false;
    if (l.GradientPercent > 0) {
        GradientLine& line = SharedGradientLine();
        const bool byLine = l.HasGradient && line.Paint(*l.Gradient, r.Width(), r.Height(), t.PixelFormat());
        if (textured) {
            const int w = o.Kind == Variant::Section ? PercentToWeight(l.ImagePercent)
                                                      : ClampByte(l.ImagePercent * 256 / 100);
            if (byLine) {
                for (int y = r.Height() - 1; y >= 0; --y)
                    line.BlendRow(t, r.Left, r.Top, y, static_cast<unsigned>(ClampByte(w)));
            } else {
                TBitmap& over = Scratch(kGradientOver, t, r.Width(), r.Height());
                gradient(over, {0, 0, r.Width(), r.Height()});
                BlendBitmaps(t, over, w, r.Left, r.Top, {0, 0, r.Width(), r.Height()});
            }
        } else if (byLine) {
            // The fade toward the colour works byte by byte, so fading the
            // line fades every row it is laid into.
            if (!finalFill && gi < 100) {
                FadeRectToColor(line.Line(), {0, 0, line.Line().Width() - 1, line.Line().Height() - 1}, gi,
                                l.Color);
                faded = true;
            }
            for (int y = 0; y < r.Height(); ++y)
                line.CopyRow(t, r.Left, r.Top, y);
        } else {
            gradient(t, r);
        }
    }
    if (finalFill)
        Fill(t, r, o.ParentColorFill ? o.Bg.SolidColor : l.Color);
    else if (gi < 100 && !faded)
        FadeRectToColor(t, {r.Left, r.Top, r.Right - 1, r.Bottom - 1}, gi, l.Color);
}

bool InsideBitmap(const TBitmap* bmp, const TRect& r)
{
    return bmp && !bmp->Empty() && r.Left >= 0 && r.Top >= 0 && r.Right <= bmp->Width() &&
           r.Bottom <= bmp->Height() && r.Right > r.Left && r.Bottom > r.Top;
}

// Background shared by the section painters: the parent's share, then the
// own background over it (or straight into the target).
void PaintBackground(const TSkinTables& tables, const Look& l, const Texture& tex, const BgCache& bg,
                     const SectionTarget& target, Variant kind)
{
    TBitmap& dst = *target.Bitmap;
    const TRect& r = target.Rect;
    const bool parentKnown = kind == Variant::Section ? (bg.HasBitmap || bg.SolidColor != TransparentKey)
                                                      : bg.HasBitmap;
    if (parentKnown && l.Transparency != 0) {
        if (l.Transparency == 100) {
            CopyParent(dst, r, bg, target.OffsetX, target.OffsetY);
            return;
        }
        // The own background goes into a bitmap of its own and is laid over
        // the parent's share, so the parent shows through by its percent.
        TBitmap& own = Scratch(kOwnLook, dst, r.Width(), r.Height());
        PaintOwn({tables, l, tex, bg, kind, false}, own, {0, 0, r.Width(), r.Height()});
        CopyParent(dst, r, bg, target.OffsetX, target.OffsetY);
        BlendBitmaps(dst, own, PercentToWeight(l.Transparency), r.Left, r.Top, {0, 0, r.Width(), r.Height()});
        return;
    }
    // A see-through look without a parent's picture takes the cache's colour
    // (the key when the parent gave none, so that it stays see-through).
    const bool parentColor =
        kind == Variant::Section ? (!bg.HasBitmap && l.Transparency != 0) : (!bg.HasBitmap && l.Transparency == 100);
    PaintOwn({tables, l, tex, bg, kind, parentColor}, dst, r);
}

// Paints a masked tiled texture (placement 10) again so that its uncovered
// strips show the parent.
void RefreshMaskedTexture(const TSkinTables& tables, const SectionTarget& target, const BgCache& bg,
                          SectionPatterns p)
{
    auto refreshable = [&](int i) {
        return ImageExists(tables, i) && tables.Images[i].MaskType > 0 && tables.Images[i].StretchMode == 10;
    };
    int index = -1;
    if (refreshable(p.Pattern))
        index = p.Pattern;
    else if (refreshable(p.HotPattern))
        index = p.HotPattern;
    if (index < 0)
        return;
    TRect r = target.Rect;
    PaintMaskedTexture(tables, *target.Bitmap, r, Offset(bg, target.OffsetX, target.OffsetY), 10,
                       tables.Images[index]);
}

void DrawCorners(const TSkinTables& tables, const TsGeneralData& s, TBitmap& bmp, const TRect& r, int state)
{
    const BgCache self = BgCacheFromBitmap(bmp, 0, 0);
    auto corner = [&](int index, bool right, bool bottom) {
        if (!ImageExists(tables, index))
            return;
        const TsMaskData& m = tables.Images[index];
        const TPoint at{right ? r.Right - StateImageWidth(m) : r.Left, bottom ? r.Bottom - StateImageHeight(m) : r.Top};
        DrawMaskImage(tables, bmp, at, state, self, m, 1);
    };
    corner(s.ImgTL, false, false);
    corner(s.ImgTR, true, false);
    corner(s.ImgBL, false, true);
    corner(s.ImgBR, true, true);
}

}  // namespace

void PaintSectionBackground(const TSkinTables& tables, int sectionIndex, std::string_view sectionName,
                            const BgCache& bg, TColor customColor, SectionPatterns patterns,
                            const SectionTarget& target, bool hot)
{
    if (!SectionExists(tables, sectionIndex) || !InsideBitmap(target.Bitmap, target.Rect))
        return;
    const Look l = LookOf(tables.Sections[sectionIndex], hot, customColor);
    const Texture tex = l.ImagePercent > 0 ? TextureOf(tables, sectionIndex, sectionName, patterns, hot) : Texture{};
    PaintBackground(tables, l, tex, bg, target, Variant::Section);
    if (!hot)
        RefreshMaskedTexture(tables, target, bg, patterns);
}

void PaintSection(const TSkinTables& tables, int sectionIndex, std::string_view sectionName, const BgCache& bg,
                  SectionPatterns patterns, const SectionTarget& target, int state, bool fillCentre)
{
    if (!SectionExists(tables, sectionIndex) || !InsideBitmap(target.Bitmap, target.Rect))
        return;
    PaintSectionBackground(tables, sectionIndex, sectionName, bg, TransparentKey, patterns, target, state != 0);
    const TsGeneralData& s = tables.Sections[sectionIndex];
    DrawCorners(tables, s, *target.Bitmap, target.Rect, state);
    if (ImageExists(tables, s.BorderIndex))
        DrawMaskRect(tables, *target.Bitmap, target.Rect, fillCentre, true, state, tables.Images[s.BorderIndex],
                     Offset(bg, target.OffsetX, target.OffsetY));
}

void PaintSectionWithMask(const TSkinTables& tables, int sectionIndex, int borderIndex, SectionPatterns patterns,
                          const SectionTarget& target, int state, bool fillCentre, const BgCache& bg)
{
    if (!SectionExists(tables, sectionIndex) || !InsideBitmap(target.Bitmap, target.Rect))
        return;
    const bool hot = state != 0;
    const Look l = LookOf(tables.Sections[sectionIndex], hot, TransparentKey);
    Texture tex;
    const int given = hot ? patterns.HotPattern : patterns.Pattern;
    if (l.ImagePercent > 0 && ImageExists(tables, given))
        tex.Image = &tables.Images[given];
    PaintBackground(tables, l, tex, bg, target, Variant::ScrollPart);
    if (ImageExists(tables, borderIndex))
        DrawMaskRect(tables, *target.Bitmap, target.Rect, fillCentre, true, state, tables.Images[borderIndex],
                     Offset(bg, target.OffsetX, target.OffsetY));
}

}  // namespace taramel
