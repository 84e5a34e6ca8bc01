#include "app/DeckLines.h"

#include "base/TextLines.h"

#include <cstdint>

namespace taramel {

std::vector<std::string> SplitDeckLines(std::string_view bytes)
{
    if (bytes.find('\0') == std::string_view::npos)
        return SplitLines(bytes);
    std::string text(bytes);
    for (char& c : text)
        if (c == '\0')
            c = ' ';
    return SplitLines(text);
}

std::string CardDisplayText(std::string_view utf8)
{
    constexpr std::size_t tabStop = 8;
    std::string out;
    out.reserve(utf8.size());
    std::size_t column = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\t') {
            const std::size_t spaces = tabStop - column % tabStop;
            out.append(spaces, ' ');
            column += spaces;
        } else if (byte < 0x20 || byte == 0x7F) {
            continue;
        } else {
            out += c;
            if ((byte & 0xC0) != 0x80)  // continuation bytes add no character
                ++column;
        }
    }
    return out;
}

namespace {

void AppendUtf8(std::string& out, std::uint32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace

std::string Utf16ToUtf8(std::string_view bytes, TByteOrder order)
{
    const std::size_t units = bytes.size() / 2;
    const std::size_t low = order == TByteOrder::LittleEndian ? 0 : 1;
    auto unit = [&](std::size_t i) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[2 * i + low])) |
               static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[2 * i + 1 - low])) << 8;
    };
    std::string out;
    out.reserve(units * 2);
    for (std::size_t i = 0; i < units; ++i) {
        const std::uint32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units && unit(i + 1) >= 0xDC00 && unit(i + 1) <= 0xDFFF) {
            AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (unit(i + 1) - 0xDC00));
            ++i;
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            AppendUtf8(out, 0xFFFD);
        } else {
            AppendUtf8(out, u);
        }
    }
    return out;
}

}  // namespace taramel
