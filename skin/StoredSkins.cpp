#include "skin/StoredSkins.h"

namespace taramel {

int TsStoredSkins::IndexOf(std::string_view name) const
{
    for (std::size_t i = 0; i < Items.size(); ++i)
        if (Items[i].Name == name)
            return static_cast<int>(i);
    return -1;
}

}  // namespace taramel
