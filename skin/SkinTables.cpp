#include "skin/SkinTables.h"

namespace taramel {

void TSkinTables::Clear()
{
    Sections.clear();
    Images.clear();
    Patterns.clear();
    MasterBitmap.reset();
}

}  // namespace taramel
