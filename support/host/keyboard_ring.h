// The keyboard buffer of a window: a ring of 256 key bytes that holds at most 255 keys.
#pragma once

#include <array>
#include <cstdint>

class KeyboardRing {
 public:
  // False when the ring is full and the key was dropped.
  bool Store(std::uint8_t key) {
    const auto next = static_cast<std::uint8_t>(write_ + 1);
    if (next == read_) return false;
    keys_[write_] = key;
    write_ = next;
    return true;
  }
  bool HasKey() const { return read_ != write_; }
  // The oldest key; only when HasKey.
  std::uint8_t Take() { return keys_[read_++]; }
  void Clear() { read_ = write_; }

 private:
  std::array<std::uint8_t, 256> keys_{};
  std::uint8_t read_ = 0;
  std::uint8_t write_ = 0;
};
