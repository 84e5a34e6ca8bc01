// skintool: the skin author's command line.
#include <iostream>

#include "tools/skintool/SkinTool.h"

int main(int argc, char** argv)
{
    taramel::skintool::Arguments arguments(argv + 1, argv + argc);
    return taramel::skintool::RunSkinTool(arguments, std::cout, std::cerr);
}
