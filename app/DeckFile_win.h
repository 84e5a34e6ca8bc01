// Reading the deck file.
#pragma once

#include <string>

namespace taramel {

// The deck file's name, looked up in the current working folder.
inline constexpr const wchar_t* kDeckFileName = L"test.txt";

// Reads the whole file, opened for reading with others allowed to read but
// not to write. Raises "Cannot open file "%s". %s" with the full path and the
// system's text for the error when it cannot be opened or read.
std::string ReadDeckFile(const std::wstring& name);

// The system's description of an error code, without the trailing blanks,
// line breaks and periods it usually ends with.
std::string SystemErrorText(unsigned long code);

}  // namespace taramel
