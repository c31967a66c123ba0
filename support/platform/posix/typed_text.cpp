// Typed characters from the terminal's encoding to cp932.
#include "platform/posix/typed_text.h"

#include <langinfo.h>

#include <cerrno>
#include <clocale>
#include <cstring>

namespace platform::posix {

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);
// No character of any terminal encoding is longer; more pending bytes mean the input is broken.
constexpr std::size_t kLongestCharacter = 8;

// The terminal's codeset as the display uses it: UTF-8 under the C and POSIX locales.
const char* TerminalCodeset() {
  const char* name = std::setlocale(LC_CTYPE, nullptr);
  const bool plain = name == nullptr || std::strcmp(name, "C") == 0 || std::strcmp(name, "POSIX") == 0;
  return plain ? "UTF-8" : nl_langinfo(CODESET);
}

}  // namespace

TypedText::TypedText() : converter_(iconv_open("CP932", TerminalCodeset())) {}

TypedText::~TypedText() {
  if (converter_ != kNoConverter) iconv_close(converter_);
}

// Converts the pending bytes once they make a character; an invalid start byte is dropped and the rest tried again.
void TypedText::Flush(std::string& converted) {
  while (!pending_.empty()) {
    if (converter_ == kNoConverter) {
      pending_.clear();
      return;
    }
    iconv(converter_, nullptr, nullptr, nullptr, nullptr);
    char out[16];
    char* output = out;
    std::size_t output_left = sizeof out;
    char* input = pending_.data();
    std::size_t input_left = pending_.size();
    const std::size_t result = iconv(converter_, &input, &input_left, &output, &output_left);
    const bool incomplete = result == static_cast<std::size_t>(-1) && errno == EINVAL;
    converted.append(out, static_cast<std::size_t>(output - out));
    pending_.erase(0, pending_.size() - input_left);
    if (pending_.empty()) return;
    if (incomplete && pending_.size() < kLongestCharacter) return;
    pending_.erase(0, 1);
  }
}

void TypedText::Convert(std::string& keys) {
  std::string converted;
  for (const char key : keys) {
    if (static_cast<unsigned char>(key) < 0x80) {
      pending_.clear();  // a character cut short by another key is gone
      converted.push_back(key);
      continue;
    }
    pending_.push_back(key);
    Flush(converted);
  }
  keys = std::move(converted);
}

}  // namespace platform::posix
