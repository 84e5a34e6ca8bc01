// Filling section records and the skin-wide record from the options text,
// generated from the key tables of SkinKeys.h.
#pragma once

#include <cstdint>
#include <string_view>

#include "skin/OptionsText.h"
#include "skin/SkinTables.h"

namespace taramel {

// The largest frame border and title a skin may ask for; values beyond them
// (or below 0) are brought back into range when read.
inline constexpr std::int16_t kMaxSkinBorderWidth = 60;
inline constexpr std::int16_t kMaxSkinTitleHeight = 120;

// The "GLOBALINFO" values; a strict key that is not an integer throws.
// "BORDERWIDTH" and "TITLEHEIGHT" are kept between 0 and the limits above.
void ReadGlobalInfo(const TOptionsText& text, TsSkinData& data);

// One section record with inheritance: a key that is missing, or absent by
// its kind (-1 or unparsable for numbers, "?" for texts and flags), is taken
// from the PARENTCLASS chain, which stops at a missing, empty or "?" parent,
// at the section itself and where it runs in a circle; then the default
// applies. COLOR becomes RGB. The gradients are parsed.
TsGeneralData ReadSection(const TOptionsText& text, std::string_view name);

// A record for a section of the manager's common sections: its own values,
// else the base record's (the first whose upper-cased name equals the
// upper-cased PARENTCLASS), else the defaults; no inheritance inside the text
// and no colour conversion.
TsGeneralData MergeCommonSection(const TsGeneralDataArray& table, const TOptionsSection& section);

}  // namespace taramel
