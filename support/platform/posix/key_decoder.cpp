// Terminal input bytes to keys.
#include "platform/posix/key_decoder.h"

namespace platform::posix {

namespace {

constexpr std::uint8_t kEscape = 0x1B;
// The cursor keys as control codes; other cursor, editing and function keys all give key 0, which is enough for a
// program that only asks whether a key was pressed.
constexpr char kCursorUp = 0x1E;
constexpr char kCursorDown = 0x1F;
constexpr char kCursorRight = 0x1C;
constexpr char kCursorLeft = 0x1D;
constexpr char kOtherKey = 0;

}  // namespace

void KeyDecoder::Ground(std::uint8_t byte, std::string& keys) {
  if (byte == kEscape) {
    state_ = State::Escape;
    return;
  }
  keys.push_back(static_cast<char>(byte));
}

void KeyDecoder::Finish(char final_byte, std::string& keys) {
  state_ = State::Ground;
  switch (final_byte) {
    case 'A': keys.push_back(kCursorUp); break;
    case 'B': keys.push_back(kCursorDown); break;
    case 'C': keys.push_back(kCursorRight); break;
    case 'D': keys.push_back(kCursorLeft); break;
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
        } else if (byte < 0x20) {
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
