// Skins kept inside the skin manager itself: either the bytes of a packed
// skin file (Data) or the skin's sections, images and patterns as items.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "render/Bitmap.h"

namespace taramel {

struct TsSkinGeneral {
    std::string SectionName;
    std::string ParentClass;
    std::string Color;
    bool ReservedBoolean = false;
    std::string FontColor;     // five integers separated by blanks
    std::string HotFontColor;
    int Transparency = 0;
    int GlowCount = 0;
    int GlowMargin = 0;
    int GradientPercent = 0;
    std::string GradientData;
    int ImagePercent = 0;
    bool ShowFocus = false;
    bool FadingEnabled = false;
    int FadingIterations = 0;
    int HotColor = 0;
    int HotTransparency = 0;
    int HotGradientPercent = 0;
    std::string HotGradientData;
    int HotImagePercent = 0;
    std::string Name;
    bool GiveOwnFont = false;
};

struct TsSkinImage {
    std::string SectionName;
    std::shared_ptr<TBitmap> Image;  // its own bitmap, or null
    std::string Name;
    std::string PropertyName;
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int ImageCount = 0;
    int MaskType = 0;
    int BorderWidth = 0;
    int StretchMode = 0;
    int ImgType = 0;
    int WL = 0, WR = 0, WT = 0, WB = 0;
};

struct TsSkinPattern {
    std::string SectionName;
    std::shared_ptr<TBitmap> Image;  // the decoded JPEG picture
    std::string Name;
    std::string PropertyName;
};

struct TsStoredSkin {
    std::string Name;
    std::vector<TsSkinGeneral> GeneralData;
    std::vector<TsSkinImage> Images;
    std::vector<TsSkinPattern> Patterns;
    std::shared_ptr<TBitmap> MasterBitmap;
    int Shadow1Color = 0;
    int Shadow1Offset = 0;
    int Shadow1Blur = -1;
    int Shadow1Transparency = 0;
    int BorderColor = 0xFF00FF;
    double Version = 0;
    std::string Author;
    std::string Description;
    // The bytes of a packed skin file; empty when the collections hold the skin.
    std::vector<std::uint8_t> Data;
};

class TsStoredSkins {
public:
    std::vector<TsStoredSkin> Items;

    int Count() const { return static_cast<int>(Items.size()); }
    // The first skin whose Name equals the name exactly (case counts), or -1.
    int IndexOf(std::string_view name) const;
};

}  // namespace taramel
