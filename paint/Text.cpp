#include "paint/Text.h"

#include "paint/PixelView.h"
#include "render/FactorOps.h"
#include "skin/SkinLookups.h"

namespace taramel {

namespace {

enum class TextRule { Skin, Section };

std::vector<TextPass> Passes(const TSkinTables& t, int sectionIndex, const TextLook& look, TextRule rule)
{
    const bool valid = SectionExists(t, sectionIndex);
    if (!valid)
        return rule == TextRule::Skin ? std::vector<TextPass>{{0, 0, look.CurrentColor, look.Enabled}}
                                      : std::vector<TextPass>{};
    const TsGeneralData& s = t.Sections[sectionIndex];
    if (!look.Enabled) {
        const TColor back = rule == TextRule::Skin ? GlobalBackColor(t) : s.Color;
        return {{0, 0, MixColors(s.FontColor[0], back, 0.4), false}};
    }
    const auto& colors = look.Hot ? s.HotFontColor : s.FontColor;
    std::vector<TextPass> passes;
    if (!look.CustomFont) {
        static constexpr int kShift[4][2] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
        for (int side = 0; side < 4; ++side)
            if (colors[side + 1] != -1)
                passes.push_back({kShift[side][0], kShift[side][1], colors[side + 1], false});
    }
    passes.push_back({0, 0, look.CustomFont ? look.CurrentColor : colors[0], rule == TextRule::Skin});
    return passes;
}

// Bytes of the last UTF-8 character of a non-empty text.
std::size_t LastCharBytes(std::string_view s)
{
    std::size_t n = 1;
    while (n < s.size() && (static_cast<unsigned char>(s[s.size() - n]) & 0xC0) == 0x80)
        ++n;
    return n;
}

}  // namespace

std::vector<TextPass> SkinTextPasses(const TSkinTables& t, int sectionIndex, const TextLook& look)
{
    return Passes(t, sectionIndex, look, TextRule::Skin);
}

std::vector<TextPass> SectionTextPasses(const TSkinTables& t, int sectionIndex, const TextLook& look)
{
    return Passes(t, sectionIndex, look, TextRule::Section);
}

std::string FitTextWithEllipsis(std::string_view text, int width, const TextMeasure& measure)
{
    if (width <= 0)
        return {};
    std::string result(text);
    if (result.empty() || measure(result) <= width)
        return result;
    while (!result.empty() && measure(result + "...") > width)
        result.resize(result.size() - LastCharBytes(result));
    if (!result.empty())
        result += "...";
    return result;
}

void DrawDottedFocus(TBitmap& bitmap, const TRect& r)
{
    const paintdetail::PixelView v(&bitmap);
    if (!v.Valid())
        return;
    auto dot = [&](int x, int y, TColor c) {
        if (v.Contains(x, y))
            paintdetail::PutColor(v.At(x, y), c, v.Is32());
    };
    for (int i = 0; i <= r.Width() / 3; ++i) {
        const int x = r.Left + 3 * i;
        dot(x, r.Top, 0);
        dot(x, r.Bottom, 0);
        dot(x - 1, r.Top - 1, 0xFFFFFF);
        dot(x - 1, r.Bottom - 1, 0xFFFFFF);
    }
    for (int j = 0; j <= r.Height() / 3; ++j) {
        const int y = r.Top + 3 * j;
        dot(r.Left, y, 0);
        dot(r.Right, y, 0);
        dot(r.Left - 1, y - 1, 0xFFFFFF);
        dot(r.Right - 1, y - 1, 0xFFFFFF);
    }
}

}  // namespace taramel
