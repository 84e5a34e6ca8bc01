// The program's own data resources (RCDATA: the logo, the built-in shadow
// pictures).
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

namespace taramel {

// The bytes of the RCDATA resource `name` (a string, or MAKEINTRESOURCEW of
// a number) of the executable; empty when it has none or it is empty. The
// bytes stay valid for the life of the process.
std::span<const std::uint8_t> ProgramResource(const wchar_t* name);

}  // namespace taramel
