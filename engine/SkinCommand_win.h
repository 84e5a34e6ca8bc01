// The skin command message: one window message whose WParam high word names
// a command, whose low word carries a small argument and whose LParam carries
// a pointer or value; the result answers queries (0 = not answered).
#pragma once

#include <windows.h>

#include <cstdint>

namespace taramel {

// Every sender and receiver compares against this number. The registered
// number of "SM_ALPHACMD" is deliberately not used: all engine objects live in
// this process and agree on the fixed value.
constexpr UINT SM_ALPHACMD = 0xA100;
inline constexpr const char* kSkinCommandMessageName = "SM_ALPHACMD";

// Registers the message name with the system (start-up); returns the number
// the system gave, which the engine ignores.
UINT RegisterSkinCommandMessage();

enum : std::uint16_t {
    CMD_NEW_SKIN = 1,
    CMD_REMOVE_SKIN = 2,
    CMD_REPAINT = 3,
    CMD_GET_PROVIDER = 4,
    CMD_END_PARENT_UPDATE = 6,
    CMD_IS_SKINNED = 7,
    CMD_SET_UPDATING = 8,
    CMD_LOCK_CACHE = 9,
    CMD_IS_UPDATING = 10,
    CMD_IS_PARTLY_HIDDEN = 11,
    CMD_PARENT_BG_CHANGED = 12,
    CMD_MENU_BORDER = 14,
    CMD_ANIMATION_DONE = 16,
    CMD_CACHE_DIRTY = 17,
    CMD_ANIMATION_FRAME = 18,
    CMD_DRAWS_CHILD_BG = 19,
    CMD_BOUNDS_CHANGED = 20,
    CMD_GET_BG_COLOR = 21,
    CMD_SET_PARTLY_HIDDEN = 22,
    CMD_PREPARE_FADE = 23,
    CMD_PAINT_FADE_FRAME = 24,
    CMD_ADAPT_CHILDREN = 25,
    CMD_GET_SKIN_INDEX = 26,
    CMD_GET_SKIN_MANAGER = 27,
    CMD_MOUSE_ENTER = 29,
    CMD_MOUSE_LEAVE = 30,
    CMD_BEGIN_UPDATE = 31,
    CMD_END_UPDATE = 32,
    CMD_GET_BG_INFO = 34,
    CMD_TRANSPARENCY_FLAGS = 36,
    CMD_BEGIN_SCROLL = 51,
    CMD_END_SCROLL = 52,
    CMD_GET_APPLICATION = 60,
    CMD_GET_BORDER_OFFSET = 61,
};

// WParam of a command: the code in the high word, the argument in the low one.
constexpr WPARAM MakeSkinWParam(std::uint16_t code, std::uint16_t arg = 0)
{
    return (static_cast<WPARAM>(code) << 16) | arg;
}
// The command of a WParam: the high word only, so the argument never changes
// which command is meant.
constexpr std::uint16_t SkinCommandOf(WPARAM wParam)
{
    return static_cast<std::uint16_t>((wParam >> 16) & 0xFFFF);
}
constexpr std::uint16_t SkinArgOf(WPARAM wParam)
{
    return static_cast<std::uint16_t>(wParam & 0xFFFF);
}
constexpr bool IsSkinCommand(UINT msg, WPARAM wParam, std::uint16_t code)
{
    return msg == SM_ALPHACMD && SkinCommandOf(wParam) == code;
}
// LParam packing two 16-bit values (scroll commands: scroll code, message).
constexpr LPARAM MakeSkinLParam(std::uint16_t low, std::uint16_t high)
{
    return static_cast<LPARAM>((static_cast<std::uint32_t>(high) << 16) | low);
}

}  // namespace taramel
