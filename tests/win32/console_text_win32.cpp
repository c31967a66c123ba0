// The console text converted through UTF-16 with the code page 932 tables of the system.
#include <windows.h>

#include "converter/console_text.h"

std::string ConsoleTextToUtf8(const std::string& cp932) {
  if (cp932.empty()) return {};
  const int size = static_cast<int>(cp932.size());
  const int wide_length = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, cp932.data(), size, nullptr, 0);
  if (wide_length == 0) return "(not cp932) " + cp932;
  std::wstring wide(static_cast<std::size_t>(wide_length), L'\0');
  MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, cp932.data(), size, wide.data(), wide_length);
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_length, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_length, utf8.data(), length, nullptr, nullptr);
  return utf8;
}
