// Reading a skin's options text and files into the skin tables: images, then
// patterns, then sections with the skin-wide values, then the cached indexes.
// On any error the tables are left empty (never a half-loaded skin) and the
// error travels on to the caller.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "render/Bitmap.h"
#include "skin/SkinTables.h"

namespace taramel {

// One image entry of a packed skin (the bytes stay owned by the reader).
struct TSkinEntry {
    std::string Name;
    const std::uint8_t* Data = nullptr;
    std::size_t Size = 0;
};

class TSkinFileSystem;
class TacSkinConvertor;
using TImageDecoder = std::function<void(const std::uint8_t* data, std::size_t size, TBitmap& target)>;

// Where the skin comes from.
struct TSkinSource {
    std::string_view OptionsText;
    bool Packed = false;
    std::vector<TSkinEntry> Entries;  // the packed skin's image entries
    std::string SkinPath;             // folder of separate files, ends with "\"
    // Separate files are read through this; null: the current skin file system.
    TSkinFileSystem* Files = nullptr;
};

// The source of a packed skin whose reader holds the options and the images
// (the reader must outlive the source).
TSkinSource PackedSkinSource(const TacSkinConvertor& reader, std::string skinPath);

// What became of one file or master-bitmap rectangle that the options text
// names (for the skin tool's lint; loading itself stays silent about them).
struct TSkinFileNote {
    enum TKind { Read, Missing, Unreadable, OutsideMaster };
    TKind Kind = Read;
    std::string Section, Key;  // where the declaration stands
    std::string File;          // the file name as looked up (empty for OutsideMaster)
    TRect Rect;               // OutsideMaster: the rectangle asked for
};

struct TSkinLoadSettings {
    std::string CommonSections;  // the manager's extra sections (blanks already removed)
    int HueOffset = 0;
    int Saturation = 0;
    TsSkinManager* Manager = nullptr;
    // Called with "VERSION" once the skin-wide values are read.
    std::function<void(double version)> VersionCheck;
    // Told about every named file and every rectangle that does not fit
    // the master bitmap; may be empty.
    std::function<void(const TSkinFileNote& note)> FileNotes;
    // Picture readers; empty ones use the engine's own.
    TImageDecoder DecodeBmp, DecodePng, DecodeJpeg;
    // A picture that cannot be decoded raises its reader's error with the
    // file added ("Not a BMP file («C:\Skins\X\MASTER.BMP»)"), for reports
    // that a user reads; tools keep the reader's text alone.
    bool NameFilesInErrors = false;
};

// JPEG pictures of at least this many pixels become patterns, smaller ones textures.
inline constexpr std::int64_t kPatternMinPixels = 90000;

void LoadSkin(const TSkinSource& source, const TSkinLoadSettings& settings, TSkinTables& tables);

}  // namespace taramel
