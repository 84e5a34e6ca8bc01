#include "app/CardGenerator.h"

namespace taramel {

std::uint32_t TCardGenerator::Random(std::uint32_t m)
{
    GeneratorSeed = GeneratorSeed * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(m) * GeneratorSeed) >> 32);
}

}  // namespace taramel
