#include "skin/StoredSkinLoader.h"

#include <algorithm>
#include <sstream>

#include "skin/SkinLookups.h"
#include "skin/SkinLoaderParts.h"
#include "skin/SkinNumbers.h"

namespace taramel {

namespace {

std::int16_t Short(int v) { return static_cast<std::int16_t>(v); }

// Five integers separated by blanks; any other count gives 0, -1, -1, -1, -1.
std::array<std::int32_t, 5> FontColors(const std::string& text)
{
    std::array<std::int32_t, 5> colors{0, -1, -1, -1, -1};
    std::istringstream words(text);
    std::vector<std::string> list;
    for (std::string w; words >> w;)
        list.push_back(w);
    if (list.size() != 5)
        return colors;
    std::array<std::int32_t, 5> read{};
    for (int i = 0; i < 5; ++i) {
        auto v = ParseSkinInteger(list[i]);
        if (!v)
            return colors;
        read[i] = *v;
    }
    return read;
}

TsGeneralData Section(const TsSkinGeneral& g)
{
    TsGeneralData d;
    d.SectionName = g.SectionName;
    d.ParentClass = g.ParentClass;
    d.Color = SkinIntegerOr(g.Color, 16777215);
    d.FontColor = FontColors(g.FontColor);
    d.HotFontColor = FontColors(g.HotFontColor);
    d.GiveOwnFont = g.GiveOwnFont;
    d.GlowCount = g.GlowCount;
    d.GlowMargin = g.GlowMargin;
    d.ReservedBoolean = g.ReservedBoolean;
    d.Transparency = g.Transparency;
    d.GradientPercent = g.GradientPercent;
    d.GradientData = g.GradientData;
    d.ImagePercent = g.ImagePercent;
    d.ShowFocus = g.ShowFocus;
    d.FadingEnabled = g.FadingEnabled;
    d.FadingIterations = g.FadingIterations;
    d.HotColor = g.HotColor;
    d.HotTransparency = g.HotTransparency;
    d.HotGradientPercent = g.HotGradientPercent;
    d.HotGradientData = g.HotGradientData;
    d.HotImagePercent = g.HotImagePercent;
    if (d.GradientData != " ")
        ParseSectionGradient(d.GradientData, d.GradientArray);
    if (d.HotGradientData != " ")
        ParseSectionGradient(d.HotGradientData, d.HotGradientArray);
    return d;
}

void AddImage(TSkinTables& t, const TsSkinImage& s, const TSkinLoadSettings& settings)
{
    TsMaskData m;
    m.SectionName = UpperAscii(s.SectionName);
    m.PropertyName = UpperAscii(s.PropertyName);
    m.Manager = settings.Manager;
    m.ImageCount = Short(s.ImageCount);
    m.MaskType = Short(s.MaskType);
    m.BorderWidth = Short(s.BorderWidth);
    m.StretchMode = Short(s.StretchMode);
    m.ImgType = static_cast<TacImgType>(std::clamp(s.ImgType, 0, 4));
    m.WL = Short(s.WL);
    m.WT = Short(s.WT);
    m.WR = Short(s.WR);
    m.WB = Short(s.WB);
    const bool own = s.Image && !s.Image->Empty() && !s.Name.empty();
    if (own) {
        m.Image = std::make_unique<TBitmap>();
        m.Image->Assign(*s.Image);
        m.Image->SetPixelFormat(TPixelFormat::pf24bit);
        m.ImageRect = {0, 0, m.Image->Width(), m.Image->Height()};
    } else {
        m.ImageRect = {s.Left, s.Top, s.Right, s.Bottom};
        if (!MasterRectFits(t.MasterBitmap.get(), m.ImageRect))
            return;
    }
    if (m.ImageCount == 0) {
        m.ImageCount = 3;
        m.MaskType = 1;
    }
    if (m.WL == 0 && m.WT == 0 && m.WR == 0 && m.WB == 0) {
        if (m.BorderWidth != 0)
            m.WL = m.WT = m.WR = m.WB = m.BorderWidth;
        else
            DeriveBorders(m, m.MaskType * 3 + 3);
    }
    t.Images.push_back(std::move(m));
}

void Load(const TsStoredSkin& skin, const TSkinLoadSettings& settings, TSkinTables& t)
{
    if (skin.MasterBitmap && !skin.MasterBitmap->Empty()) {
        t.MasterBitmap = std::make_unique<TBitmap>();
        t.MasterBitmap->Assign(*skin.MasterBitmap);
        t.MasterBitmap->SetPixelFormat(TPixelFormat::pf24bit);
    }
    for (const TsSkinImage& image : skin.Images)
        AddImage(t, image, settings);
    for (const TsSkinPattern& p : skin.Patterns) {
        if (!p.Image || p.Image->Empty())
            continue;
        auto picture = std::make_unique<TBitmap>();
        picture->Assign(*p.Image);
        t.Patterns.push_back({std::move(picture), UpperAscii(p.SectionName), UpperAscii(p.PropertyName)});
    }
    TsSkinData& d = t.SkinData;
    d.Version = skin.Version;
    d.Author = skin.Author;
    d.Description = skin.Description;
    d.Shadow1Color = skin.Shadow1Color;
    d.Shadow1Offset = skin.Shadow1Offset;
    d.Shadow1Blur = skin.Shadow1Blur;
    d.Shadow1Transparency = skin.Shadow1Transparency;
    d.BorderColor = skin.BorderColor;
    if (settings.VersionCheck)
        settings.VersionCheck(d.Version);
    for (const TsSkinGeneral& g : skin.GeneralData)
        t.Sections.push_back(Section(g));
    TOptionsText common;
    if (!settings.CommonSections.empty())
        common.ParseUntrimmed(settings.CommonSections);
    FinishSections(t, common, settings);
    RefreshCommonIndexes(t);
}

}  // namespace

void LoadStoredSkin(const TsStoredSkin& skin, const TSkinLoadSettings& settings, TSkinTables& tables)
{
    const std::string path = tables.SkinData.SkinPath;
    try {
        tables.Clear();
        tables.SkinData = TsSkinData{};
        tables.SkinData.SkinPath = path;
        Load(skin, settings, tables);
    } catch (...) {
        tables.Clear();
        RefreshCommonIndexes(tables);
        throw;
    }
}

}  // namespace taramel
