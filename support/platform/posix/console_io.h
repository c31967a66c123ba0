// What the terminal console and the transcript share: writing whole, the keys of standard input, the signals as
// window events, and the clock that spaces out the looks at the terminal.
#pragma once

#include <string_view>

#include "platform/posix/key_decoder.h"
#include "platform/posix/signal_flags.h"
#include "platform/posix/typed_text.h"
#include "platform/window.h"

namespace platform::posix {

// Writes every byte, retrying after interruptions. After a stop signal, a standard descriptor that does not take
// its bytes at once (a reader that stopped reading) is given up on for good.
void WriteAll(int descriptor, std::string_view bytes);

// The text after its leading CR and LF bytes.
std::string_view WithoutLeadingLineEnds(std::string_view text);

// Hang-up and terminate become a close, an interrupt the break key; true when the terminal changed its size.
// Every poll asks and nearly always no signal came, so that check is inline.
bool DeliverCaughtSignals(WindowEvents& events);
inline bool DeliverSignals(WindowEvents& events) { return signal_flags.any != 0 && DeliverCaughtSignals(events); }

// Keys reach the window's events as a Win32 window stores them: editing keys as control codes, text in cp932.
class KeyReader {
 public:
  // Hands over the keys standard input holds now, without waiting.
  void ReadAvailable(WindowEvents& events);
  // Sleeps until input, a signal or the end of the Escape wait, then hands over what came; true when the
  // terminal changed its size meanwhile.
  bool Wait(WindowEvents& events);

 private:
  void Read(WindowEvents& events);
  void Deliver(WindowEvents& events);

  KeyDecoder decoder_;
  TypedText text_;
  std::string keys_;
};

// True at most once every few milliseconds: the terminal is looked at only that often. The statement hook asks far
// more often than that, so the clock is read only at the first question and then at every 16th.
class LookTimer {
 public:
  bool Due() { return --questions_left_ == 0 && ReadClock(); }

 private:
  bool ReadClock();

  static constexpr unsigned kQuestionsPerReading = 16;
  Clock::time_point last_{};
  unsigned questions_left_ = 1;
};

}  // namespace platform::posix
