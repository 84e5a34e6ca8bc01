// Reads arbitrary bytes as a packed skin. It must never crash or allocate
// without bound; what it accepts must stay within its promises and pack back
// to an archive that reads the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "base/Exception.h"
#include "skin/PackedSkin.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace taramel;
    std::unique_ptr<TacSkinConvertor> reader;
    try {
        reader = ReadPackedData(std::span<const std::uint8_t>(data, size));
    } catch (const Exception&) {
        return 0;
    }
    std::uint64_t total = reader->Options.size();
    for (const TacImageItem& item : reader->ImageFiles) {
        if (item.Data.empty())
            std::abort();
        total += item.Data.size();
    }
    if (total > kMaxInflateRatio * size + kInflateAllowance * (reader->ImageFiles.size() + 1))
        std::abort();
    if (reader->ImageEntries().size() > reader->ImageFiles.size())
        std::abort();
    for (const TacImageItem& item : reader->ImageEntries())
        if (item.Name.size() < 64)
            (void)reader->FindImage(item.Name);

    std::vector<TPackEntry> entries;
    if (reader->HasOptions)
        entries.push_back({reader->OptionsName, reader->Options});
    for (const TacImageItem& item : reader->ImageFiles)
        entries.push_back({item.Name, item.Data});
    const auto again = ReadPackedData(WritePackedSkin(entries, 1));
    if (again->Options != reader->Options || again->ImageFiles.size() != reader->ImageFiles.size())
        std::abort();
    for (std::size_t i = 0; i < again->ImageFiles.size(); ++i)
        if (again->ImageFiles[i].Data != reader->ImageFiles[i].Data ||
            again->ImageFiles[i].Name != reader->ImageFiles[i].Name)
            std::abort();
    return 0;
}
