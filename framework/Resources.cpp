#include "framework/Resources.h"

namespace taramel {

std::span<const std::uint8_t> ProgramResource(const wchar_t* name)
{
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(module, name, RT_RCDATA);
    const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (data == nullptr)
        return {};
    return {static_cast<const std::uint8_t*>(data), SizeofResource(module, found)};
}

}  // namespace taramel
