// A skin named on the command line, opened the way the engine reads it: a
// packed file (.asz) or a skin folder with its "Options.dat".
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "skin/SkinFiles.h"
#include "skin/SkinLoader.h"
#include "skin/PackedSkin.h"

namespace taramel::skintool {

struct TOpenSkin {
    TNativeFileSystem files;
    std::unique_ptr<TacSkinConvertor> reader;  // packed skins only
    std::vector<std::uint8_t> options;         // folder skins only
    TSkinSource source;                        // points into the members above
    std::vector<std::string> fileNames;        // every file but the options text

    TOpenSkin() = default;
    TOpenSkin(const TOpenSkin&) = delete;
    TOpenSkin& operator=(const TOpenSkin&) = delete;
};

// Throws taramel::Exception when the path is neither.
std::unique_ptr<TOpenSkin> OpenSkin(const std::string& path);

// The skin's tables; load errors travel on.
void LoadOpenSkin(const TOpenSkin& skin, TSkinTables& tables, const TSkinLoadSettings& settings = {});

}  // namespace taramel::skintool
