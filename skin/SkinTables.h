// The tables a loaded skin is read into: sections, images, patterns, the
// master bitmap and the skin-wide record, with the cached indexes the engine
// asks for most often. A position in a table is an index; -1 means none.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/Geometry.h"
#include "render/Bitmap.h"
#include "skin/SkinGradient.h"
#include "skin/SkinKeys.h"

namespace taramel {

class TsSkinManager;

// One section of the skin.
struct TsGeneralData {
    std::string ParentClass;
    std::string SectionName;
    std::int32_t Color = 16777215;
    std::array<std::int32_t, 5> FontColor{0, -1, -1, -1, -1};
    std::array<std::int32_t, 5> HotFontColor{0, -1, -1, -1, -1};
    bool GiveOwnFont = false;
    std::int32_t GlowCount = 0;
    std::int32_t GlowMargin = 0;
    bool ReservedBoolean = false;
    std::int32_t Transparency = 0;
    std::int32_t GradientPercent = 0;
    std::string GradientData = " ";
    TsGradArray GradientArray;
    std::int32_t ImagePercent = 0;
    bool ShowFocus = false;
    bool FadingEnabled = false;
    std::int32_t FadingIterations = 5;
    std::int32_t HotColor = 16777215;
    std::int32_t HotTransparency = 0;
    std::int32_t HotGradientPercent = 0;
    std::string HotGradientData;
    TsGradArray HotGradientArray;
    std::int32_t HotImagePercent = 0;
    std::int32_t BorderIndex = -1;
    std::int32_t ImgTL = -1;
    std::int32_t ImgTR = -1;
    std::int32_t ImgBL = -1;
    std::int32_t ImgBR = -1;
};
using TsGeneralDataArray = std::vector<TsGeneralData>;

enum TacImgType : std::uint8_t { itisaBorder = 0, itisaTexture = 1, itisaGlyph = 2, itisaGlow = 3, itisaPngGlyph = 4 };

// One image: its own bitmap, or a rectangle of the master bitmap.
struct TsMaskData {
    std::unique_ptr<TBitmap> Image;
    std::string SectionName;
    std::string PropertyName;
    TRect ImageRect;
    std::int16_t ImageCount = 0;
    std::int16_t MaskType = 0;
    std::int16_t BorderWidth = 0;
    std::int16_t StretchMode = 0;
    TacImgType ImgType = itisaBorder;
    TsSkinManager* Manager = nullptr;
    std::int16_t WL = 0, WT = 0, WR = 0, WB = 0;
};
using TsMaskArray = std::vector<TsMaskData>;

// One large background picture (a JPEG of 90000 pixels or more).
struct TsPatternData {
    std::unique_ptr<TBitmap> Image;
    std::string SectionName;
    std::string PropertyName;
};
using TsPatternArray = std::vector<TsPatternData>;

// The skin-wide values of "GLOBALINFO" and where the skin's files are.
struct TsSkinData {
    std::string SkinPath;
    bool Active = false;  // the ready flag: a loaded skin has been announced
    double Version = 0;
    std::string Author;
    std::string Description;
    std::int16_t BorderWidth = 4;
    std::int16_t TitleHeight = 30;
    std::int16_t FormOffset = 8;
    std::int16_t CenterOffset = 0;
    std::int16_t BorderMode = 0;
    std::int32_t Shadow1Color = 0;
    std::int32_t Shadow1Offset = 0;
    std::int32_t Shadow1Blur = -1;
    std::int32_t Shadow1Transparency = 0;
    std::int16_t BISpacing = 0;
    std::int16_t BIVAlign = 0;
    std::int16_t BIRightMargin = 0;
    std::int16_t BILeftMargin = 0;
    std::int32_t BorderColor = 0;
    std::int32_t BICloseGlow = 0;
    std::int32_t BICloseGlowMargin = 0;
    std::int32_t BIMaxGlow = 0;
    std::int32_t BIMaxGlowMargin = 0;
    std::int32_t BIMinGlow = 0;
    std::int32_t BIMinGlowMargin = 0;
    std::string MasterBitmap;
};

// Indexes of the scroll parts kept in CommonIndexes.
enum TacScrollPart { asBtnTop, asBtnBottom, asBtnLeft, asBtnRight, asSliderV, asSliderH, asScrollPartCount };
enum TacScrollBar { asBar1H, asBar1V, asBar2H, asBar2V, asScrollBarCount };
enum TacTabSide { asTabTop, asTabBottom, asTabLeft, asTabRight, asTabSideCount };

struct TacSectionMasks {
    std::int32_t Section = -1;
    std::int32_t BordersMask = -1;
    std::int32_t Pattern = -1;
    std::int32_t HotPattern = -1;
    std::int32_t GlyphMask = 0;  // kept from the previous refresh when the section is missing
};

// The cached indexes of the parts the engine needs most often.
struct TacCommonIndexes {
    std::int32_t GlobalInfo = -1;
    std::int32_t CheckBoxChecked = -1, CheckBoxUnChecked = -1, CheckBoxGrayed = -1;
    std::int32_t RadioButtonChecked = -1, RadioButtonUnChecked = -1, RadioButtonGrayed = -1;
    std::int32_t SmallBoxChecked = -1, SmallBoxUnChecked = -1, SmallBoxGrayed = -1;
    std::int32_t ExBorder = -1;
    std::int32_t ComboBtn = -1, ComboBtnBorder = -1, ComboBtnBG = -1, ComboBtnBGHot = -1, ComboGlyph = -1;
    std::array<std::int32_t, asTabSideCount> TabSection{-1, -1, -1, -1};
    std::array<std::int32_t, asTabSideCount> TabBorder{-1, -1, -1, -1};
    std::array<TacSectionMasks, asScrollPartCount> ScrollParts{};
    std::array<TacSectionMasks, asScrollBarCount> ScrollBars{};
};

// Everything a loaded skin consists of. Empty tables mean no skin.
struct TSkinTables {
    TsGeneralDataArray Sections;
    TsMaskArray Images;
    TsPatternArray Patterns;
    std::unique_ptr<TBitmap> MasterBitmap;  // null when the skin has none
    TsSkinData SkinData;
    TacCommonIndexes CommonIndexes;

    // Frees the images, patterns and master bitmap and empties the section
    // table; SkinPath and the cached indexes are kept (the next refresh of
    // CommonIndexes gives -1 everywhere).
    void Clear();
};

}  // namespace taramel
