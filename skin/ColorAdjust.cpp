#include "skin/ColorAdjust.h"

#include <algorithm>
#include <cmath>

#include "skin/SkinTables.h"

namespace taramel {

namespace {

// Nearest integer, ties to even (the default floating-point rounding mode).
int RoundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

int Limit255(double v) { return std::clamp(RoundEven(std::clamp(v, -1.0e6, 1.0e6)), 0, 255); }

bool Unchanged(TColor c)
{
    c &= 0xFFFFFF;
    return c == (TransparentKey & 0xFFFFFF) || (RedOf(c) == GreenOf(c) && GreenOf(c) == BlueOf(c));
}

}  // namespace

TColor RotateHue(TColor color, int degrees)
{
    const int r = RedOf(color), g = GreenOf(color), b = BlueOf(color);
    const int mx = std::max({r, g, b}), mn = std::min({r, g, b});
    const double V = mx;
    const int d = mx - mn;
    const double S = mx == 0 ? 0.0 : static_cast<double>(d) / mx;
    if (S == 0)
        return color & 0xFFFFFF;
    const double f = 60.0 / d;
    double H;
    if (r == mx)
        H = f * (g - b);
    else if (g == mx)
        H = 120 + f * (b - r);
    else
        H = 240 + f * (r - g);
    if (H < 0)
        H += 360;
    // degrees is limited so that the sum cannot overflow an int.
    int h2 = RoundEven(std::clamp(static_cast<double>(degrees), -1.0e8, 1.0e8) + H) % 360;
    // A negative sum leaves a negative remainder; it names the same hue as
    // that remainder plus 360.
    if (h2 < 0)
        h2 += 360;
    const double t = h2 / 60.0;
    const int i = static_cast<int>(t);
    const double x = t - i;
    const int v = Limit255(V);
    const int p = Limit255(V * (1 - S));
    const int q = Limit255(V * (1 - x * S));
    const int u = Limit255(V * (1 - (1 - x) * S));
    switch (i) {
    case 0: return MakeColor(v, u, p);
    case 1: return MakeColor(q, v, p);
    case 2: return MakeColor(p, v, u);
    case 3: return MakeColor(p, q, v);
    case 4: return MakeColor(u, p, v);
    default: return MakeColor(v, p, q);
    }
}

TColor ChangeSaturation(TColor color, int saturation)
{
    const int k = static_cast<int>(-static_cast<long long>(saturation) % 101);
    const int r = RedOf(color), g = GreenOf(color), b = BlueOf(color);
    const double m = (r + g + b) / 3.0;
    auto ch = [&](int c) { return Limit255(c + k * (m - c) / 100.0); };
    return MakeColor(ch(r), ch(g), ch(b));
}

TColor AdjustSkinColor(TColor color, int hueOffset, int saturation)
{
    if (Unchanged(color))
        return color & 0xFFFFFF;
    TColor c = color & 0xFFFFFF;
    if (hueOffset != 0)
        c = RotateHue(c, hueOffset);
    if (saturation != 0)
        c = ChangeSaturation(c, saturation);
    return c;
}

void AdjustBitmapColors(TBitmap& bitmap, int hueOffset, int saturation)
{
    if (bitmap.Empty() || (hueOffset == 0 && saturation == 0))
        return;
    if (bitmap.PixelFormat() != TPixelFormat::pf32bit && bitmap.PixelFormat() != TPixelFormat::pf24bit)
        bitmap.SetPixelFormat(TPixelFormat::pf24bit);
    const int bpp = BytesPerPixel(bitmap.PixelFormat());
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::uint8_t* px = bitmap.ScanLine(y);
        for (int x = 0; x < bitmap.Width(); ++x, px += bpp) {
            const TColor c = PixelColor(px);
            if (Unchanged(c))
                continue;
            const TColor n = AdjustSkinColor(c, hueOffset, saturation);
            px[0] = BlueOf(n);
            px[1] = GreenOf(n);
            px[2] = RedOf(n);
        }
    }
}

namespace {

void AdjustValue(std::int32_t& value, int hue, int sat)
{
    if (value < 0)
        return;
    value = static_cast<std::int32_t>(AdjustSkinColor(static_cast<TColor>(value), hue, sat));
}

void AdjustGradient(TsGradArray& gradient, int hue, int sat)
{
    for (auto& piece : gradient) {
        piece.Color1 = AdjustSkinColor(piece.Color1, hue, sat);
        piece.Color2 = AdjustSkinColor(piece.Color2, hue, sat);
    }
}

}  // namespace

void AdjustSkinColors(TSkinTables& tables, int hue, int sat)
{
    if (hue == 0 && sat == 0)
        return;
    if (tables.MasterBitmap)
        AdjustBitmapColors(*tables.MasterBitmap, hue, sat);
    for (TsMaskData& image : tables.Images)
        if (image.Image)
            AdjustBitmapColors(*image.Image, hue, sat);
    for (TsGeneralData& s : tables.Sections) {
        AdjustValue(s.Color, hue, sat);
        AdjustValue(s.HotColor, hue, sat);
        for (int i = 0; i < 5; ++i) {
            AdjustValue(s.FontColor[i], hue, sat);
            AdjustValue(s.HotFontColor[i], hue, sat);
        }
        AdjustGradient(s.GradientArray, hue, sat);
        AdjustGradient(s.HotGradientArray, hue, sat);
    }
    AdjustValue(tables.SkinData.Shadow1Color, hue, sat);
    AdjustValue(tables.SkinData.BorderColor, hue, sat);
}

}  // namespace taramel
