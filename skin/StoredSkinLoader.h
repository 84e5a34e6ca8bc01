// Filling the skin tables from a skin stored in the manager without packed
// bytes: its sections, images, patterns and master bitmap come from its own
// collections. On any error the tables are left empty.
#pragma once

#include "skin/SkinTables.h"
#include "skin/SkinLoader.h"
#include "skin/StoredSkins.h"

namespace taramel {

void LoadStoredSkin(const TsStoredSkin& skin, const TSkinLoadSettings& settings, TSkinTables& tables);

}  // namespace taramel
