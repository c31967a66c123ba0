// The working buffer in which an operation builds a result: a static 512 bytes, or a zero-filled block for
// larger requests, freed when the request ends. One request is live at a time.
#pragma once

#include <cstddef>
#include <cstdint>

class ScratchBuffer {
 public:
  static constexpr std::size_t kStaticSize = 512;

  explicit ScratchBuffer(std::size_t bytes);  // error 7 when a larger block is refused
  ~ScratchBuffer();
  ScratchBuffer(const ScratchBuffer&) = delete;
  ScratchBuffer& operator=(const ScratchBuffer&) = delete;

  std::uint8_t* data() { return data_; }
  std::size_t size() const { return size_; }
  // Makes room for at least bytes, keeping the contents; error 7 when refused.
  void Grow(std::size_t bytes);

 private:
  std::uint8_t* data_;
  std::size_t size_;
};
