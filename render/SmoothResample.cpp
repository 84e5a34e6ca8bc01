#include "render/SmoothResample.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <string>
#include <vector>

#include "base/Exception.h"
#include "render/PixelMath.h"

namespace taramel {
namespace {

constexpr double kSupport[] = {0.51, 1.0, 1.0, 1.5, 2.0, 3.0, 2.0};

struct Contributor {
    std::ptrdiff_t offset;  // in bytes from the start of the source line
    int weight;  // 16.16 fixed point
};

// The contributors of every output index, flattened: output i uses entries
// [start[i], start[i + 1]).
struct Contributors {
    std::vector<int> start;
    std::vector<Contributor> list;
};

// Output index i of n takes its centre at m * i / n in the source (no
// half-pixel offset), so upsampling 2 pixels to 4 samples 0, 0.5, 1, 1.5.
// When shrinking the filter is widened by n / m and its values scaled by it.
Contributors BuildContributors(int m, int n, int filter, std::ptrdiff_t step)
{
    const double s = n < m ? static_cast<double>(n) / m : 1.0;
    const double support = kSupport[filter];
    const double w = support / s;
    Contributors result;
    result.start.reserve(static_cast<std::size_t>(n) + 1);
    for (int i = 0; i < n; ++i) {
        result.start.push_back(static_cast<int>(result.list.size()));
        const double c = static_cast<double>(m) * i / n;
        const int first = static_cast<int>(std::floor(c - w));
        const int last = static_cast<int>(std::ceil(c + w));
        for (int j = first; j <= last; ++j) {
            const double d = (c - j) * s;
            if (std::fabs(d) >= support)
                continue;
            const double v = ResampleFilterValue(filter, d);
            if (v == 0)
                continue;
            // Indexes outside the source are mirrored at its edges; a wide
            // filter over a tiny source can reach beyond one mirror image, so
            // the mirrored index is also kept inside the source.
            int jm = j < 0 ? -j : (j >= m ? 2 * m - 1 - j : j);
            jm = std::clamp(jm, 0, m - 1);
            result.list.push_back(Contributor{jm * step, RoundEven(v * s * 65536.0)});
        }
    }
    result.start.push_back(static_cast<int>(result.list.size()));
    return result;
}

// A 16.16 sum as a byte: 0 below zero, 255 from 0xFF0001 on, else the
// integer part.
inline std::uint8_t SumToByte(int sum)
{
    if (sum < 0)
        return 0;
    return static_cast<std::uint8_t>(std::min(sum >> 16, 255));
}

template <int B>
void HorizontalPass(const TBitmap& src, TBitmap& tmp, const Contributors& cs)
{
    const int outWidth = tmp.Width();
    for (int y = 0; y < src.Height(); ++y) {
        const std::uint8_t* s = src.ScanLine(y);
        std::uint8_t* d = tmp.ScanLine(y);
        for (int x = 0; x < outWidth; ++x, d += B) {
            int sum[4] = {0, 0, 0, 0};
            for (int k = cs.start[x]; k < cs.start[x + 1]; ++k) {
                const Contributor& ct = cs.list[static_cast<std::size_t>(k)];
                const std::uint8_t* p = s + ct.offset;
                for (int ch = 0; ch < B; ++ch)
                    sum[ch] += ct.weight * p[ch];
            }
            for (int ch = 0; ch < B; ++ch)
                d[ch] = SumToByte(sum[ch]);
        }
    }
}

// Sums whole rows at a time (the same sums as column by column, in an order
// that walks memory forward).
void VerticalPass(const TBitmap& tmp, TBitmap& dst, const Contributors& cs, int bytesPerPixel)
{
    const std::size_t n = static_cast<std::size_t>(tmp.Width()) * bytesPerPixel;
    std::vector<int> sums(n);
    const std::uint8_t* row0 = tmp.Row0();
    for (int y = 0; y < dst.Height(); ++y) {
        std::fill(sums.begin(), sums.end(), 0);
        for (int k = cs.start[y]; k < cs.start[y + 1]; ++k) {
            const Contributor& ct = cs.list[static_cast<std::size_t>(k)];
            const std::uint8_t* s = row0 + ct.offset;
            const int wgt = ct.weight;
            int* acc = sums.data();
            for (std::size_t i = 0; i < n; ++i)
                acc[i] += wgt * s[i];
        }
        std::uint8_t* d = dst.ScanLine(y);
        for (std::size_t i = 0; i < n; ++i)
            d[i] = SumToByte(sums[i]);
    }
}

}  // namespace

double ResampleFilterSupport(int filter)
{
    return filter >= 0 && filter <= 6 ? kSupport[filter] : 0.0;
}

double ResampleFilterValue(int filter, double d)
{
    const double h = std::fabs(d);
    switch (filter) {
    case 0:  // box: the half-open interval (-0.5, 0.5]
        return h <= 0.5 && d != -0.5 ? 1.0 : 0.0;
    case 1:  // triangle
        return h < 1.0 ? 1.0 - h : 0.0;
    case 2:  // Hermite
        return h < 1.0 ? h * h * (2.0 * h - 3.0) + 1.0 : 0.0;
    case 3:  // bell
        if (h < 0.5)
            return 0.75 - h * h;
        return h < 1.5 ? 0.5 * (h - 1.5) * (h - 1.5) : 0.0;
    case 4:  // B-spline
        if (h < 1.0)
            return h * h * (h / 2.0 - 1.0) + 2.0 / 3.0;
        return h < 2.0 ? (2.0 - h) * (2.0 - h) * (2.0 - h) / 6.0 : 0.0;
    case 5:  // sine window
        if (h == 0)
            return 1.0;
        return h < 3.0 ? std::sin(std::numbers::pi * h) * std::sin(h) / (std::numbers::pi * h * h) : 0.0;
    case 6:  // Mitchell-Netravali, B = C = 1/3
        if (h < 1.0)
            return h * h * (7.0 / 6.0 * h - 2.0) + 8.0 / 9.0;
        return h < 2.0 ? h * h * (-7.0 / 18.0 * h + 2.0) - 10.0 / 3.0 * h + 16.0 / 9.0 : 0.0;
    default:
        return 0.0;
    }
}

void SmoothResample(TBitmap& source, TBitmap& destination, int newWidth, int filter, int newHeight)
{
    if (source.Width() < 2 || source.Height() < 2)
        throw Exception(kSourceTooSmall);
    if (filter < 0 || filter > 6)
        throw Exception("Unknown resampling filter " + std::to_string(filter));
    if (newWidth < 1 || newHeight < 1)
        throw Exception("Invalid resampled size " + std::to_string(newWidth) + " x " + std::to_string(newHeight));
    if (newWidth == source.Width() && newHeight == source.Height()) {
        if (&destination != &source)
            destination.Assign(source);
        return;
    }
    const TPixelFormat format =
        source.PixelFormat() == TPixelFormat::pf32bit ? TPixelFormat::pf32bit : TPixelFormat::pf24bit;
    source.SetPixelFormat(format);
    const int B = BytesPerPixel(format);
    TBitmap tmp(newWidth, source.Height(), format);
    const Contributors across = BuildContributors(source.Width(), newWidth, filter, B);
    if (B == 4)
        HorizontalPass<4>(source, tmp, across);
    else
        HorizontalPass<3>(source, tmp, across);
    const Contributors down = BuildContributors(source.Height(), newHeight, filter, tmp.Stride());
    destination.SetPixelFormat(format);
    destination.SetSize(newWidth, newHeight);
    VerticalPass(tmp, destination, down, B);
}

}  // namespace taramel
