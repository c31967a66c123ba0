// The progress line of a batch run.
#include "app/progress_line.h"

#include <cstdio>

#include "platform/standard_error.h"

namespace {

// The host polls some hundred thousand times a second: the clock is read at every 1024th.
constexpr std::uint32_t kPollsPerLook = 1024;
constexpr std::chrono::milliseconds kRedrawInterval{200};
constexpr double kFirstMeasure = 0.1;  // seconds
// The line must fit a terminal of 80 columns, or rewriting it in place would leave its wrapped part behind.
constexpr std::size_t kLongestLine = 79;
constexpr std::string_view kEraseLine = "\r\x1b[K";

std::string TimeText(double seconds) {
  const auto whole = static_cast<unsigned long>(seconds + 0.5);
  char text[32];
  if (whole >= 3600) {
    std::snprintf(text, sizeof text, "%lu:%02lu:%02lu", whole / 3600, whole / 60 % 60, whole % 60);
  } else {
    std::snprintf(text, sizeof text, "%lu:%02lu", whole / 60, whole % 60);
  }
  return text;
}

// The name's end, which says most, when the whole line would not fit; never a part of a UTF-8 character.
std::string Shortened(const std::string& name, std::size_t room) {
  if (name.size() <= room || room < 4) return name.size() <= room ? name : std::string();
  std::size_t start = name.size() - (room - 3);
  while (start < name.size() && (static_cast<unsigned char>(name[start]) & 0xC0) == 0x80) ++start;
  return "..." + name.substr(start);
}

}  // namespace

ProgressLine::ProgressLine(std::size_t mailboxes) : mailboxes_(mailboxes) {}

void ProgressLine::Start(std::size_t index, std::string name) {
  index_ = index;
  name_ = std::move(name);
  // The line shows at the first look, so that even a short mailbox says what it is.
  started_ = Clock::now();
  next_look_ = started_;
}

void ProgressLine::Clear() {
  if (shown_.empty()) return;
  platform::WriteStandardError(kEraseLine);
  shown_.clear();
}

void ProgressLine::Look() {
  polls_left_ = kPollsPerLook;
  const Clock::time_point now = Clock::now();
  if (now < next_look_) return;
  next_look_ = now + kRedrawInterval;
  const ConversionProgress progress = CurrentConversion();
  if (!progress.reading) return;
  std::string text = Text(progress, now - started_);
  if (text == shown_) return;
  platform::WriteStandardError("\r" + text + "\x1b[K");
  shown_ = std::move(text);
}

std::string ProgressLine::Text(const ConversionProgress& progress, Clock::duration elapsed) const {
  const double seconds = std::chrono::duration<double>(elapsed).count();
  const std::uint64_t read = progress.mailbox.position;
  const std::uint64_t size = progress.mailbox.size;
  // The first moments say nothing yet about the speed.
  const double rate = seconds >= kFirstMeasure ? static_cast<double>(read) / seconds : 0;
  char speed[32] = "- MB/s";
  if (rate > 0) std::snprintf(speed, sizeof speed, "%.1f MB/s", rate / 1e6);
  const std::string left = rate > 0 && size >= read ? TimeText(static_cast<double>(size - read) / rate) : "-:--";
  char figures[96];
  std::snprintf(figures, sizeof figures, "%3u%%  %u mails  %s  %s left",
                static_cast<unsigned>(size == 0 ? 100 : read * 100 / size), progress.mails, speed, left.c_str());
  const std::string count =
      mailboxes_ > 1 ? " (" + std::to_string(index_ + 1) + "/" + std::to_string(mailboxes_) + ")" : std::string();
  const std::string fixed = "qelvorin: " + count + ": " + figures;
  const std::size_t room = fixed.size() < kLongestLine ? kLongestLine - fixed.size() : 0;
  return "qelvorin: " + Shortened(name_, room) + count + ": " + figures;
}
