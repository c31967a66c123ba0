// The buffer in which a printed item is formatted: fixed storage for the common item, a memory block beyond it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

class WorkBuffer {
 public:
  // Error 89 when a block of the capacity cannot be obtained.
  WorkBuffer(std::span<std::uint8_t> fixed, std::size_t capacity);
  ~WorkBuffer();
  WorkBuffer(const WorkBuffer&) = delete;
  WorkBuffer& operator=(const WorkBuffer&) = delete;

  // Each grows the buffer when needed (error 89 when refused).
  void Append(const std::uint8_t* bytes, std::size_t length) {
    if (size_ + length > capacity_) Reserve(2 * (size_ + length));
    if (length > 0) std::memcpy(data_ + size_, bytes, length);
    size_ += length;
  }
  void Append(std::uint8_t byte) { Append(&byte, 1); }
  void AppendBlanks(std::size_t count) {
    if (size_ + count > capacity_) Reserve(2 * (size_ + count));
    std::memset(data_ + size_, ' ', count);
    size_ += count;
  }
  void AppendLineEnd() {
    static constexpr std::uint8_t kLineEnd[2] = {13, 10};
    Append(kLineEnd, 2);
  }
  void Clear() { size_ = 0; }

  const std::uint8_t* data() const { return data_; }
  std::size_t size() const { return size_; }

 private:
  void Reserve(std::size_t capacity);

  std::uint8_t* data_;
  std::size_t size_ = 0;
  std::size_t capacity_;
  bool owned_ = false;
};
