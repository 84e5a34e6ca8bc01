// Splitting the deck file into lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace taramel {

// Splits raw file bytes into lines. A line ends at CR LF, a lone CR or a lone
// LF. A NUL byte is read as a space: it must not end the line (the list that
// keeps the deck takes lines as NUL-terminated strings) nor drop the rest of
// the deck. A last line without a break is a line, a break at the very end
// adds no empty line. Nothing is trimmed or decoded: lines stay bytes in the
// ANSI code page, a byte-order mark included.
std::vector<std::string> SplitDeckLines(std::string_view bytes);

// A card's UTF-8 text as the labels show it: a tab becomes the spaces to the
// next multiple of 8 characters, and other control characters (C0 and DEL),
// which a font draws as boxes, are left out.
std::string CardDisplayText(std::string_view utf8);

enum class TByteOrder { LittleEndian, BigEndian };

// UTF-16 text in the given byte order as UTF-8. A lone surrogate becomes
// U+FFFD and an odd last byte is dropped.
std::string Utf16ToUtf8(std::string_view bytes, TByteOrder order);

}  // namespace taramel
