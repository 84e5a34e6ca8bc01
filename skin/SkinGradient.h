// The parsed gradient of the section records, from the pixel core.
#pragma once

#include <string>

#if __has_include("render/sGradient.h")
#include "render/sGradient.h"
namespace taramel {
inline void ParseSectionGradient(const std::string& text, TsGradArray& gradient) { ParseGradientData(text, gradient); }
}  // namespace taramel
#else
#include <cstdint>
#include <vector>

#include "skin/SkinNumbers.h"
namespace taramel {
// Stand-in until the pixel core's gradient arrives: groups of five words
// separated by ";" (colour 1, colour 2, percent, mode, unused).
struct GradientPiece {
    std::uint32_t Color1 = 0, Color2 = 0;
    std::uint8_t Percent = 0;
    std::int32_t Mode = 0;
};
using TsGradArray = std::vector<GradientPiece>;
inline void ParseSectionGradient(const std::string& text, TsGradArray& gradient)
{
    std::vector<std::string> words;
    std::string word;
    for (char c : text + ";")
        if (c == ';') {
            if (!word.empty())
                words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    gradient.assign(words.size() / 5, GradientPiece{});
    for (std::size_t g = 0; g < gradient.size(); ++g) {
        const std::int32_t c1 = StrictSkinInteger(words[5 * g]), c2 = StrictSkinInteger(words[5 * g + 1]);
        const std::int32_t pc = StrictSkinInteger(words[5 * g + 2]);
        gradient[g].Color1 = c1 < 0 ? 0 : static_cast<std::uint32_t>(c1);
        gradient[g].Color2 = c2 < 0 ? 0 : static_cast<std::uint32_t>(c2);
        gradient[g].Percent = static_cast<std::uint8_t>(pc < 0 ? 0 : pc > 100 ? 100 : pc);
        gradient[g].Mode = StrictSkinInteger(words[5 * g + 3]);
    }
}
}  // namespace taramel
#endif
