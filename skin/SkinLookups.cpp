#include "skin/SkinLookups.h"

#include <string>

#include "base/Color.h"
#include "render/SysColors.h"

namespace taramel {

namespace {

// System colour indexes of the fallbacks.
constexpr int kColorWindow = 5;
constexpr int kColorHighlight = 13;
constexpr int kColorHighlightText = 14;
constexpr int kColorBtnFace = 15;

TColor AsRGB(std::int32_t value) { return ResolveColor(static_cast<TColor>(value)); }

// The lookup shared by FindImage, FindTexture and FindPattern: the first
// record of `table` accepted by `match` for the section or, failing that, for
// its parents. Every step moves to another section; after as many steps as
// there are sections the chain must be running in a circle, so it stops.
template <typename Table, typename Match>
int FindInChain(const TSkinTables& t, const Table& table, int index, std::string_view name,
                std::string_view property, Match match)
{
    std::string current(name);
    for (std::size_t step = 0; step <= t.Sections.size(); ++step) {
        if (index < 0 || current.empty())
            return -1;
        for (std::size_t i = 0; i < table.size(); ++i)
            if (table[i].SectionName == current && table[i].PropertyName == property && match(table[i]))
                return static_cast<int>(i);
        if (static_cast<std::size_t>(index) >= t.Sections.size())
            return -1;
        const std::string& parent = t.Sections[index].ParentClass;
        if (parent.empty() || parent == current)
            return -1;
        index = FindSection(t, parent);
        current = parent;
    }
    return -1;
}

bool AnyImage(const TsMaskData&) { return true; }

int StateWidth(const TsMaskData& m)
{
    const int count = m.ImageCount > 0 ? m.ImageCount : 1;
    return m.ImageRect.Width() / count;
}

int StateHeight(const TsMaskData& m)
{
    const int parts = m.MaskType + 1 > 0 ? m.MaskType + 1 : 1;
    return m.ImageRect.Height() / parts;
}

bool IsNoColor(std::int32_t c) { return c == -1 || c == clNone || c == 0xFFFFFF; }

}  // namespace

int FindSection(const TSkinTables& t, std::string_view sectionName)
{
    for (std::size_t i = 0; i < t.Sections.size(); ++i)
        if (t.Sections[i].SectionName == sectionName)
            return static_cast<int>(i);
    return -1;
}

int FindImage(const TSkinTables& t, int sectionIndex, std::string_view sectionName, std::string_view propertyName)
{
    return FindInChain(t, t.Images, sectionIndex, sectionName, propertyName, AnyImage);
}

int FindImageExact(const TSkinTables& t, std::string_view sectionName, std::string_view propertyName)
{
    for (std::size_t i = 0; i < t.Images.size(); ++i)
        if (t.Images[i].SectionName == sectionName && t.Images[i].PropertyName == propertyName)
            return static_cast<int>(i);
    return -1;
}

int FindTexture(const TSkinTables& t, int sectionIndex, std::string_view sectionName, std::string_view propertyName)
{
    if (t.Images.empty())
        return -1;
    return FindInChain(t, t.Images, sectionIndex, sectionName, propertyName,
                       [](const TsMaskData& m) { return m.ImgType == itisaTexture; });
}

int FindPattern(const TSkinTables& t, int sectionIndex, std::string_view sectionName, std::string_view propertyName)
{
    if (t.Patterns.empty())
        return -1;
    return FindInChain(t, t.Patterns, sectionIndex, sectionName, propertyName,
                       [](const TsPatternData&) { return true; });
}

bool SectionExists(const TSkinTables& t, int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < t.Sections.size();
}

bool ImageExists(const TSkinTables& t, int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < t.Images.size();
}

TSize ImageStateSize(const TSkinTables& t, int i)
{
    if (!ImageExists(t, i))
        return {};
    const TsMaskData& m = t.Images[i];
    if (m.Image)
        return {m.Image->Width() / 3, m.Image->Height() / 2};
    return {StateWidth(m), StateHeight(m)};
}

namespace {

// A border width: the image's own when above 0, else its common width when
// above 0, else the state image's width or height.
int Border(const TSkinTables& t, int i, std::int16_t TsMaskData::*width, int (*stateSize)(const TsMaskData&))
{
    if (!ImageExists(t, i))
        return 0;
    const TsMaskData& m = t.Images[i];
    return m.*width > 0 ? m.*width : m.BorderWidth > 0 ? m.BorderWidth : stateSize(m);
}

}  // namespace

int BorderLeft(const TSkinTables& t, int i) { return Border(t, i, &TsMaskData::WL, StateWidth); }
int BorderTop(const TSkinTables& t, int i) { return Border(t, i, &TsMaskData::WT, StateHeight); }
int BorderRight(const TSkinTables& t, int i) { return Border(t, i, &TsMaskData::WR, StateWidth); }
int BorderBottom(const TSkinTables& t, int i) { return Border(t, i, &TsMaskData::WB, StateHeight); }

TColor GlobalBackColor(const TSkinTables& t)
{
    const int g = FindSection(t, s_GlobalInfo);
    return g < 0 ? SysColor(kColorBtnFace) : AsRGB(t.Sections[g].Color);
}

TColor GlobalTextColor(const TSkinTables& t)
{
    const int g = FindSection(t, s_GlobalInfo);
    return g < 0 ? TransparentKey : AsRGB(t.Sections[g].FontColor[0]);
}

TColor GlobalHotColor(const TSkinTables& t)
{
    const int g = FindSection(t, s_GlobalInfo);
    return g < 0 ? SysColor(kColorWindow) : AsRGB(t.Sections[g].HotColor);
}

TColor EditHotTextColor(const TSkinTables& t)
{
    const int e = FindSection(t, s_Edit);
    return e < 0 ? TransparentKey : AsRGB(t.Sections[e].HotFontColor[0]);
}

TColor HighlightBackColor(const TSkinTables& t)
{
    const int m = FindSection(t, s_MenuItem);
    if (m >= 0 && !IsNoColor(t.Sections[m].HotColor))
        return AsRGB(t.Sections[m].HotColor);
    return SysColor(kColorHighlight);
}

TColor HighlightTextColor(const TSkinTables& t)
{
    const int m = FindSection(t, s_MenuItem);
    if (m >= 0) {
        const TsGeneralData& s = t.Sections[m];
        if (!IsNoColor(s.HotFontColor[0]) && s.HotFontColor[0] != 0 && !IsNoColor(s.HotColor))
            return AsRGB(s.HotFontColor[0]);
    }
    return SysColor(kColorHighlightText);
}

void RefreshCommonIndexes(TSkinTables& t)
{
    TacCommonIndexes& c = t.CommonIndexes;
    c.GlobalInfo = FindSection(t, s_GlobalInfo);
    std::int32_t* globalImages[] = {&c.CheckBoxChecked, &c.CheckBoxUnChecked, &c.CheckBoxGrayed,
                                    &c.RadioButtonChecked, &c.RadioButtonUnChecked, &c.RadioButtonGrayed,
                                    &c.SmallBoxChecked, &c.SmallBoxUnChecked, &c.SmallBoxGrayed, &c.ExBorder};
    const char* globalNames[] = {"BOXCHECKED", "BOXUNCHECKED", "BOXGRAYED", "RADIOCHECKED", "RADIOUNCHECKED",
                                 "RADIOGRAYED", "SMALLCHECKED", "SMALLUNCHECKED", "SMALLGRAYED", "EXBORDER"};
    for (int i = 0; i < 10; ++i)
        *globalImages[i] = c.GlobalInfo < 0 ? -1 : FindImage(t, c.GlobalInfo, s_GlobalInfo, globalNames[i]);

    c.ComboBtn = FindSection(t, s_ComboBtn);
    c.ComboBtnBorder = FindImageExact(t, s_ComboBtn, s_BordersMask);
    c.ComboBtnBG = FindTexture(t, c.ComboBtn, s_ComboBtn, s_Pattern);
    c.ComboBtnBGHot = FindTexture(t, c.ComboBtn, s_ComboBtn, s_HotPattern);
    c.ComboGlyph = FindImageExact(t, s_ComboBox, s_GlyphMask);

    const char* tabs[] = {"TABTOP", "TABBOTTOM", "TABLEFT", "TABRIGHT"};
    for (int i = 0; i < asTabSideCount; ++i)
        c.TabSection[i] = FindSection(t, tabs[i]);
    for (int i = 0; i < asTabSideCount; ++i)
        c.TabBorder[i] = FindImage(t, c.TabSection[asTabTop], tabs[i], s_BordersMask);

    auto masks = [&](TacSectionMasks& m, const char* name, bool glyph) {
        m.Section = FindSection(t, name);
        m.BordersMask = FindImage(t, m.Section, name, s_BordersMask);
        m.Pattern = FindImage(t, m.Section, name, s_Pattern);
        m.HotPattern = FindImage(t, m.Section, name, s_HotPattern);
        if (glyph && m.Section >= 0)
            m.GlyphMask = FindImage(t, m.Section, name, s_GlyphMask);
    };
    const char* parts[] = {"SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNLEFT",
                           "SCROLLBTNRIGHT", "SCROLLSLIDERV", "SCROLLSLIDERH"};
    for (int i = 0; i < asScrollPartCount; ++i)
        masks(c.ScrollParts[i], parts[i], true);
    const char* bars[] = {"SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H", "SCROLLBAR2V"};
    for (int i = 0; i < asScrollBarCount; ++i)
        masks(c.ScrollBars[i], bars[i], false);
}

}  // namespace taramel
