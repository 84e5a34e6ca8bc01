#include "skin/SkinDump.h"

#include <cstdio>
#include <string>

namespace taramel {

namespace {

const char* TypeName(TacImgType type)
{
    switch (type) {
    case itisaBorder: return "border";
    case itisaTexture: return "texture";
    case itisaGlyph: return "glyph";
    case itisaGlow: return "glow";
    case itisaPngGlyph: return "pngglyph";
    }
    return "?";
}

std::string Real(double v)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.6g", v);
    std::string s = text;
    for (char& c : s)
        if (c == ',')
            c = '.';  // whatever the C locale says
    return s;
}

void Value(std::ostream& out, double v) { out << Real(v); }
void Value(std::ostream& out, const std::string& v) { out << '"' << v << '"'; }
void Value(std::ostream& out, bool v) { out << (v ? "TRUE" : "FALSE"); }
void Value(std::ostream& out, std::int32_t v) { out << v; }
void Value(std::ostream& out, std::int16_t v) { out << v; }

void Gradient(std::ostream& out, const char* name, const TsGradArray& g)
{
    out << "  " << name << " =";
    for (const auto& piece : g)
        out << ' ' << piece.Color1 << ',' << piece.Color2 << ',' << int(piece.Percent) << ',' << piece.Mode;
    out << '\n';
}

void Masks(std::ostream& out, const char* name, const TacSectionMasks& m)
{
    out << "  " << name << " = section " << m.Section << ", borders " << m.BordersMask << ", pattern " << m.Pattern
        << ", hot pattern " << m.HotPattern << ", glyph " << m.GlyphMask << '\n';
}

void Indexes(std::ostream& out, const TacCommonIndexes& c)
{
    out << "common indexes\n";
    const std::pair<const char*, std::int32_t> plain[] = {
        {"GLOBALINFO", c.GlobalInfo},         {"BOXCHECKED", c.CheckBoxChecked},
        {"BOXUNCHECKED", c.CheckBoxUnChecked}, {"BOXGRAYED", c.CheckBoxGrayed},
        {"RADIOCHECKED", c.RadioButtonChecked}, {"RADIOUNCHECKED", c.RadioButtonUnChecked},
        {"RADIOGRAYED", c.RadioButtonGrayed},  {"SMALLCHECKED", c.SmallBoxChecked},
        {"SMALLUNCHECKED", c.SmallBoxUnChecked}, {"SMALLGRAYED", c.SmallBoxGrayed},
        {"EXBORDER", c.ExBorder},             {"COMBOBTN", c.ComboBtn},
        {"COMBOBTN BORDERSMASK", c.ComboBtnBorder}, {"COMBOBTN PATTERN", c.ComboBtnBG},
        {"COMBOBTN HOTPATTERN", c.ComboBtnBGHot}, {"COMBOBOX GLYPHMASK", c.ComboGlyph},
    };
    for (const auto& [name, value] : plain)
        out << "  " << name << " = " << value << '\n';
    const char* tabs[] = {"TABTOP", "TABBOTTOM", "TABLEFT", "TABRIGHT"};
    for (int i = 0; i < asTabSideCount; ++i)
        out << "  " << tabs[i] << " = section " << c.TabSection[i] << ", borders " << c.TabBorder[i] << '\n';
    const char* parts[] = {"SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNLEFT", "SCROLLBTNRIGHT", "SCROLLSLIDERV", "SCROLLSLIDERH"};
    for (int i = 0; i < asScrollPartCount; ++i)
        Masks(out, parts[i], c.ScrollParts[i]);
    const char* bars[] = {"SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H", "SCROLLBAR2V"};
    for (int i = 0; i < asScrollBarCount; ++i)
        Masks(out, bars[i], c.ScrollBars[i]);
}

}  // namespace

void DumpSkin(const TSkinTables& t, std::ostream& out)
{
    const TsSkinData& d = t.SkinData;
    out << "GLOBALINFO values\n";
#define TARAMEL_DUMP_GLOBAL(field, key, kind, def) \
    out << "  " << key << " = ";                   \
    Value(out, d.field);                           \
    out << '\n';
    TARAMEL_GLOBAL_KEYS(TARAMEL_DUMP_GLOBAL)
#undef TARAMEL_DUMP_GLOBAL
    out << "master bitmap: ";
    if (t.MasterBitmap)
        out << t.MasterBitmap->Width() << " x " << t.MasterBitmap->Height() << '\n';
    else
        out << "none\n";

    out << "sections: " << t.Sections.size() << '\n';
    for (std::size_t i = 0; i < t.Sections.size(); ++i) {
        const TsGeneralData& s = t.Sections[i];
        out << '[' << i << "] \"" << s.SectionName << "\"\n";
        out << "  PARENTCLASS = \"" << s.ParentClass << "\"\n";
#define TARAMEL_DUMP_SECTION(field, key, kind, def) \
    out << "  " << key << " = ";                    \
    Value(out, s.field);                            \
    out << '\n';
        TARAMEL_SECTION_KEYS(TARAMEL_DUMP_SECTION)
#undef TARAMEL_DUMP_SECTION
        Gradient(out, "gradient", s.GradientArray);
        Gradient(out, "hot gradient", s.HotGradientArray);
        out << "  borders " << s.BorderIndex << ", corners " << s.ImgTL << ' ' << s.ImgTR << ' ' << s.ImgBL << ' '
            << s.ImgBR << '\n';
    }

    out << "images: " << t.Images.size() << '\n';
    for (std::size_t i = 0; i < t.Images.size(); ++i) {
        const TsMaskData& m = t.Images[i];
        out << '[' << i << "] \"" << m.SectionName << "\" \"" << m.PropertyName << "\" " << TypeName(m.ImgType)
            << ", rect " << m.ImageRect.Left << ' ' << m.ImageRect.Top << ' ' << m.ImageRect.Right << ' '
            << m.ImageRect.Bottom << ", count " << m.ImageCount << ", mask " << m.MaskType << ", border width "
            << m.BorderWidth << ", stretch " << m.StretchMode << ", borders " << m.WL << ' ' << m.WT << ' ' << m.WR
            << ' ' << m.WB << ", ";
        if (m.Image)
            out << "own " << m.Image->Width() << " x " << m.Image->Height() << " "
                << static_cast<int>(m.Image->PixelFormat()) << " bits\n";
        else
            out << "master\n";
    }

    out << "patterns: " << t.Patterns.size() << '\n';
    for (std::size_t i = 0; i < t.Patterns.size(); ++i) {
        const TsPatternData& p = t.Patterns[i];
        out << '[' << i << "] \"" << p.SectionName << "\" \"" << p.PropertyName << "\" ";
        if (p.Image)
            out << p.Image->Width() << " x " << p.Image->Height() << '\n';
        else
            out << "no picture\n";
    }
    Indexes(out, t.CommonIndexes);
}

}  // namespace taramel
