#include "skin/SkinSectionReader.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "render/SysColors.h"
#include "skin/SkinNumbers.h"
#include "skin/SkinKeys.h"

namespace taramel {

namespace {

enum class TKeyKind { Color, Int, Glow, Bool, Text };

bool IsNumber(TKeyKind kind) { return kind == TKeyKind::Color || kind == TKeyKind::Int || kind == TKeyKind::Glow; }

// Whether a written value counts as given for its kind.
bool Given(TKeyKind kind, const std::string& value)
{
    if (IsNumber(kind)) {
        auto v = ParseSkinInteger(value);
        return v && *v != -1;
    }
    return value != "?";
}

// The value of a key found along the section's PARENTCLASS chain, or null.
const std::string* Inherited(const TOptionsText& text, std::string_view name, const char* key, TKeyKind kind)
{
    const TOptionsSection* s = text.FindSection(name);
    // Each step moves to another section; more steps than sections means a circle.
    for (std::size_t step = 0; s && step <= text.Sections().size(); ++step) {
        const std::string* v = s->Find(key);
        if (v && Given(kind, *v))
            return v;
        const std::string* parent = s->Find(s_ParentClass);
        if (!parent || parent->empty() || *parent == "?" || SameTextAscii(*parent, s->Name))
            return nullptr;
        s = text.FindSection(*parent);
    }
    return nullptr;
}

void Store(std::int32_t& field, const std::string& v) { field = *ParseSkinInteger(v); }
void Store(bool& field, const std::string& v) { field = SameTextAscii(v, "TRUE"); }
void Store(std::string& field, const std::string& v) { field = v; }

void ConvertIfColor(TKeyKind kind, std::int32_t& field)
{
    if (kind == TKeyKind::Color)
        field = static_cast<std::int32_t>(ResolveColor(static_cast<TColor>(field)));
}
void ConvertIfColor(TKeyKind, bool&) {}
void ConvertIfColor(TKeyKind, std::string&) {}

void ParseGradients(TsGeneralData& d)
{
    if (d.GradientData != " ")
        ParseSectionGradient(d.GradientData, d.GradientArray);
    if (d.HotGradientData != " ")
        ParseSectionGradient(d.HotGradientData, d.HotGradientArray);
}

void ReadReal(double& f, const std::string* v, double def) { f = v ? SkinRealOr(*v, def) : def; }
void ReadText(std::string& f, const std::string* v, const char* def) { f = v ? *v : def; }
// A number beyond 16 bits keeps its sign and stays as far out as it can:
// 100000 wrapped round would be read as -31072.
void ReadShort(std::int16_t& f, const std::string* v, int def)
{
    f = static_cast<std::int16_t>(std::clamp<std::int32_t>(v ? SkinIntegerOr(*v, def) : def, INT16_MIN, INT16_MAX));
}
void ReadLong(std::int32_t& f, const std::string* v, int def) { f = v ? SkinIntegerOr(*v, def) : def; }
void ReadStrict(std::int32_t& f, const std::string* v, int def) { f = v ? StrictSkinInteger(*v) : def; }

}  // namespace

void ReadGlobalInfo(const TOptionsText& text, TsSkinData& d)
{
#define TARAMEL_READ_GLOBAL(field, key, kind, def) Read##kind(d.field, text.Find(s_GlobalInfo, key), def);
    TARAMEL_GLOBAL_KEYS(TARAMEL_READ_GLOBAL)
#undef TARAMEL_READ_GLOBAL
    // The frame a window draws from these must still fit on a screen and
    // leave the window a client.
    d.BorderWidth = std::clamp<std::int16_t>(d.BorderWidth, 0, kMaxSkinBorderWidth);
    d.TitleHeight = std::clamp<std::int16_t>(d.TitleHeight, 0, kMaxSkinTitleHeight);
}

TsGeneralData ReadSection(const TOptionsText& text, std::string_view name)
{
    TsGeneralData d;
    d.SectionName = name;
    d.ParentClass = text.Read(name, s_ParentClass, "");
#define TARAMEL_READ_SECTION(field, key, kind, def)                           \
    if (const std::string* v = Inherited(text, name, key, TKeyKind::kind)) \
        Store(d.field, *v);                                                   \
    else                                                                      \
        d.field = def;                                                        \
    ConvertIfColor(TKeyKind::kind, d.field);
    TARAMEL_SECTION_KEYS(TARAMEL_READ_SECTION)
#undef TARAMEL_READ_SECTION
    ParseGradients(d);
    return d;
}

TsGeneralData MergeCommonSection(const TsGeneralDataArray& table, const TOptionsSection& s)
{
    TsGeneralData d;
    d.SectionName = s.Name;
    const std::string* parent = s.Find(s_ParentClass);
    d.ParentClass = parent ? UpperAscii(*parent) : "-1";
    const TsGeneralData* base = nullptr;
    for (const TsGeneralData& r : table)
        if (UpperAscii(r.SectionName) == d.ParentClass) {
            base = &r;
            break;
        }
    // GLOW and GLOWMARGIN read 0 when missing or unparsable and take the
    // base's value only when written as -1.
#define TARAMEL_MERGE_SECTION(field, key, kind, def)                                    \
    {                                                                                   \
        const std::string* v = s.Find(key);                                             \
        if (TKeyKind::kind == TKeyKind::Glow && !(v && ParseSkinInteger(*v) == -1)) {   \
            if (v && Given(TKeyKind::kind, *v))                                         \
                Store(d.field, *v);                                                     \
            else                                                                        \
                d.field = def;                                                          \
        } else if (v && Given(TKeyKind::kind, *v)) {                                    \
            Store(d.field, *v);                                                         \
        } else {                                                                        \
            d.field = base ? base->field : def;                                         \
        }                                                                               \
    }
    TARAMEL_SECTION_KEYS(TARAMEL_MERGE_SECTION)
#undef TARAMEL_MERGE_SECTION
    ParseGradients(d);
    return d;
}

}  // namespace taramel
