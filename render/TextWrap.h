// Breaking a text into the whole lines that a box of fixed size shows.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace taramel {

// The width in pixels of a piece of text in the font it will be drawn with.
using TTextWidth = std::function<int(std::u16string_view)>;

// The lines of `text` word-wrapped to `width` pixels, at most `maxLines` of
// them. Lines break after the last blank that fits (the blanks at a break
// are dropped), a word longer than a line breaks where the line is full, and
// a line feed (alone or after a carriage return) starts a new line. When the
// text does not end within maxLines lines, the last one keeps the longest
// part that fits with "..." after it (nothing when not even one character
// does), so the reader sees that the text goes on. Surrogate pairs are never
// split.
std::vector<std::u16string> WrapTextLines(std::u16string_view text, int width, int maxLines,
                                          const TTextWidth& widthOf);

}  // namespace taramel
