// A small statement program run on the real host by the terminal and transcript tests.
//   host_probe report        prints two lines, counts to 30 in place, then fails with error 53 at line 90
//   host_probe loop FILE     writes a whole record and the start of another to FILE on channel 3, says "ready" and
//                            runs until it is stopped
//   host_probe chatter FILE  the loop, saying a line every time round
//   host_probe batch         the report program with the console forced to a transcript
#include <string>
#include <string_view>

#include "files/channels.h"
#include "host/console_output.h"
#include "host/host.h"
#include "host/text_screen.h"
#include "statements/error_trap.h"
#include "statements/routine.h"
#include "statements/statements.h"
#include "values/string_values.h"

namespace {

struct Probe {
  float count = 0;
  std::int32_t row = 0;
  std::string path;
  bool chatter = false;
};

void Say(std::string_view text) {
  SelectConsoleOutput(0);
  PushStringConstant(text);
  PrintString(Separator::LineEnd);
  EndPrint();
}

const Routine<Probe> kReport(kQelvorinModule, {
    {10, [](Probe&) { Say("line 1"); }},
    {20, [](Probe&) { Say("line 2"); }},
    {30, [](Probe& p) { p.count = 0; }},
    {"count", 40, [](Probe& p) { p.count += 1; }},
    {50, [](Probe& p) { p.row = CursorRow(); }},
    {55, [](Probe& p) { PlaceCursor(0, p.row); }},
    {60, [](Probe& p) {
       SelectConsoleOutput(0);
       PrintNumber(p.count, Separator::None);
       EndPrint();
     }},
    GoToIf(70, [](Probe& p) { return p.count < 30; }, "count"),
    {80, [](Probe&) { Say(""); }},
    {90, [](Probe&) { RaiseError(error::kBadDevice); }},
});

const Routine<Probe> kLoop(kQelvorinModule, {
    {10, [](Probe& p) {
       PushStringConstant(p.path);
       OpenChannel(3, 0, file_mode::kOutput);
     }},
    {20, [](Probe&) {
       SelectOutputChannel(3);
       PushStringConstant("kept");
       PrintString(Separator::LineEnd);
       EndPrint();
       MarkRecordEnd(3);
     }},
    {25, [](Probe&) {
       SelectOutputChannel(3);
       PushStringConstant("unfinished");
       PrintString(Separator::LineEnd);
       EndPrint();
     }},
    {30, [](Probe&) { Say("ready"); }},
    {"again", 40, [](Probe& p) { p.count += 1; }},
    {45, [](Probe& p) { if (p.chatter) Say("chatter"); }},
    GoTo(50, "again"),
});

}  // namespace

int main(int argc, char** argv) {
  const std::string_view mode = argc > 1 ? argv[1] : "report";
  Probe probe;
  if (argc > 2) probe.path = argv[2];
  HostSettings settings;
  if (mode == "batch") settings.console = platform::ConsoleKind::Transcript;
  probe.chatter = mode == "chatter";
  const Routine<Probe>& routine = mode == "loop" || probe.chatter ? kLoop : kReport;
  return RunHost(argc, argv, [&] { return RunMain(routine, probe); }, settings);
}
