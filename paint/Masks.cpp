#include "paint/Masks.h"

#include <algorithm>
#include <cstring>

#include "paint/PixelView.h"
#include "skin/SkinLookups.h"
#include "render/BitmapCopy.h"
#include "render/FactorOps.h"
#include "render/PixelMath.h"

namespace taramel {

using paintdetail::CopyBgr;
using paintdetail::PixelView;
using paintdetail::PutColor;

const TBitmap* MaskSourceBitmap(const TSkinTables& tables, const TsMaskData& mask)
{
    if (mask.Image && !mask.Image->Empty())
        return mask.Image.get();
    return tables.MasterBitmap.get();
}

// A rectangle turned inside out is empty: its sizes count as 0.
int StateImageWidth(const TsMaskData& mask)
{
    const int w = std::max(0, mask.ImageRect.Width());
    return mask.ImageCount > 0 ? w / mask.ImageCount : w;
}

int StateImageHeight(const TsMaskData& mask)
{
    const int h = std::max(0, mask.ImageRect.Height());
    return mask.MaskType > 0 ? h / 2 : h;
}

int ClampState(const TsMaskData& mask, int state)
{
    const int last = mask.ImageCount > 0 ? mask.ImageCount - 1 : 0;
    return std::clamp(state, 0, last);
}

namespace {

// Clips a copy between two bitmaps; cols and rows are the size left.
bool ClipPair(TRect& to, TRect& from, int dstW, int dstH, int srcW, int srcH, int& cols, int& rows)
{
    if (!ClipCopyRects(from, {srcW, srcH}, to, {dstW, dstH}))
        return false;
    cols = from.Width();
    rows = from.Height();
    return true;
}

// Rows from a picture row down to its mask row.
int MaskRowOffset(const TsMaskData& mask) { return std::max(0, mask.ImageRect.Height() / 2); }

// The parent's pixel under destination (x, y), or null outside its picture.
const std::uint8_t* BgPixel(const PixelView& bg, const BgCache& cache, int x, int y)
{
    const int bx = cache.X + x, by = cache.Y + y;
    return bg.Contains(bx, by) ? bg.At(bx, by) : nullptr;
}

// c := src + floor(m * (dst - src) / 256) on blue, green, red.
inline void MaskMix(std::uint8_t* dst, const std::uint8_t* src, const std::uint8_t* m)
{
    for (int k = 0; k < 3; ++k)
        dst[k] = ShadeByte(dst[k], src[k], m[k]);
}

bool HasKeyPixel(const std::uint8_t* s, int n)
{
    for (int i = 0; i < n; ++i, s += 3)
        if (PixelIs(s, TransparentKey))
            return true;
    return false;
}

bool AllZero(const std::uint8_t* m, std::size_t n)
{
    std::uint8_t any = 0;
    for (std::size_t k = 0; k < n; ++k)
        any |= m[k];
    return any == 0;
}

void MaskMixBytes(std::uint8_t* d, const std::uint8_t* s, const std::uint8_t* m,
                  std::size_t n)
{
    for (std::size_t k = 0; k < n; ++k)
        d[k] = ShadeByte(d[k], s[k], m[k]);
}

}  // namespace

void CopyMaskPart(TBitmap& destination, TRect to, TRect from, const TsMaskData& mask, bool useBackground,
                  const BgCache& bg, const TBitmap& source)
{
    const PixelView dst(&destination), src(&source);
    if (!dst.Valid() || !src.Valid())
        return;
    int cols = 0, rows = 0;
    if (!ClipPair(to, from, dst.Width, dst.Height, src.Width, src.Height, cols, rows))
        return;
    const int maskTop = std::min(from.Top + MaskRowOffset(mask), src.Height - rows);
    const PixelView parent(bg.HasBitmap ? bg.Bitmap : nullptr);
    enum { kFromParent, kNoKey, kKeepKey, kSolidKey } mode;
    if (bg.HasBitmap)
        mode = useBackground ? kFromParent : kNoKey;
    else
        mode = useBackground ? kSolidKey : kKeepKey;
    const bool alphaAll = mode == kFromParent && dst.Is32() && parent.Is32();
    const int db = dst.Bpp, sb = src.Bpp;
    for (int j = 0; j < rows; ++j) {
        const int dy = to.Top + j;
        std::uint8_t* d = dst.At(to.Left, dy);
        const std::uint8_t* s = src.At(from.Left, from.Top + j);
        const std::uint8_t* m = src.At(from.Left, maskTop + j);
        if (db == 3 && sb == 3 && !alphaAll && (mode == kNoKey || !HasKeyPixel(s, cols))) {
            // A row without key pixels between 24-bit bitmaps: the mask
            // rule byte by byte, which the compiler turns into vector code;
            // where the mask is 0 throughout it is the picture's bytes.
            const std::size_t n = static_cast<std::size_t>(cols) * 3;
            if (AllZero(m, n))
                std::memmove(d, s, n);  // the picture may be the destination itself
            else
                MaskMixBytes(d, s, m, n);
            continue;
        }
        for (int i = 0; i < cols; ++i, d += db, s += sb, m += sb) {
            if (mode != kNoKey && PixelIs(s, TransparentKey)) {
                if (mode == kFromParent) {
                    // Outside the parent's picture the pixel stays as it is.
                    if (const std::uint8_t* p = BgPixel(parent, bg, to.Left + i, dy)) {
                        CopyBgr(d, p);
                        if (alphaAll)
                            d[3] = 255;
                    }
                } else if (mode == kSolidKey) {
                    PutColor(d, bg.SolidColor, dst.Is32());
                }
                continue;
            }
            MaskMix(d, s, m);
            if (alphaAll)
                d[3] = 255;
        }
    }
}

void CopyKeyPart(TBitmap& destination, const TBitmap& source, int x, int y, bool useBackground, const BgCache& bg,
                 TColor key, TRect from)
{
    const PixelView dst(&destination), src(&source);
    if (!dst.Valid() || !src.Valid())
        return;
    // Inclusive source rectangle, clipped to the source.
    const int left = std::max(from.Left, 0), top = std::max(from.Top, 0);
    const int right = std::min(from.Right, src.Width - 1), bottom = std::min(from.Bottom, src.Height - 1);
    const bool fromParent = useBackground && bg.HasBitmap && bg.Bitmap;
    const bool selfParent = fromParent && bg.Bitmap == &destination;
    const PixelView parent(fromParent ? bg.Bitmap : nullptr);
    // A cache that gives no colour ("none") leaves key pixels alone.
    const bool solidKey = !bg.HasBitmap && bg.SolidColor != TransparentKey;
    const bool whole32 = src.Is32();
    const std::uint32_t key32 = static_cast<std::uint32_t>(MakeColor(RedOf(key), GreenOf(key), BlueOf(key), 0));
    for (int sy = top; sy <= bottom; ++sy) {
        const int dy = y + sy - from.Top;
        if (dy < 0 || dy >= dst.Height)
            continue;
        for (int sx = left; sx <= right; ++sx) {
            const int dx = x + sx - from.Left;
            if (dx < 0 || dx >= dst.Width)
                continue;
            const std::uint8_t* s = src.At(sx, sy);
            std::uint8_t* d = dst.At(dx, dy);
            const bool isKey = whole32 ? static_cast<std::uint32_t>(MakeColor(s[2], s[1], s[0], s[3])) == key32
                                       : PixelIs(s, key);
            if (!isKey) {
                CopyBgr(d, s);
                if (dst.Is32())
                    d[3] = whole32 ? s[3] : 255;
                continue;
            }
            if (fromParent) {
                if (selfParent)
                    continue;
                if (const std::uint8_t* p = BgPixel(parent, bg, dx, dy)) {
                    CopyBgr(d, p);
                    if (dst.Is32())
                        d[3] = 255;
                }
            } else if (solidKey) {
                PutColor(d, bg.SolidColor, dst.Is32());
            }
        }
    }
}

namespace {

// Shrinks a pair of border widths that do not fit a side of `size`: both lose
// half the overlap, the far one the odd pixel, so that they meet exactly.
void ShrinkBorders(int size, int& nearW, int& farW)
{
    const int over = nearW + farW - size;
    if (over <= 0)
        return;
    nearW = std::max(0, nearW - over / 2);
    farW = std::max(0, farW - over / 2 - over % 2);
}

// The nine areas of a border image's state, source and destination.
struct NineParts {
    int wl, wt, wr, wb, w, h, cw, ch, ox, oy;
    TRect d;
};

// Calls part(to, from) for the tiles of one strip: tiles of `step` from
// `start` while a whole tile fits before `end`, then the remainder.
template <class Part>
void TileStrip(int start, int end, int step, Part part)
{
    if (step < 1)
        return;
    int p = start;
    for (; p < end - step; p += step)
        part(p, p + step);
    if (p < end)
        part(p, end);
}

template <class Corner, class Edge>
void DrawNine(const NineParts& n, bool drawCentre, Corner corner, Edge edge)
{
    const TRect& d = n.d;
    const int L = d.Left, T = d.Top, R = d.Right, B = d.Bottom;
    const int ox = n.ox, oy = n.oy, xr = ox + n.wl + n.cw, yb = oy + n.h - n.wb;
    // Top-left corner, left edge, top edge.
    corner(TRect{L, T, L + n.wl, T + n.wt}, TRect{ox, oy, ox + n.wl, oy + n.wt});
    const TRect leftSrc{ox, oy + n.wt, ox + n.wl, oy + n.wt + n.ch};
    TileStrip(T + n.wt, B - n.wb, n.ch, [&](int a, int b) { edge(TRect{L, a, L + n.wl, b}, leftSrc); });
    const TRect topSrc{ox + n.wl, oy, ox + n.wl + n.cw, oy + n.wt};
    TileStrip(L + n.wl, R - n.wr, n.cw, [&](int a, int b) { edge(TRect{a, T, b, T + n.wt}, topSrc); });
    // Bottom-left corner, bottom edge, bottom-right corner.
    corner(TRect{L, B - n.wb, L + n.wl, B}, TRect{ox, yb, ox + n.wl, oy + n.h});
    const TRect bottomSrc{ox + n.wl, yb, ox + n.wl + n.cw, oy + n.h};
    TileStrip(L + n.wl, R - n.wr, n.cw, [&](int a, int b) { edge(TRect{a, B - n.wb, b, B}, bottomSrc); });
    corner(TRect{R - n.wr, B - n.wb, R, B}, TRect{xr, yb, xr + n.wr, oy + n.h});
    // Top-right corner, right edge.
    corner(TRect{R - n.wr, T, R, T + n.wt}, TRect{xr, oy, xr + n.wr, oy + n.wt});
    const TRect rightSrc{xr, oy + n.wt, ox + n.w, oy + n.wt + n.ch};
    TileStrip(T + n.wt, B - n.wb, n.ch, [&](int a, int b) { edge(TRect{R - n.wr, a, R, b}, rightSrc); });
    if (!drawCentre)
        return;
    const TRect centreSrc{ox + n.wl, oy + n.wt, ox + n.wl + n.cw, oy + n.wt + n.ch};
    TileStrip(T + n.wt, B - n.wb, n.ch, [&](int ya, int yb2) {
        TileStrip(L + n.wl, R - n.wr, n.cw, [&](int xa, int xb) { edge(TRect{xa, ya, xb, yb2}, centreSrc); });
    });
}

// The tiled parts of a masked border image (edges, centre) whose picture
// holds no key pixel over a mask of 0 throughout: the mask rule gives the
// picture's bytes there, so they are copied rather than mixed. Each part is
// looked at once per drawing, not once per tile.
class OpaqueParts {
public:
    OpaqueParts(const TBitmap& destination, const TBitmap& source, int maskOffset)
        : usable_(&destination != &source && destination.PixelFormat() == TPixelFormat::pf24bit &&
                  source.PixelFormat() == TPixelFormat::pf24bit),
          src_(&source),
          maskOffset_(maskOffset)
    {
    }
    bool Is(const TRect& from)
    {
        if (!usable_)
            return false;
        for (int i = 0; i < count_; ++i)
            if (seen_[i].From == from)
                return seen_[i].Opaque;
        const bool opaque = Scan(from);
        if (count_ < kParts)
            seen_[count_++] = {from, opaque};
        return opaque;
    }

private:
    // Every pixel the mixing could read, mask rows included, lies inside
    // the source, none is the key colour and every mask byte is 0.
    bool Scan(const TRect& f) const
    {
        const PixelView src(src_);
        if (f.Left < 0 || f.Top < 0 || f.Right > src.Width || f.Bottom + maskOffset_ > src.Height ||
            f.Right <= f.Left || f.Bottom <= f.Top)
            return false;
        const int w = f.Width();
        for (int y = f.Top; y < f.Bottom; ++y)
            if (HasKeyPixel(src.At(f.Left, y), w) ||
                !AllZero(src.At(f.Left, y + maskOffset_), static_cast<std::size_t>(w) * 3))
                return false;
        return true;
    }

    static constexpr int kParts = 5;  // four edges and the centre
    struct Part {
        TRect From;
        bool Opaque = false;
    };
    bool usable_;
    const TBitmap* src_;
    int maskOffset_;
    Part seen_[kParts];
    int count_ = 0;
};

// Key images stretch their edges in one go instead of tiling them.
void StretchNineEdges(TBitmap& dst, const NineParts& n, bool drawCentre, const TBitmap& src)
{
    const TRect& d = n.d;
    const int ox = n.ox, oy = n.oy, xr = ox + n.wl + n.cw, yb = oy + n.h - n.wb;
    auto stretch = [&](TRect to, TRect from) {
        if (to.Width() > 0 && to.Height() > 0 && from.Width() > 0 && from.Height() > 0)
            StretchBitmapRect(dst, to, src, from);
    };
    stretch({d.Left, d.Top + n.wt, d.Left + n.wl, d.Bottom - n.wb}, {ox, oy + n.wt, ox + n.wl, oy + n.wt + n.ch});
    stretch({d.Left + n.wl, d.Top, d.Right - n.wr, d.Top + n.wt}, {ox + n.wl, oy, xr, oy + n.wt});
    stretch({d.Left + n.wl, d.Bottom - n.wb, d.Right - n.wr, d.Bottom}, {ox + n.wl, yb, xr, oy + n.h});
    stretch({d.Right - n.wr, d.Top + n.wt, d.Right, d.Bottom - n.wb}, {xr, oy + n.wt, ox + n.w, oy + n.wt + n.ch});
    if (drawCentre)
        stretch({d.Left + n.wl, d.Top + n.wt, d.Right - n.wr, d.Bottom - n.wb},
                {ox + n.wl, oy + n.wt, xr, oy + n.wt + n.ch});
}

}  // namespace

void DrawMaskRect(const TSkinTables& tables, TBitmap& destination, TRect r, bool fillCentre, bool useBackground,
                  int state, const TsMaskData& mask, const BgCache& bg)
{
    const TBitmap* src = MaskSourceBitmap(tables, mask);
    if ((state == 0 && (mask.StretchMode & 2)) || r.Width() < 2 || r.Height() < 2 || !src || mask.ImageCount < 1)
        return;
    NineParts n{};
    n.d = r;
    n.wl = std::max<int>(mask.WL, 0);
    n.wt = std::max<int>(mask.WT, 0);
    n.wr = std::max<int>(mask.WR, 0);
    n.wb = std::max<int>(mask.WB, 0);
    ShrinkBorders(r.Width(), n.wl, n.wr);
    ShrinkBorders(r.Height(), n.wt, n.wb);
    const int s = ClampState(mask, state);
    n.w = StateImageWidth(mask);
    n.h = StateImageHeight(mask);
    n.cw = std::max(0, n.w - n.wl - n.wr);
    n.ch = std::max(0, n.h - n.wt - n.wb);
    n.ox = mask.ImageRect.Left + s * n.w;
    n.oy = mask.ImageRect.Top;
    const bool centre = fillCentre && (mask.StretchMode & 4);
    if (mask.MaskType > 0) {
        OpaqueParts opaque(destination, *src, MaskRowOffset(mask));
        DrawNine(
            n, centre,
            [&](TRect to, TRect from) { CopyMaskPart(destination, to, from, mask, useBackground, bg, *src); },
            [&](TRect to, TRect from) {
                if (opaque.Is(from))
                    CopyBitmapRect(destination, to.Left, to.Top, *src,
                                   TRect{from.Left, from.Top, from.Left + std::min(to.Width(), from.Width()),
                                         from.Top + std::min(to.Height(), from.Height())});
                else
                    CopyMaskPart(destination, to, from, mask, false, EmptyBgCache, *src);
            });
        return;
    }
    const bool stretch = mask.StretchMode & 1;
    DrawNine(
        n, centre && !stretch,
        [&](TRect to, TRect from) {
            if (to.Width() > 0 && to.Height() > 0)
                CopyKeyPart(destination, *src, to.Left, to.Top, useBackground, bg, TransparentKey,
                            TRect{from.Left, from.Top, from.Left + to.Width() - 1, from.Top + to.Height() - 1});
        },
        [&](TRect to, TRect from) {
            if (!stretch)
                CopyBitmapRect(destination, to.Left, to.Top, *src,
                               TRect{from.Left, from.Top, from.Left + to.Width(), from.Top + to.Height()});
        });
    if (stretch)
        StretchNineEdges(destination, n, centre, *src);
}

void DrawMaskRegionParts(const TSkinTables& tables, TBitmap& destination, int state, const TsMaskData& mask,
                         TAOR& cut)
{
    const TBitmap* srcBmp = MaskSourceBitmap(tables, mask);
    const PixelView dst(&destination), src(srcBmp);
    if (!dst.Valid() || !src.Valid() || mask.ImageCount < 1 || dst.Width < 2 || dst.Height < 2)
        return;
    NineParts n{};
    n.d = {0, 0, dst.Width, dst.Height};
    n.wl = std::max<int>(mask.WL, 0);
    n.wt = std::max<int>(mask.WT, 0);
    n.wr = std::max<int>(mask.WR, 0);
    n.wb = std::max<int>(mask.WB, 0);
    ShrinkBorders(dst.Width, n.wl, n.wr);
    ShrinkBorders(dst.Height, n.wt, n.wb);
    n.w = StateImageWidth(mask);
    n.h = StateImageHeight(mask);
    n.cw = std::max(0, n.w - n.wl - n.wr);
    n.ch = std::max(0, n.h - n.wt - n.wb);
    n.ox = mask.ImageRect.Left + ClampState(mask, state) * n.w;
    n.oy = mask.ImageRect.Top;
    const bool masked = mask.MaskType > 0;
    const int maskOffset = MaskRowOffset(mask);
    const bool centre = (mask.StretchMode & 4) != 0;
    const bool stretch = (mask.StretchMode & 1) && mask.ImageCount != 1;
    auto corner = [&](TRect to, TRect from) {
        int cols = 0, rows = 0;
        if (!ClipPair(to, from, dst.Width, dst.Height, src.Width, src.Height - (masked ? maskOffset : 0), cols,
                      rows))
            return;
        for (int j = 0; j < rows; ++j) {
            int run = -1;
            for (int i = 0; i <= cols; ++i) {
                const std::uint8_t* s = i < cols ? src.At(from.Left + i, from.Top + j) : nullptr;
                const bool key = s && PixelIs(s, TransparentKey);
                if (key && run < 0)
                    run = i;
                if (!key && run >= 0) {
                    cut.push_back({to.Left + run, to.Top + j, to.Left + i, to.Top + j + 1});
                    run = -1;
                }
                if (!s || key)
                    continue;
                std::uint8_t* d = dst.At(to.Left + i, to.Top + j);
                if (masked)
                    MaskMix(d, s, src.At(from.Left + i, from.Top + j + maskOffset));
                else
                    CopyBgr(d, s);
                if (dst.Is32())
                    d[3] = 255;
            }
        }
    };
    DrawNine(n, centre && !stretch, corner, [&](TRect to, TRect from) {
        if (stretch)
            return;
        if (masked)
            CopyMaskPart(destination, to, from, mask, false, EmptyBgCache, *srcBmp);
        else
            CopyBitmapRect(destination, to.Left, to.Top, *srcBmp,
                           TRect{from.Left, from.Top, from.Left + to.Width(), from.Top + to.Height()});
    });
    if (stretch)
        StretchNineEdges(destination, n, centre, *srcBmp);
}

void BlendMaskImage(TRect to, TRect from, TBitmap& destination, const TsMaskData& mask, int drawMode, TColor key,
                    const TBitmap& source)
{
    const PixelView dst(&destination), src(&source);
    if (!dst.Valid() || !src.Valid())
        return;
    const bool masked = mask.MaskType > 0;
    const int maskOffset = masked ? StateImageHeight(mask) : 0;
    // Inclusive rectangles to half-open ones, then clipped against both
    // bitmaps (the mask rows included).
    TRect d{to.Left, to.Top, to.Right + 1, to.Bottom + 1};
    TRect s{from.Left, from.Top, from.Right + 1, from.Bottom + 1};
    int cols = 0, rows = 0;
    if (!ClipPair(d, s, dst.Width, dst.Height, src.Width, src.Height - maskOffset, cols, rows))
        return;
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i < cols; ++i) {
            const std::uint8_t* p = src.At(s.Left + i, s.Top + j);
            if (PixelIs(p, key))
                continue;
            std::uint8_t* q = dst.At(d.Left + i, d.Top + j);
            if (masked) {
                const std::uint8_t* m = src.At(s.Left + i, s.Top + j + maskOffset);
                for (int k = 0; k < 3; ++k) {
                    const int w = drawMode == 1 ? m[k] : std::min(m[k] + 100, 255);
                    q[k] = static_cast<std::uint8_t>(ClampByte((w * (q[k] - p[k]) + p[k] * 256) >> 8));
                }
            } else {
                CopyBgr(q, p);
            }
            if (dst.Is32())
                q[3] = 255;
        }
}

bool DrawableStateImage(const TSkinTables& tables, int index)
{
    if (!ImageExists(tables, index))
        return false;
    const TsMaskData& mask = tables.Images[static_cast<std::size_t>(index)];
    if (StateImageWidth(mask) < 1 || StateImageHeight(mask) < 1)
        return false;
    const TRect& ir = mask.ImageRect;
    if (mask.Image && !mask.Image->Empty())
        return mask.Image->Width() >= ir.Right && mask.Image->Height() >= ir.Bottom;
    return tables.MasterBitmap != nullptr && mask.ImageCount >= 1;
}

void DrawMaskImage(const TSkinTables& tables, TBitmap& destination, TPoint at, int state, const BgCache& bg,
                   const TsMaskData& mask, int drawMode)
{
    const int w = StateImageWidth(mask), h = StateImageHeight(mask);
    const int cx = at.X < 0 ? -at.X : 0, cy = at.Y < 0 ? -at.Y : 0;
    if (w - cx < 1 || h - cy < 1)
        return;
    const TRect& ir = mask.ImageRect;
    const int sx = w * ClampState(mask, state);
    // The hidden part is cut off both rectangles, so the image keeps its place.
    const TRect from{ir.Left + sx + cx, ir.Top + cy, ir.Left + sx + w - 1, ir.Top + h - 1};
    const TRect to{at.X + cx, at.Y + cy, at.X + w - 1, at.Y + h - 1};
    if (mask.Image && !mask.Image->Empty()) {
        if (mask.Image->Width() >= ir.Right && mask.Image->Height() >= ir.Bottom)
            BlendMaskImage(to, from, destination, mask, drawMode, TransparentKey, *mask.Image);
        return;
    }
    const TBitmap* master = tables.MasterBitmap.get();
    if (!master || mask.ImageCount < 1)
        return;
    if (mask.MaskType > 0)
        BlendMaskImage(to, from, destination, mask, drawMode, TransparentKey, *master);
    else if (drawMode == 1)
        CopyKeyPart(destination, *master, to.Left, to.Top, true, bg, TransparentKey, from);
    else
        BlendByFactor(destination, to.Left, to.Top, TransparentKey, 0.5, from, *master);
}

void CopyImageThroughMask(TBitmap& destination, TRect to, TRect from, bool useBackground, const BgCache& bg,
                          const TBitmap& source)
{
    const PixelView dst(&destination), src(&source);
    if (!dst.Valid() || !src.Valid())
        return;
    const bool alpha = src.Is32();
    const int maskOffset = alpha ? 0 : src.Height / 2;
    int cols = 0, rows = 0;
    if (!ClipPair(to, from, dst.Width, dst.Height, src.Width, src.Height - maskOffset, cols, rows))
        return;
    const PixelView parent(bg.HasBitmap ? bg.Bitmap : nullptr);
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i < cols; ++i) {
            const int dx = to.Left + i, dy = to.Top + j;
            const std::uint8_t* s = src.At(from.Left + i, from.Top + j);
            std::uint8_t* d = dst.At(dx, dy);
            if (bg.HasBitmap && PixelIs(s, TransparentKey)) {
                if (useBackground)
                    if (const std::uint8_t* p = BgPixel(parent, bg, dx, dy)) {
                        CopyBgr(d, p);
                        if (dst.Is32())
                            d[3] = 255;
                    }
                continue;
            }
            if (alpha) {
                for (int k = 0; k < 3; ++k)
                    d[k] = MixByte(s[k], d[k], s[3]);
            } else {
                MaskMix(d, s, src.At(from.Left + i, from.Top + j + maskOffset));
            }
            if (dst.Is32())
                d[3] = 255;
        }
}

void CollectKeyRects(const TSkinTables& tables, TAOR& rects, int targetWidth, const TsMaskData& mask, bool bottom,
                     int y)
{
    const PixelView src(MaskSourceBitmap(tables, mask));
    if (!src.Valid())
        return;
    const int rows = std::max<int>(bottom ? mask.WB : mask.WT, 0);
    const int first = bottom ? mask.ImageRect.Top + StateImageHeight(mask) - rows : mask.ImageRect.Top;
    if (first < 0 || first + rows > src.Height)
        return;
    const int w = StateImageWidth(mask);
    auto isKey = [&](int c, int r) {
        const int x = mask.ImageRect.Left + c;
        return x >= 0 && x < src.Width && PixelIs(src.At(x, first + r), TransparentKey);
    };
    // Runs of key pixels of columns [c0, c1) of the image, moved by dx.
    auto corner = [&](int c0, int c1, int dx) {
        for (int r = 0; r < rows; ++r) {
            int run = -1;
            for (int c = c0; c <= c1; ++c) {
                const bool key = c < c1 && isKey(c, r);
                if (key && run < 0)
                    run = c;
                if (!key && run >= 0) {
                    rects.push_back({run + dx, y + r, c + dx, y + r + 1});
                    run = -1;
                }
            }
        }
    };
    corner(0, std::max<int>(mask.WL, 0), 0);
    corner(std::max(0, w - std::max<int>(mask.WR, 0)), w, targetWidth - w);
}

}  // namespace taramel
