// Fills a cp932 text pattern: each "%s", "%u" or "%d" takes the next value in turn. The pattern's other bytes,
// double-byte characters included, are copied as they are.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

std::string FillPattern(std::string_view pattern, std::initializer_list<std::string_view> values);
