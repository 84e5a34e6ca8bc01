// dump SKIN: how the engine reads a skin, as plain text.
#include "skin/SkinDump.h"
#include "tools/skintool/OpenSkin.h"
#include "tools/skintool/SkinTool.h"

namespace taramel::skintool {

void DumpCommand(const Arguments& arguments, std::ostream& out)
{
    const auto skin = OpenSkin(arguments[0]);
    TSkinTables tables;
    LoadOpenSkin(*skin, tables);
    DumpSkin(tables, out);
}

}  // namespace taramel::skintool
