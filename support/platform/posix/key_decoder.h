// Terminal input bytes to keys: cursor and editing keys arrive as escape sequences and become one key each, with
// the codes of platform/keys.h; an Escape byte that nothing follows within a short wait is the Escape key.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace platform::posix {

using Clock = std::chrono::steady_clock;

inline constexpr std::chrono::milliseconds kEscapeWait{50};

class KeyDecoder {
 public:
  // The keys finished by these bytes are appended to keys.
  void Feed(const std::uint8_t* bytes, std::size_t length, Clock::time_point now, std::string& keys);
  // An unfinished sequence older than the wait gives its Escape as a key (a broken sequence is dropped).
  void Expire(Clock::time_point now, std::string& keys);
  // How long until Expire has something to do.
  std::optional<std::chrono::milliseconds> Remaining(Clock::time_point now) const;

 private:
  enum class State : std::uint8_t { Ground, Escape, ControlSequence, SingleShift };

  void Ground(std::uint8_t byte, std::string& keys);
  void Parameter(std::uint8_t byte);
  void Finish(char final_byte, std::string& keys);

  State state_ = State::Ground;
  Clock::time_point escape_time_{};
  // The first number of a control sequence, which tells Home, End, Delete and the page keys apart.
  int parameter_ = 0;
  bool parameter_done_ = false;
};

}  // namespace platform::posix
