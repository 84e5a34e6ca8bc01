// What a student reads first when Windows refuses the program something it
// cannot go on without (a window, a timer, a picture's memory): the error's
// own text follows it in the report as the detail line.
#pragma once

namespace taramel {

inline constexpr const char* kOutOfResourcesAdvice =
    "Windows не хватило ресурсов, чтобы выполнить действие программы. Закройте ненужные окна и другие "
    "программы и попробуйте ещё раз; если это не помогает, перезапустите компьютер.";

}  // namespace taramel
