// What a batch run tells beside its console: the program above the host listens and writes it on standard error.
// Texts are cp932, as the console shows them.
#pragma once

#include <string_view>

class RunListener {
 public:
  // At every poll of the host, between statements.
  virtual void Polled() = 0;
  // A warning the converter printed on the console (see ConsoleNote).
  virtual void Noted(std::string_view text) = 0;
  // The report of a run-time error that no trap caught, as the console shows it: its report line after a line end,
  // then the library's message if any.
  virtual void ErrorReported(std::string_view report) = 0;
  // The break key interrupts the run: the notice without its key prompt.
  virtual void Interrupted(std::string_view notice) = 0;

 protected:
  ~RunListener() = default;
};
