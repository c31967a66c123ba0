// The whole conversion on arbitrary mailbox bytes, ended as the shutdown ends a run: whatever happens, the card
// file holds whole records and one end-of-file mark.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "converter/converter.h"
#include "files/file_statements.h"
#include "fuzz/quiet_window.h"
#include "fuzz/scratch_file.h"
#include "host/main_window.h"
#include "host/runtime.h"
#include "statements/statements.h"

namespace {

bool WholeRecordsAndMark(const std::string& card) {
  if (card.empty() || card.back() != kEndOfFileMark) return false;
  const std::string records = card.substr(0, card.size() - 1);
  return records.empty() || (records.starts_with("#S\r\n") && records.ends_with("#E\r\n\r\n"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool window_opened = (OpenMainWindow(std::make_unique<QuietWindow>()), true);
  static const Routine<Converter> program = ConverterRoutine({
      {1, [](Converter& c) { OpenFile(c.mailbox_path, kMailboxChannel, file_mode::kInput); }},
      {2, [](Converter& c) { OpenFile(c.out_path, kOutputChannel, file_mode::kOutput); }},
      GoSub(3, "CONVERT"),
      ExitRoutine(4),
  });
  if (!window_opened) return 0;
  const std::string card = ScratchPath("conversion.ren");
  std::remove(card.c_str());
  Converter values;
  AssignConstant(values.mailbox_path, ScratchFile("conversion.mbx", data, size));
  AssignConstant(values.out_path, card);
  RunMain(program, values);
  DropUnfinishedRecords();
  CloseChannels({});
  if (!WholeRecordsAndMark(ReadScratch(card))) std::abort();
  ReleaseRuntime();
  return 0;
}
