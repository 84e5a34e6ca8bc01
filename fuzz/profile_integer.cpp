// Feeds arbitrary text to the settings file's integer rule: it must never
// crash, and a value it accepts must read back the same when written.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/SettingsValues.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const int a = taramel::ParseProfileInteger(text, 12345);
    const int b = taramel::ParseProfileInteger(text, -777);
    if (a != b)
        return 0;  // the default came back: the text is not a number
    if (taramel::ParseProfileInteger(taramel::FormatProfileInteger(a), 0) != a)
        std::abort();
    return 0;
}
