// Typed characters from the terminal's encoding to cp932, so that the keyboard ring holds the bytes a Win32
// window would store: a character arrives whole, as one byte or as a lead and a trail byte.
#pragma once

#include <iconv.h>

#include <string>

namespace platform::posix {

class TypedText {
 public:
  TypedText();
  ~TypedText();
  TypedText(const TypedText&) = delete;
  TypedText& operator=(const TypedText&) = delete;

  // Rewrites decoded keys in place. Keys below 0x80 pass unchanged; the bytes of a character may be split over
  // calls; a character that has no cp932 form is dropped.
  void Convert(std::string& keys);

 private:
  void Flush(std::string& converted);

  iconv_t converter_;
  std::string pending_;  // the bytes of a character not yet complete
};

}  // namespace platform::posix
