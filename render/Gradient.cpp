#include "render/Gradient.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "base/IntegerText.h"
#include "render/BitmapCopy.h"
#include "render/PixelMath.h"
#include "render/TriangleGradient.h"

namespace taramel {

void ParseGradientData(std::string_view text, TsGradArray& array)
{
    array.clear();
    std::vector<std::string_view> words;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(';', start);
        if (end == std::string_view::npos)
            end = text.size();
        if (end > start)
            words.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    array.resize(words.size() / 5);
    for (std::size_t g = 0; g < array.size(); ++g) {
        GradientPiece& piece = array[g];
        piece.Color1 = static_cast<TColor>(std::max(StrToInt(words[5 * g]), 0));
        piece.Color2 = static_cast<TColor>(std::max(StrToInt(words[5 * g + 1]), 0));
        piece.Percent = static_cast<std::uint8_t>(std::clamp(StrToInt(words[5 * g + 2]), 0, 100));
        piece.Mode = StrToInt(words[5 * g + 3]);
    }
}

namespace {

// The colour of one band walked step by step. The running channels are kept
// in single precision and the increments in double, the sum stored back in
// single precision after every step; the value written is each running
// channel rounded to nearest, ties to even. The rule decides the last unit
// of long bands, so it is kept exactly.
class BandColour {
public:
    BandColour(TColor from, TColor to, int steps)
    {
        const int a[3] = {BlueOf(from), GreenOf(from), RedOf(from)};
        const int b[3] = {BlueOf(to), GreenOf(to), RedOf(to)};
        for (int c = 0; c < 3; ++c) {
            value_[c] = static_cast<float>(a[c]);
            step_[c] = static_cast<double>(b[c] - a[c]) / steps;
        }
    }
    // The pixel bytes blue, green, red, 255 of the current step.
    std::array<std::uint8_t, 4> Pixel() const
    {
        return {RoundToByte(value_[0]), RoundToByte(value_[1]), RoundToByte(value_[2]), 255};
    }
    void Advance()
    {
        for (int c = 0; c < 3; ++c)
            value_[c] = static_cast<float>(value_[c] + step_[c]);
    }

private:
    float value_[3];
    double step_[3];
};

void PaintVertical(TBitmap& bitmap, const TRect& rect, const TsGradArray& array, int offset, int bpp)
{
    const int bh = bitmap.Height();
    const int height = rect.Height();
    const int last = static_cast<int>(array.size()) - 1;
    const int bottomRow = std::min(rect.Bottom, bh) - 1;
    const int rightColumn = std::min(rect.Left + rect.Width(), bitmap.Width()) - 1;
    const int columns = rightColumn - rect.Left + 1;
    // Rows in 64 bits: an extreme offset must not overflow the band arithmetic.
    long long y = static_cast<long long>(offset) + rect.Top;
    for (int i = 0; i <= last; ++i) {
        const GradientPiece& piece = array[static_cast<std::size_t>(i)];
        const long long y0 = y;
        y = y0 + piece.Percent * (static_cast<long long>(offset) + height) / 100;
        y = i == last ? bottomRow : std::min<long long>(y, bottomRow);
        if (y - y0 <= 0)
            continue;
        const int steps = static_cast<int>(y - y0);
        if (i == last || y > bh - 1) {
            y = std::min(rect.Bottom - 1, bh - 1);
            if (y == y0)
                return;
        }
        BandColour colour(piece.Color1, piece.Color2, steps);
        for (long long row = y0; row <= y; ++row, colour.Advance()) {
            if (row < 0 || row >= bh)
                continue;
            const auto px = colour.Pixel();
            RepeatPixel(bitmap.ScanLine(static_cast<int>(row)) + rect.Left * bpp, px.data(), bpp, columns);
        }
    }
}

void PaintHorizontal(TBitmap& bitmap, const TRect& rect, const TsGradArray& array, int bpp)
{
    // Every row gets the same pixels: paint the first one and copy it.
    const int rightColumn = std::min(rect.Right, bitmap.Width()) - 1;
    const int last = static_cast<int>(array.size()) - 1;
    std::vector<std::uint8_t> row(static_cast<std::size_t>(bitmap.Width()) * bpp);
    int first = -1;
    int end = -1;
    int x = rect.Left;
    for (int i = 0; i <= last; ++i) {
        const GradientPiece& piece = array[static_cast<std::size_t>(i)];
        const int x0 = x;
        x = RoundEven(piece.Percent * (rect.Width() / 100.0) + x0);
        x = i == last ? rightColumn : std::min(x, rightColumn);
        const int steps = x - x0;
        if (steps <= 0)
            continue;
        BandColour colour(piece.Color1, piece.Color2, steps);
        for (int col = x0; col <= x; ++col, colour.Advance()) {
            const auto px = colour.Pixel();
            std::memcpy(&row[static_cast<std::size_t>(col) * bpp], px.data(), static_cast<std::size_t>(bpp));
        }
        if (first < 0)
            first = x0;
        end = x + 1;
    }
    if (first < 0)
        return;
    const std::size_t n = static_cast<std::size_t>(end - first) * bpp;
    for (int y = rect.Top; y < rect.Bottom; ++y)
        std::memcpy(bitmap.ScanLine(y) + first * bpp, &row[static_cast<std::size_t>(first) * bpp], n);
}

void PaintFourCorners(TBitmap& bitmap, const TRect& rect, const TsGradArray& array)
{
    const TPoint at[5] = {
        {rect.Left, rect.Top},
        {rect.Left + rect.Width() / 2, rect.Top + rect.Height() / 2},
        {rect.Right, rect.Top},
        {rect.Right, rect.Bottom},
        {rect.Left, rect.Bottom},
    };
    TriVertex v[5];
    TColor colour = 0;
    for (int i = 0; i < 5; ++i) {
        // A missing piece repeats the colour of the vertex before it.
        if (i < static_cast<int>(array.size()))
            colour = array[static_cast<std::size_t>(i)].Color1;
        v[i] = TriVertex{at[i].X, at[i].Y, static_cast<std::uint16_t>(RedOf(colour) << 8),
                         static_cast<std::uint16_t>(GreenOf(colour) << 8),
                         static_cast<std::uint16_t>(BlueOf(colour) << 8)};
    }
    const TriIndexes triangles[4] = {{0, 1, 2}, {1, 2, 3}, {0, 1, 4}, {4, 1, 3}};
    FillTriangleGradient(bitmap, rect, v, triangles);
}

}  // namespace

void PaintGradient(TBitmap& bitmap, TRect rect, const TsGradArray& array, int offset)
{
    rect.Right = std::min(rect.Right, bitmap.Width());
    rect.Bottom = std::min(rect.Bottom, bitmap.Height());
    rect.Left = std::max(rect.Left, 0);
    rect.Top = std::max(rect.Top, 0);
    const TPixelFormat f = bitmap.PixelFormat();
    if (array.empty() || rect.Width() <= 0 || rect.Height() <= 0 ||
        (f != TPixelFormat::pf24bit && f != TPixelFormat::pf32bit))
        return;
    const int bpp = BytesPerPixel(f);
    switch (array.front().Mode) {
    case gmVertical:
        PaintVertical(bitmap, rect, array, offset, bpp);
        break;
    case gmHorizontal:
        PaintHorizontal(bitmap, rect, array, bpp);
        break;
    case gmFourCorners:
        PaintFourCorners(bitmap, rect, array);
        break;
    default:
        break;
    }
}

}  // namespace taramel
