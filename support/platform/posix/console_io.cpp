// What the terminal console and the transcript share.
#include "platform/posix/console_io.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/posix/signal_flags.h"

namespace platform::posix {

namespace {

constexpr std::chrono::milliseconds kLookInterval{5};
constexpr std::uint8_t kBreakKey = 3;

// Once a stop has arrived, a reader that does not take a small piece within a fifth of a second is given up on,
// so that the run ends in order within a second even when nobody reads its output.
constexpr int kPatienceAfterStop = 200;  // milliseconds
constexpr std::size_t kPieceAfterStop = 256;
bool given_up[3] = {false, false, false};

bool GivenUp(int descriptor) { return descriptor >= 0 && descriptor < 3 && given_up[descriptor]; }

void GiveUp(int descriptor) {
  if (descriptor >= 0 && descriptor < 3) given_up[descriptor] = true;
}

bool ReadyAfterStop(int descriptor) {
  pollfd watched{descriptor, POLLOUT, 0};
  return poll(&watched, 1, kPatienceAfterStop) > 0 && (watched.revents & POLLOUT) != 0;
}

}  // namespace

void WriteAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty() && !GivenUp(descriptor)) {
    std::size_t piece = bytes.size();
    if (StopRequested()) {
      if (!ReadyAfterStop(descriptor)) return GiveUp(descriptor);
      piece = std::min(piece, kPieceAfterStop);
    }
    const ssize_t written = write(descriptor, bytes.data(), piece);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

std::string_view WithoutLeadingLineEnds(std::string_view text) {
  const std::size_t start = text.find_first_not_of("\r\n");
  return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

bool DeliverCaughtSignals(WindowEvents& events) {
  if (!Take(signal_flags.any)) return false;
  DrainWakePipe();
  if (Take(signal_flags.hang_up)) events.CloseRequested(CloseCause::HangUp);
  if (Take(signal_flags.terminate)) events.CloseRequested(CloseCause::Terminate);
  if (Take(signal_flags.interrupt)) events.KeyTyped(kBreakKey);
  return Take(signal_flags.resized);
}

void KeyReader::Read(WindowEvents& events) {
  std::uint8_t bytes[256];
  const ssize_t length = read(STDIN_FILENO, bytes, sizeof bytes);
  // The terminal is gone: as good as a hang-up.
  if (length == 0 || (length < 0 && errno != EINTR && errno != EAGAIN)) events.CloseRequested(CloseCause::HangUp);
  if (length > 0) decoder_.Feed(bytes, static_cast<std::size_t>(length), Clock::now(), keys_);
}

void KeyReader::Deliver(WindowEvents& events) {
  decoder_.Expire(Clock::now(), keys_);
  text_.Convert(keys_);
  for (const char key : keys_) events.KeyTyped(static_cast<std::uint8_t>(key));
  keys_.clear();
}

void KeyReader::ReadAvailable(WindowEvents& events) {
  pollfd input{STDIN_FILENO, POLLIN, 0};
  if (poll(&input, 1, 0) > 0) Read(events);
  Deliver(events);
}

// A signal that came before the sleep is answered without sleeping: its wake-up byte is already drained, and a
// resize must be drawn at once, not after the next key. One that comes later wakes the poll.
bool KeyReader::Wait(WindowEvents& events) {
  if (signal_flags.any != 0) return DeliverCaughtSignals(events);
  const auto remaining = decoder_.Remaining(Clock::now());
  pollfd watched[2] = {{STDIN_FILENO, POLLIN, 0}, {WakeDescriptor(), POLLIN, 0}};
  const int timeout = remaining ? static_cast<int>(remaining->count()) : -1;
  if (poll(watched, WakeDescriptor() >= 0 ? 2 : 1, timeout) > 0 && watched[0].revents != 0) Read(events);
  Deliver(events);
  return DeliverSignals(events);
}

bool LookTimer::ReadClock() {
  questions_left_ = kQuestionsPerReading;
  const Clock::time_point now = Clock::now();
  if (now - last_ < kLookInterval) return false;
  last_ = now;
  return true;
}

}  // namespace platform::posix
