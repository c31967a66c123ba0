// The console text converted with iconv.
#include <iconv.h>

#include "converter/console_text.h"

std::string ConsoleTextToUtf8(const std::string& cp932) {
  iconv_t conversion = iconv_open("UTF-8", "CP932");
  std::string in = cp932;
  std::string out(in.size() * 3 + 1, '\0');
  char* in_bytes = in.data();
  char* out_bytes = out.data();
  std::size_t in_left = in.size();
  std::size_t out_left = out.size();
  const std::size_t converted = iconv(conversion, &in_bytes, &in_left, &out_bytes, &out_left);
  iconv_close(conversion);
  if (converted == static_cast<std::size_t>(-1)) return "(not cp932) " + cp932;
  out.resize(out.size() - out_left);
  return out;
}
