// Seeded random painting of the test skin's sections, images and glyphs over
// random parents, compared with the checksums recorded by the native build.
// Run with TARAMEL_RECORD_PAINT=1 to record them anew (and the pictures that
// let a failure name the first differing pixel).
#include <gtest/gtest.h>

#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "paint/Glyphs.h"
#include "paint/Masks.h"
#include "paint/SectionPaint.h"
#include "render/BitmapCopy.h"
#include "tests/paint/PaintAllSkin.h"
#include "tests/paint/PaintFixture.h"

namespace taramel::test {
namespace {

constexpr int kCases = 400;

// Numbers from the generator's raw output, so that every standard library
// draws the same cases.
struct Draw {
    std::mt19937 gen;
    explicit Draw(unsigned seed) : gen(seed) {}
    int Below(int n) { return static_cast<int>(gen() % static_cast<unsigned>(n)); }
    int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }
};

// A parent picture with structure but no noise.
void PaintParent(TBitmap& b, int seed)
{
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            Set(b, x, y, {(x * 4 + seed) & 255, (y * 6) & 255, (seed * 37) & 255, 255});
}

struct Outcome {
    std::string description;
    std::unique_ptr<TBitmap> picture;
};

Outcome RunCase(const TSkinTables& t, int index)
{
    Draw d(1000u + static_cast<unsigned>(index));
    std::ostringstream what;
    const TPixelFormat format = d.Below(3) == 0 ? TPixelFormat::pf32bit : TPixelFormat::pf24bit;
    const int w = d.Between(2, 48), h = d.Between(2, 40);
    Outcome out;
    out.picture = std::make_unique<TBitmap>(w, h, format);
    PaintParent(*out.picture, index);
    what << "case " << index << ": " << w << " x " << h << (format == TPixelFormat::pf32bit ? " 32-bit" : " 24-bit");

    std::unique_ptr<TBitmap> parent;
    BgCache bg = EmptyBgCache;
    switch (d.Below(3)) {
    case 1:
        bg.SolidColor = static_cast<TColor>(d.gen() & 0xFFFFFF);
        what << ", parent colour " << bg.SolidColor;
        break;
    case 2:
        parent = std::make_unique<TBitmap>(w + 10, h + 10, d.Below(2) ? TPixelFormat::pf32bit : TPixelFormat::pf24bit);
        PaintParent(*parent, index + 7);
        bg = BgCacheFromBitmap(*parent, d.Between(0, 10), d.Between(0, 10));
        what << ", parent picture at " << bg.X << "," << bg.Y;
        break;
    default:
        what << ", no parent";
    }
    const int state = d.Between(0, 3);
    const bool fillCentre = d.Below(2);
    const TRect whole{0, 0, w, h};
    const int l = d.Below(w), tp = d.Below(h);
    const TRect part{l, tp, d.Between(l + 1, w), d.Between(tp + 1, h)};
    const TRect r = d.Below(2) ? whole : part;
    what << ", rect " << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom << ", state " << state
         << ", fill centre " << fillCentre;
    const int kind = d.Below(10);
    if (kind < 6) {
        const int s = d.Below(static_cast<int>(t.Sections.size()));
        const int ox = d.Between(0, 3), oy = d.Between(0, 3);
        what << ", section " << t.Sections[s].SectionName << " offset " << ox << "," << oy;
        PaintSection(t, s, t.Sections[s].SectionName, bg, {}, {out.picture.get(), r, ox, oy}, state, fillCentre);
    } else if (kind < 8) {
        const int m = d.Below(static_cast<int>(t.Images.size()));
        const TPoint at{d.Between(-8, w), d.Between(-8, h)};
        const int mode = d.Below(2);
        what << ", image " << m << " at " << at.X << "," << at.Y << " mode " << mode;
        if (d.Below(2))
            DrawMaskImage(t, *out.picture, at, state, bg, t.Images[m], mode);
        else
            DrawMaskRect(t, *out.picture, r, fillCentre, d.Below(2), state, t.Images[m], bg);
    } else {
        // A glyph strip cut from the master bitmap.
        const int n = d.Between(1, 4);
        TBitmap glyph(8 * n, 8, TPixelFormat::pf24bit);
        CopyBitmapRect(glyph, 0, 0, *t.MasterBitmap, {116 + d.Below(3), 0, 116 + d.Below(3) + 8 * n, 8});
        GlyphDraw g;
        g.NumGlyphs = n;
        g.State = state;
        g.Down = d.Below(2);
        g.Enabled = d.Below(3) != 0;
        g.DisabledKinds = static_cast<unsigned>(d.Below(4));
        g.BlendPercent = d.Below(3) ? 0 : d.Between(1, 100);
        const TPoint at{d.Between(-4, w), d.Between(-4, h)};
        what << ", glyph of " << n << " at " << at.X << "," << at.Y << " blend " << g.BlendPercent;
        DrawGlyph(glyph, *out.picture, at, g);
    }
    out.description = what.str();
    return out;
}

std::uint32_t Fnv(const std::vector<std::uint8_t>& bytes)
{
    std::uint32_t h = 2166136261u;
    for (std::uint8_t b : bytes)
        h = (h ^ b) * 16777619u;
    return h;
}

const std::string kDir = std::string(TARAMEL_TEST_DATA) + "/paint/";

std::vector<std::uint8_t> Inflate(const std::vector<std::uint8_t>& packed, std::size_t size)
{
    std::vector<std::uint8_t> out(size);
    uLongf n = static_cast<uLongf>(size);
    if (packed.empty() || uncompress(out.data(), &n, packed.data(), static_cast<uLong>(packed.size())) != Z_OK ||
        n != size)
        return {};
    return out;
}

// The first pixel that differs between the recorded picture and this one.
std::string FirstDifference(const std::vector<std::uint8_t>& expected, const TBitmap& got)
{
    const std::vector<std::uint8_t> bytes = Bytes(got);
    if (expected.size() != bytes.size())
        return "the recorded picture has another size";
    const int bpp = BytesPerPixel(got.PixelFormat());
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] != expected[i]) {
            const std::size_t px = i / bpp;
            std::ostringstream s;
            s << "first differing pixel (" << px % got.Width() << ", " << px / got.Width() << "): expected";
            for (int k = 0; k < bpp; ++k)
                s << ' ' << int(expected[px * bpp + k]);
            s << ", got";
            for (int k = 0; k < bpp; ++k)
                s << ' ' << int(bytes[px * bpp + k]);
            return s.str();
        }
    return "no pixel differs";
}

TEST(ChecksumRuns, RandomSectionsImagesAndGlyphsPaintAsRecorded)
{
    TSkinTables t;
    LoadPaintAllSkin(t);
    ASSERT_FALSE(t.Sections.empty());
    ASSERT_TRUE(t.MasterBitmap);
    std::vector<Outcome> outcomes;
    for (int i = 0; i < kCases; ++i)
        outcomes.push_back(RunCase(t, i));

    if (std::getenv("TARAMEL_RECORD_PAINT")) {
        std::ofstream sums(kDir + "checksums.txt");
        std::vector<std::uint8_t> all;
        for (int i = 0; i < kCases; ++i) {
            const auto bytes = Bytes(*outcomes[i].picture);
            sums << i << ' ' << Fnv(bytes) << ' ' << bytes.size() << '\n';
            all.insert(all.end(), bytes.begin(), bytes.end());
        }
        uLongf n = compressBound(static_cast<uLong>(all.size()));
        std::vector<std::uint8_t> packed(n);
        ASSERT_EQ(compress2(packed.data(), &n, all.data(), static_cast<uLong>(all.size()), 9), Z_OK);
        packed.resize(n);
        std::ofstream(kDir + "pictures.z", std::ios::binary)
            .write(reinterpret_cast<const char*>(packed.data()), static_cast<std::streamsize>(n));
        GTEST_SKIP() << "recorded " << kCases << " cases";
    }

    std::ifstream sums(kDir + "checksums.txt");
    std::vector<std::uint32_t> expected(kCases);
    std::vector<std::size_t> sizes(kCases), starts(kCases);
    std::size_t total = 0;
    for (int i = 0; i < kCases; ++i) {
        int index = -1;
        ASSERT_TRUE(sums >> index >> expected[i] >> sizes[i]) << "checksums.txt ends before case " << i;
        ASSERT_EQ(index, i);
        starts[i] = total;
        total += sizes[i];
    }
    std::vector<std::uint8_t> pictures;
    int failures = 0;
    for (int i = 0; i < kCases; ++i) {
        const auto bytes = Bytes(*outcomes[i].picture);
        if (Fnv(bytes) == expected[i])
            continue;
        if (pictures.empty())
            pictures = Inflate(ReadBytes(kDir + "pictures.z"), total);
        const std::vector<std::uint8_t> recorded =
            pictures.empty() ? std::vector<std::uint8_t>{}
                             : std::vector<std::uint8_t>(pictures.begin() + static_cast<std::ptrdiff_t>(starts[i]),
                                                         pictures.begin() + static_cast<std::ptrdiff_t>(starts[i] + sizes[i]));
        ADD_FAILURE() << outcomes[i].description << "\n  " << FirstDifference(recorded, *outcomes[i].picture);
        if (++failures == 10)
            break;
    }
}

}  // namespace
}  // namespace taramel::test
