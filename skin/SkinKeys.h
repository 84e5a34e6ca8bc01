// Names of the skin's sections and keys, and the one table of every section
// key and "GLOBALINFO" key with its value kind and default. The parser, the
// defaults, inheritance, the section merge and the dump are all generated from
// these tables, so a key cannot be read one way and defaulted another.
#pragma once

namespace taramel {

inline constexpr const char* s_GlobalInfo = "GLOBALINFO";
inline constexpr const char* s_ParentClass = "PARENTCLASS";
inline constexpr const char* s_MasterBitmap = "MASTERBITMAP";
inline constexpr const char* s_BordersMask = "BORDERSMASK";
inline constexpr const char* s_GlyphMask = "GLYPHMASK";
inline constexpr const char* s_Pattern = "PATTERN";
inline constexpr const char* s_HotPattern = "HOTPATTERN";
inline constexpr const char* s_ImgTopLeft = "IMGTOPLEFT";
inline constexpr const char* s_ImgTopRight = "IMGTOPRIGHT";
inline constexpr const char* s_ImgBottomLeft = "IMGBTMLEFT";
inline constexpr const char* s_ImgBottomRight = "IMGBTMRIGHT";
inline constexpr const char* s_Edit = "EDIT";
inline constexpr const char* s_MenuItem = "MENUITEM";
inline constexpr const char* s_ComboBtn = "COMBOBTN";
inline constexpr const char* s_ComboBox = "COMBOBOX";

// Value kinds of section keys:
//   Color - integer; -1 or unparsable is absent; a system colour becomes RGB at load
//   Int   - integer; -1 or unparsable is absent
//   Glow  - as Int in the skin's own sections; in merged common sections a
//           missing or unparsable value reads 0 and only -1 takes the parent's
//   Bool  - "TRUE" in any case is true; "?" is absent
//   Text  - the trimmed value; "?" is absent
//
// X(field, key, kind, default) in the record's field order.
#define TARAMEL_SECTION_KEYS(X)                       \
    X(Color, "COLOR", Color, 16777215)                \
    X(FontColor[0], "FONTCOLOR", Int, 0)              \
    X(FontColor[1], "TCLEFT", Int, -1)                \
    X(FontColor[2], "TCTOP", Int, -1)                 \
    X(FontColor[3], "TCRIGHT", Int, -1)               \
    X(FontColor[4], "TCBOTTOM", Int, -1)              \
    X(HotFontColor[0], "HOTFONTCOLOR", Int, 0)        \
    X(HotFontColor[1], "HOTTCLEFT", Int, -1)          \
    X(HotFontColor[2], "HOTTCTOP", Int, -1)           \
    X(HotFontColor[3], "HOTTCRIGHT", Int, -1)         \
    X(HotFontColor[4], "HOTTCBOTTOM", Int, -1)        \
    X(GiveOwnFont, "GIVEOWNFONT", Bool, false)        \
    X(GlowCount, "GLOW", Glow, 0)                     \
    X(GlowMargin, "GLOWMARGIN", Glow, 0)              \
    X(ReservedBoolean, "RESERVEDBOOLEAN", Bool, false) \
    X(Transparency, "TRANSPARENCY", Int, 0)           \
    X(GradientPercent, "GRADIENTPERCENT", Int, 0)     \
    X(GradientData, "GRADIENTDATA", Text, " ")        \
    X(ImagePercent, "IMAGEPERCENT", Int, 0)           \
    X(ShowFocus, "SHOWFOCUS", Bool, false)            \
    X(FadingEnabled, "FADINGENABLED", Bool, false)    \
    X(FadingIterations, "FADINGITERATIONS", Int, 5)   \
    X(HotColor, "HOTCOLOR", Int, 16777215)            \
    X(HotTransparency, "HOTTRANSPARENCY", Int, 0)     \
    X(HotGradientPercent, "HOTGRADIENTPERCENT", Int, 0) \
    X(HotGradientData, "HOTGRADIENTDATA", Text, "")   \
    X(HotImagePercent, "HOTIMAGEPERCENT", Int, 0)

// "GLOBALINFO" keys of the skin-wide record. Kinds:
//   Real   - "." as decimal separator; unparsable gives the default
//   Text   - the value as written
//   Short  - 16-bit integer; unparsable gives the default
//   Long   - 32-bit integer (colours); unparsable gives the default
//   Strict - 32-bit integer; unparsable raises "'%s' is not a valid integer value"
//
// X(field, key, kind, default)
#define TARAMEL_GLOBAL_KEYS(X)                               \
    X(Version, "VERSION", Real, 0)                           \
    X(Author, "AUTHOR", Text, "")                            \
    X(Description, "DESCRIPTION", Text, "")                  \
    X(BorderWidth, "BORDERWIDTH", Short, 4)                  \
    X(TitleHeight, "TITLEHEIGHT", Short, 30)                 \
    X(FormOffset, "FORMOFFSET", Short, 8)                    \
    X(CenterOffset, "CENTEROFFSET", Short, 0)                \
    X(BorderMode, "BORDERMODE", Short, 0)                    \
    X(Shadow1Color, "SHADOW1COLOR", Long, 0)                 \
    X(Shadow1Offset, "SHADOW1OFFSET", Strict, 0)             \
    X(Shadow1Blur, "SHADOW1BLUR", Strict, -1)                \
    X(Shadow1Transparency, "SHADOW1TRANSPARENCY", Strict, 0) \
    X(BISpacing, "BISPACE", Short, 0)                        \
    X(BIVAlign, "BIVALIGN", Short, 0)                        \
    X(BIRightMargin, "BIRIGHT", Short, 0)                    \
    X(BILeftMargin, "BILEFT", Short, 0)                      \
    X(BorderColor, "BORDERCOLOR", Long, 0)                   \
    X(BICloseGlow, "BICONCLOSEGLOW", Strict, 0)              \
    X(BICloseGlowMargin, "BICONCLOSEGLOWMARGIN", Strict, 0)  \
    X(BIMaxGlow, "BICONMAXGLOW", Strict, 0)                  \
    X(BIMaxGlowMargin, "BICONMAXGLOWMARGIN", Strict, 0)      \
    X(BIMinGlow, "BICONMINGLOW", Strict, 0)                  \
    X(BIMinGlowMargin, "BICONMINGLOWMARGIN", Strict, 0)      \
    X(MasterBitmap, "MASTERBITMAP", Text, "")

}  // namespace taramel
