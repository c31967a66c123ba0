// File names between the program's cp932 and the encoding of the locale, converted with iconv.
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <utility>

#include "platform/files.h"

namespace platform {
namespace {

// The codeset of the environment's LC_CTYPE, as setlocale(LC_CTYPE, "") chooses it; the program's own setting is
// put back. The C and POSIX locales get UTF-8, since their ASCII cannot name a Japanese file.
std::string LocalCodeset() {
  const std::string saved = setlocale(LC_CTYPE, nullptr);
  const char* chosen = setlocale(LC_CTYPE, "");
  std::string codeset = "UTF-8";
  if (chosen != nullptr && std::strcmp(chosen, "C") != 0 && std::strcmp(chosen, "POSIX") != 0) {
    codeset = nl_langinfo(CODESET);
  }
  setlocale(LC_CTYPE, saved.c_str());
  return codeset;
}

const std::string& Codeset() {
  static const std::string codeset = LocalCodeset();
  return codeset;
}

class Conversion {
 public:
  Conversion(const char* to, const char* from) : descriptor_(iconv_open(to, from)) {}
  Conversion(const Conversion&) = delete;
  Conversion& operator=(const Conversion&) = delete;

  // Whole and exact, or false: no byte is dropped or replaced, and a NUL would cut the name short. The text may
  // be a view of the result.
  bool Convert(std::string_view text, std::string& result) const {
    if (descriptor_ == kNoDescriptor || text.find('\0') != std::string_view::npos) return false;
    iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
    std::string converted(text.size() * 3 + 8, '\0');
    std::size_t used = 0;
    char* in = const_cast<char*>(text.data());
    std::size_t in_left = text.size();
    // The text, then a call without input that ends a stateful encoding's shift sequence.
    if (!Run(&in, &in_left, converted, used) || !Run(nullptr, nullptr, converted, used)) return false;
    converted.resize(used);
    if (converted.find('\0') != std::string::npos) return false;
    result = std::move(converted);
    return true;
  }

 private:
  static inline const iconv_t kNoDescriptor = reinterpret_cast<iconv_t>(-1);
  // Converts all the input, growing the result as needed; false for an invalid, incomplete or inexact conversion.
  bool Run(char** in, std::size_t* in_left, std::string& result, std::size_t& used) const {
    for (;;) {
      char* out = result.data() + used;
      std::size_t out_left = result.size() - used;
      const std::size_t converted = iconv(descriptor_, in, in_left, &out, &out_left);
      used = static_cast<std::size_t>(out - result.data());
      if (converted != static_cast<std::size_t>(-1) || errno != E2BIG) return converted == 0;
      result.resize(result.size() * 2);
    }
  }

  iconv_t descriptor_;
};

const Conversion& ToLocal() {
  static const Conversion to_local(Codeset().c_str(), "CP932");
  return to_local;
}

const Conversion& FromLocal() {
  static const Conversion from_local("CP932", Codeset().c_str());
  return from_local;
}

// Some characters convert one way only (a minus sign and a full-width hyphen-minus both become the same cp932
// character, which comes back as one of them): a name is taken only when it comes back byte for byte, so that it
// never reaches another file than the one it names.
bool RoundTrip(const Conversion& there, const Conversion& back, std::string_view text, std::string& result) {
  std::string converted;
  std::string returned;
  if (!there.Convert(text, converted) || !back.Convert(converted, returned) || returned != text) return false;
  result = std::move(converted);
  return true;
}

}  // namespace

bool PathToLocal(std::string_view path, std::string& local) { return RoundTrip(ToLocal(), FromLocal(), path, local); }

bool PathFromLocal(std::string_view local, std::string& path) { return RoundTrip(FromLocal(), ToLocal(), local, path); }

}  // namespace platform
