// Terminal input bytes to keys.
#include "platform/posix/key_decoder.h"

#include "platform/keys.h"

namespace platform::posix {

namespace {

constexpr std::uint8_t kEscape = 0x1B;
// The Backspace key of a terminal sends DEL; the Delete key sends a sequence and becomes the Delete code.
constexpr std::uint8_t kBackspaceByte = 0x7F;
// Function keys and the keys nothing reads give key 0: enough for a prompt that waits for any key.
constexpr char kOtherKey = 0;

char Code(std::uint8_t code) { return static_cast<char>(code); }

// The keys of "ESC [ n ~" sequences by n.
char NumberedKey(int number) {
  switch (number) {
    case 1:
    case 7: return Code(key::kHome);
    case 2: return Code(key::kInsert);
    case 3: return Code(key::kDelete);
    case 4:
    case 8: return Code(key::kEnd);
    case 5: return Code(key::kPageUp);
    case 6: return Code(key::kPageDown);
    default: return kOtherKey;
  }
}

}  // namespace

void KeyDecoder::Ground(std::uint8_t byte, std::string& keys) {
  if (byte == kEscape) {
    state_ = State::Escape;
    return;
  }
  keys.push_back(byte == kBackspaceByte ? Code(key::kBackspace) : static_cast<char>(byte));
}

// Modifiers after a ";" do not change the key.
void KeyDecoder::Parameter(std::uint8_t byte) {
  if (byte == ';') parameter_done_ = true;
  if (byte >= '0' && byte <= '9' && !parameter_done_ && parameter_ < 1000) parameter_ = parameter_ * 10 + (byte - '0');
}

void KeyDecoder::Finish(char final_byte, std::string& keys) {
  state_ = State::Ground;
  switch (final_byte) {
    case 'A': keys.push_back(Code(key::kUp)); break;
    case 'B': keys.push_back(Code(key::kDown)); break;
    case 'C': keys.push_back(Code(key::kRight)); break;
    case 'D': keys.push_back(Code(key::kLeft)); break;
    case 'H': keys.push_back(Code(key::kHome)); break;
    case 'F': keys.push_back(Code(key::kEnd)); break;
    case '~': keys.push_back(NumberedKey(parameter_)); break;
    default: keys.push_back(kOtherKey); break;
  }
}

void KeyDecoder::Feed(const std::uint8_t* bytes, std::size_t length, Clock::time_point now, std::string& keys) {
  for (std::size_t index = 0; index < length; ++index) {
    const std::uint8_t byte = bytes[index];
    switch (state_) {
      case State::Ground:
        Ground(byte, keys);
        if (state_ == State::Escape) escape_time_ = now;
        break;
      case State::Escape:
        if (byte == '[') {
          state_ = State::ControlSequence;
          parameter_ = 0;
          parameter_done_ = false;
        } else if (byte == 'O') {
          state_ = State::SingleShift;
        } else {
          // Escape followed by an ordinary key (Alt held): both keys.
          keys.push_back(static_cast<char>(kEscape));
          state_ = State::Ground;
          Ground(byte, keys);
          if (state_ == State::Escape) escape_time_ = now;
        }
        break;
      case State::ControlSequence:
        if (byte >= 0x40 && byte <= 0x7E) {
          Finish(static_cast<char>(byte), keys);
        } else if (byte >= 0x20) {
          Parameter(byte);
        } else {
          state_ = State::Ground;  // broken sequence: dropped, the byte is a key of its own
          Ground(byte, keys);
          if (state_ == State::Escape) escape_time_ = now;
        }
        break;
      case State::SingleShift:
        Finish(static_cast<char>(byte), keys);
        break;
    }
  }
}

void KeyDecoder::Expire(Clock::time_point now, std::string& keys) {
  if (state_ == State::Ground || now - escape_time_ < kEscapeWait) return;
  if (state_ == State::Escape) keys.push_back(static_cast<char>(kEscape));
  state_ = State::Ground;
}

std::optional<std::chrono::milliseconds> KeyDecoder::Remaining(Clock::time_point now) const {
  if (state_ == State::Ground) return std::nullopt;
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(kEscapeWait - (now - escape_time_));
  return left.count() > 0 ? left : std::chrono::milliseconds(0);
}

}  // namespace platform::posix
