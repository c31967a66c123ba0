// The lines of a batch run on standard error.
#include "app/batch_report.h"

#include "converter/converter.h"
#include "platform/standard_error.h"

namespace {

std::string MailCount(std::uint32_t mails) { return std::to_string(mails) + (mails == 1 ? " mail" : " mails"); }

// The console's lines of a report or notice, joined into one line.
std::string OneLine(std::string_view cp932) {
  std::string line;
  for (const char byte : cp932) {
    if (byte != '\r' && byte != '\n') {
      line += byte;
    } else if (!line.empty() && line.back() != ' ') {
      line += ' ';
    }
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

}  // namespace

BatchReport::BatchReport(std::vector<std::string> mailbox_names, std::string output_name, Progress progress)
    : mailbox_names_(std::move(mailbox_names)), output_name_(std::move(output_name)) {
  if (progress == Progress::Shown) progress_.emplace(mailbox_names_.size());
}

BatchReport::~BatchReport() {
  if (progress_) progress_->Clear();
}

void BatchReport::MailboxStarted(std::size_t index) {
  current_ = index;
  if (progress_) progress_->Start(index, mailbox_names_[index]);
}

void BatchReport::MailboxFinished() {
  Tell(Prefix() + MailCount(CurrentConversion().mails) + " -> " + output_name_ + "\n");
}

void BatchReport::Tell(const std::string& line) {
  if (progress_) progress_->Clear();
  platform::WriteStandardError(line);
}

void BatchReport::Noted(std::string_view text) { TellAboutMailbox({}, text); }

// The mail is named once the mailbox is being read; an error before that, while the files are opened, has none.
void BatchReport::ErrorReported(std::string_view report) {
  const ConversionProgress progress = CurrentConversion();
  const bool in_mail = progress.reading && progress.mailbox.position > 0 && progress.mails > 0;
  TellAboutMailbox(in_mail ? "mail " + std::to_string(progress.mails) + ": " : std::string(), report);
}

void BatchReport::Interrupted(std::string_view notice) { TellAboutMailbox({}, notice); }

void BatchReport::TellAboutMailbox(std::string_view prefix, std::string_view cp932) {
  Tell(Prefix() + std::string(prefix) + platform::ErrorStreamText(OneLine(cp932)) + "\n");
}

std::string BatchReport::Prefix() const {
  const std::string& mailbox = current_ < mailbox_names_.size() ? mailbox_names_[current_] : mailbox_names_.back();
  return "qelvorin: " + mailbox + ": ";
}
