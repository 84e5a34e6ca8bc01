// Where a skin comes from: a packed file "<name>.asz", a folder "<name>" with
// "Options.dat", or a skin stored in the manager; and the list of skins that a
// folder offers.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace taramel {

class TSkinFileSystem;
class TsStoredSkins;
class TacSkinConvertor;

// The folder D as a prefix for a file name: "\" appended unless D ends with
// one, a final "/" replaced by "\", a lone drive letter given ":\" (a lone
// separator stays the root). Empty stays empty.
std::string NormalDir(const std::string& dir);

// The folder that D names, relative names taken from the executable's folder
// (which ends with "\"). No separator is added or removed at the end.
// "..\X" above a drive's root folder stays at the root.
std::string Resolved(const std::string& dir, const std::string& exeFolder);

enum class TSkinPlaceKind { Missing, Packed, Folder, Stored };

struct TSkinPlace {
    TSkinPlaceKind Kind = TSkinPlaceKind::Missing;
    std::string PackedFile;   // Packed: the file to read
    std::string OptionsFile;  // Folder: the options text
    std::string SkinPath;     // folder of separate image files, ends with "\"; empty for stored
    int StoredIndex = -1;     // Stored: which stored skin
    std::string SkinName;     // the name in effect (a stored skin may replace it)
};

// Chooses the place of skin `name` for folder `dir`: the packed file first,
// then the folder, then the stored skins (the one named so, else the first).
TSkinPlace ChooseSkinPlace(const std::string& dir, const std::string& name,
                           const TsStoredSkins& stored, TSkinFileSystem& fileSystem);

// The packed reader for a Packed place (the file read, its bytes released)
// or a Stored place whose skin holds packed bytes (read in place: the stored
// skin must outlive the reader); null otherwise. Errors propagate.
std::unique_ptr<TacSkinConvertor> OpenPackedSkin(const TSkinPlace& place, const TsStoredSkins& stored,
                                                 TSkinFileSystem& fileSystem);

enum class TSkinListMode { Folders = 0, Packed = 1, Both = 2 };

struct TSkinList {
    std::vector<std::string> Names;  // sorted without regard to case
    std::string First;               // the first one found, not the first sorted
};

TSkinList ListSkins(const std::string& dir, TSkinListMode mode, const TsStoredSkins& stored,
                    TSkinFileSystem& fileSystem);

}  // namespace taramel
