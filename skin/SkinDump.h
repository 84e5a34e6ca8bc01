// A plain-text account of how the engine read a skin: the skin-wide values,
// every section with every field after inheritance, the images with their
// rectangles and borders, the patterns and the cached indexes. For skin
// authors (the skin tool's "dump") and for tests that compare a whole load.
#pragma once

#include <ostream>

#include "skin/SkinTables.h"

namespace taramel {

void DumpSkin(const TSkinTables& tables, std::ostream& out);

}  // namespace taramel
