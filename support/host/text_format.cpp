// Fills a cp932 text pattern without the C library's formatting, which would read the pattern in the locale's
// encoding.
#include "host/text_format.h"

std::string FillPattern(std::string_view pattern, std::initializer_list<std::string_view> values) {
  std::string text;
  auto value = values.begin();
  for (std::size_t index = 0; index < pattern.size(); ++index) {
    const bool placeholder = pattern[index] == '%' && index + 1 < pattern.size() &&
                             std::string_view("sud").find(pattern[index + 1]) != std::string_view::npos;
    if (!placeholder) {
      text.push_back(pattern[index]);
      continue;
    }
    if (value != values.end()) text += *value++;
    ++index;
  }
  return text;
}
