// cp932 cells and texts in the terminal's encoding.
#include "platform/posix/display_text.h"

#include <langinfo.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "texts/shift_jis.h"

namespace platform::posix {

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

bool PlainLocale() {
  const char* name = std::setlocale(LC_CTYPE, nullptr);
  return name == nullptr || std::strcmp(name, "C") == 0 || std::strcmp(name, "POSIX") == 0;
}

bool Printable(std::uint8_t byte) { return byte >= 0x20 && byte != 0x7F; }

}  // namespace

DisplayEncoder::DisplayEncoder() {
  const bool plain = PlainLocale();
  converter_ = iconv_open(plain ? "UTF-8" : nl_langinfo(CODESET), "CP932");
  if (converter_ == kNoConverter) converter_ = iconv_open("UTF-8", "CP932");
  measurable_ = !plain && MB_CUR_MAX > 1;
}

DisplayEncoder::~DisplayEncoder() {
  if (converter_ != kNoConverter) iconv_close(converter_);
}

// Terminal columns of one converted character, as the locale sees it; -1 when it cannot tell.
int DisplayEncoder::Columns(std::string_view converted) const {
  if (!measurable_) return -1;
  std::mbstate_t state{};
  wchar_t character = 0;
  const std::size_t used = std::mbrtowc(&character, converted.data(), converted.size(), &state);
  if (used != converted.size()) return 0;
  return wcwidth(character);
}

void DisplayEncoder::AppendCharacter(std::string& out, const std::uint8_t* bytes, std::size_t length,
                                     Layout layout) {
  const auto columns = static_cast<int>(length);
  if (length == 1 && bytes[0] < 0x80) {
    out.push_back(Printable(bytes[0]) ? static_cast<char>(bytes[0]) : '?');
    return;
  }
  char converted[16];
  char* input = const_cast<char*>(reinterpret_cast<const char*>(bytes));
  std::size_t input_left = length;
  char* output = converted;
  std::size_t output_left = sizeof converted;
  const bool failed = converter_ == kNoConverter ||
                      iconv(converter_, &input, &input_left, &output, &output_left) == static_cast<std::size_t>(-1);
  if (failed) {
    if (converter_ != kNoConverter) iconv(converter_, nullptr, nullptr, nullptr, nullptr);
    out.append(static_cast<std::size_t>(columns), '?');
    return;
  }
  const std::string_view text(converted, sizeof converted - output_left);
  if (layout == Layout::Line) {
    out += text;
    return;
  }
  const int shown = Columns(text);
  if (shown < 0) {
    out += text;  // trusted to fill its cells
  } else if (shown == 0 || shown > columns) {
    out.append(static_cast<std::size_t>(columns), '?');
  } else {
    out += text;
    out.append(static_cast<std::size_t>(columns - shown), ' ');
  }
}

void DisplayEncoder::AppendCells(std::string& out, std::span<const Cell> row, std::size_t first, std::size_t end,
                                 Layout layout) {
  for (std::size_t index = first; index < end;) {
    const Cell& cell = row[index];
    if (cell.role == ByteRole::Lead && index + 1 < end && row[index + 1].role == ByteRole::Trail) {
      const std::uint8_t pair[2] = {cell.character, row[index + 1].character};
      AppendCharacter(out, pair, 2, layout);
      index += 2;
    } else if (cell.role == ByteRole::Single) {
      AppendCharacter(out, &cell.character, 1, layout);
      ++index;
    } else {
      out.push_back(' ');
      ++index;
    }
  }
}

std::string DisplayEncoder::Text(std::string_view cp932) {
  std::string out;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(cp932.data());
  for (std::size_t index = 0; index < cp932.size();) {
    if (bytes[index] == '\r' || bytes[index] == '\n') {
      if (bytes[index] == '\n' || index + 1 == cp932.size() || bytes[index + 1] != '\n') out.push_back('\n');
      ++index;
      continue;
    }
    const std::size_t next = NextCharacter(bytes, cp932.size(), index);
    AppendCharacter(out, bytes + index, next - index, Layout::Line);
    index = next;
  }
  return out;
}

}  // namespace platform::posix
