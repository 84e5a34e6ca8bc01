// The packed skin file: every file of a skin, each compressed as one zlib
// stream, in one archive.
//
//   "ASzf"  N(int32)  then N entries:  L(int32) name[L]  S(int32) zlib-stream
//
// Integers are little-endian and signed; a stream inflates to exactly S
// bytes and the next entry starts right after its trailer. The entry named
// "Options.dat" (any case) is the options text; the others are images.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace taramel {

class TSkinFileSystem;

struct TacImageItem {
    std::string Name;   // as stored in the archive
    bool IsBitmap = false;  // the extension, upper-cased, is ".BMP"
    std::vector<std::uint8_t> Data;
};
using TacImageItems = std::vector<TacImageItem>;

class TacSkinConvertor {
public:
    // N - 1 as the archive claims it; lookups search only the entries that
    // were actually read (see ImageEntries).
    int ImageCount = 0;
    TacImageItems ImageFiles;  // archive order, every entry but the options
    std::vector<std::uint8_t> Options;
    bool HasOptions = false;   // an "Options.dat" entry was read
    std::string OptionsName;   // its name as stored (the case may differ)
    // The packed bytes being read: either OwnedPackedData or memory that the
    // caller keeps alive.
    std::span<const std::uint8_t> PackedData;
    std::vector<std::uint8_t> OwnedPackedData;
    // The packed file's name, for messages that must say which skin is
    // damaged; empty for bytes that came from elsewhere.
    std::string SourceName;

    // Releases every image's data, the options and the packed data.
    void Clear();
    // The image entries lookups may search: the first ImageCount of those
    // read, never more than were read, none for a negative count.
    std::span<const TacImageItem> ImageEntries() const;
    // The image entry whose upper-cased name equals the name exactly (the
    // name is not upper-cased here); null when none.
    const TacImageItem* FindImage(std::string_view upperName) const;
};

// Largest total of inflated bytes one archive may claim, as a multiple of the
// archive's own size plus a fixed allowance; claims beyond it are refused
// before anything is allocated. zlib cannot compress better than about 1032:1.
inline constexpr std::uint64_t kMaxInflateRatio = 1040;
inline constexpr std::uint64_t kInflateAllowance = 1u << 20;
// The largest entry that is inflated at all: many times the biggest picture
// a skin needs, refused before inflating so that a packed file made to
// inflate to gigabytes ends with a message instead of exhausting memory.
inline constexpr std::int32_t kMaxPackedEntryBytes = 64 << 20;

// Reads a packed skin file. A missing file leaves the reader as it was.
// Otherwise the reader is emptied (created when null), the file is read into
// OwnedPackedData and parsed, and the packed bytes are released when asked.
// On any error the reader is cleared and destroyed (set to null) and a
// taramel::Exception is thrown.
void LoadSkinFile(const std::string& fileName, std::unique_ptr<TacSkinConvertor>& reader,
                  bool releasePacked, TSkinFileSystem& fileSystem);
// Parses reader.PackedData (set by the caller). On error the reader is
// cleared and the exception is rethrown.
void ExtractPackedData(TacSkinConvertor& reader);
// Convenience: parses caller-owned bytes into a new reader.
std::unique_ptr<TacSkinConvertor> ReadPackedData(std::span<const std::uint8_t> bytes);

// The error texts.
inline constexpr const char* kNotPackedSkin = "Loaded data is not a packed skin file";
inline constexpr const char* kStreamReadError = "Stream read error";

// Writes a packed skin: used by the skin tool. Entries are written in the
// given order, each deflated at the given zlib level.
struct TPackEntry {
    std::string Name;
    std::vector<std::uint8_t> Data;
};
std::vector<std::uint8_t> WritePackedSkin(const std::vector<TPackEntry>& entries, int level = 9);

}  // namespace taramel
