#include "tools/skintool/SectionPicture.h"

#include "base/Exception.h"
#include "paint/SectionPaint.h"
#include "render/SysColors.h"
#include "skin/OptionsText.h"
#include "skin/SkinLookups.h"

namespace taramel::skintool {

namespace {

int SectionOrThrow(const TSkinTables& tables, const std::string& name)
{
    const int index = FindSection(tables, name);
    if (index < 0)
        throw Exception("The skin has no section \"" + name + "\"");
    return index;
}

void Fill(TBitmap& picture, TColor color)
{
    color = ResolveColor(color);
    for (int y = 0; y < picture.Height(); ++y) {
        std::uint8_t* px = picture.ScanLine(y);
        for (int x = 0; x < picture.Width(); ++x, px += 3) {
            px[0] = BlueOf(color);
            px[1] = GreenOf(color);
            px[2] = RedOf(color);
        }
    }
}

}  // namespace

void PaintSectionPicture(const TSkinTables& tables, const std::string& section, int width, int height,
                         TPictureState state, const TPictureParent& parent, TBitmap& picture)
{
    if (width < 1 || height < 1)
        throw Exception("A picture needs a size of at least 1 x 1");
    const int index = SectionOrThrow(tables, section);
    picture.SetPixelFormat(TPixelFormat::pf24bit);
    picture.SetSize(width, height);
    const TRect whole{0, 0, width, height};

    Fill(picture, parent.Color != clNone ? parent.Color : GlobalBackColor(tables));
    if (!parent.Section.empty()) {
        const int parentIndex = SectionOrThrow(tables, parent.Section);
        PaintSection(tables, parentIndex, parent.Section, EmptyBgCache, {}, {&picture, whole, 0, 0}, 0, true);
    }
    TBitmap under;
    under.Assign(picture);
    const int painted = state == psDisabled ? psNormal : state;
    PaintSection(tables, index, section, BgCacheFromBitmap(under, 0, 0), {}, {&picture, whole, 0, 0}, painted, true);
    if (state == psDisabled)
        for (int y = 0; y < height; ++y) {
            std::uint8_t* px = picture.ScanLine(y);
            const std::uint8_t* behind = under.ScanLine(y);
            for (int i = 0; i < width * 3; ++i)
                px[i] = static_cast<std::uint8_t>((px[i] + behind[i] + 1) / 2);
        }
}

TPictureState ParsePictureState(const std::string& text)
{
    for (int s = 0; s < psStateCount; ++s) {
        const auto state = static_cast<TPictureState>(s);
        if (text == std::to_string(s) || SameTextAscii(text, PictureStateName(state)))
            return state;
    }
    throw Exception("State \"" + text + "\" is not 0 to 3 or normal, hot, pressed, disabled");
}

const char* PictureStateName(TPictureState state)
{
    static const char* const names[] = {"normal", "hot", "pressed", "disabled"};
    return names[state];
}

}  // namespace taramel::skintool
