// A warning the converter prints on the console. While a note is open, what the console is given is copied; when
// it closes, its text goes to the batch run's listener, if there is one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class ConsoleNote {
 public:
  ConsoleNote();
  ~ConsoleNote();
  ConsoleNote(const ConsoleNote&) = delete;
  ConsoleNote& operator=(const ConsoleNote&) = delete;

 private:
  std::string text_;
};

// The console output hands over every byte the console is given.
void CopyToConsoleNote(const std::uint8_t* bytes, std::size_t length);
