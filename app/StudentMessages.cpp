#include "app/StudentMessages.h"

namespace taramel {

namespace {
std::string Quoted(std::string_view path)
{
    return "«" + std::string(path) + "»";
}
}  // namespace

std::string DeckOpenAdvice(std::string_view path)
{
    return "Не удалось открыть файл с карточками " + Quoted(path) +
           ". Проверьте, что файл test.txt лежит в папке программы и не открыт для записи в другой программе.";
}

std::string DeckTooLargeAdvice(std::string_view path)
{
    return "Файл с карточками " + Quoted(path) +
           " больше 8 МБ, а программа читает только файлы до 8 МБ. Разделите карточки на несколько файлов "
           "поменьше.";
}

std::string SettingsWriteAdvice(std::string_view path)
{
    return "Не удалось сохранить настройки в файл " + Quoted(path) +
           ". Возможно, в папку программы нельзя записывать: скопируйте программу в папку, где можно сохранять "
           "файлы, например в «Документы».";
}

std::string SkinDamagedAdvice(std::string_view path)
{
    return "Оформление программы " + Quoted(path) +
           " повреждено или не читается. Программа продолжает работу в обычном виде Windows; чтобы вернуть "
           "оформление, установите программу заново.";
}

std::string NoSuchCardAdvice()
{
    return "Эту карточку показать нельзя: в колоде (файл test.txt) нет такой строки.";
}

}  // namespace taramel
