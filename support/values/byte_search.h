// Finding one text in another bytewise: the first byte is sought with memchr, which passes over long stretches
// quickly, and the rest is compared only where it is found.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

// The offset of the first t in s at or after from, or npos; t is not empty.
inline std::size_t FindFrom(std::string_view s, std::string_view t, std::size_t from) {
  const char* const end = s.data() + s.size();
  for (const char* at = s.data() + from; static_cast<std::size_t>(end - at) >= t.size(); ++at) {
    at = static_cast<const char*>(std::memchr(at, t[0], static_cast<std::size_t>(end - at) - t.size() + 1));
    if (at == nullptr) break;
    if (t.size() == 1 || std::memcmp(at + 1, t.data() + 1, t.size() - 1) == 0) {
      return static_cast<std::size_t>(at - s.data());
    }
  }
  return std::string_view::npos;
}
