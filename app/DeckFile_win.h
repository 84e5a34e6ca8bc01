// Reading the deck file.
#pragma once

#include <string>

namespace taramel {

// The deck file's name, looked up in the current working folder.
inline constexpr const wchar_t* kDeckFileName = L"test.txt";

// The largest deck file that is read: thousands of times any real course,
// and small enough that its lines always fit in the program's memory.
inline constexpr unsigned long long kMaxDeckFileBytes = 8ull << 20;

// Reads the whole file, opened for reading with others allowed to read but
// not to write. Raises "Cannot open file "%s". %s" with the full path and the
// system's text for the error when it cannot be opened or read, and refuses a
// file over kMaxDeckFileBytes before reading any of it.
std::string ReadDeckFile(const std::wstring& name);

// The message for a deck file over the limit.
std::string DeckTooLargeText(const std::string& fullPath);

// The system's description of an error code, without the trailing blanks,
// line breaks and periods it usually ends with.
std::string SystemErrorText(unsigned long code);

}  // namespace taramel
