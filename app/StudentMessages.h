// What the program's reports say to the student, in Russian: what happened
// and what to do, naming the file. The error's own text follows each in the
// report as its detail (Exception's advice).
#pragma once

#include <string>
#include <string_view>

namespace taramel {

std::string DeckOpenAdvice(std::string_view path);
std::string DeckTooLargeAdvice(std::string_view path);
std::string SettingsWriteAdvice(std::string_view path);
// A card step asked the deck for a line it does not have.
std::string NoSuchCardAdvice();
// The skin (a packed file or a folder) could not be read.
std::string SkinDamagedAdvice(std::string_view path);

}  // namespace taramel
