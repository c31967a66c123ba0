// Program entry: the host starts, runs the program's statements and returns the run's status.
#include "console_output.h"
#include "host.h"
#include "routine.h"
#include "string_values.h"

namespace {

// Stands in for the converter until it is wired in: one statement that says so.
struct Placeholder {};

const Routine<Placeholder> kPlaceholder(kQelvorinModule, {
    {10, [](Placeholder&) {
       SelectConsoleOutput(0);
       PushStringConstant("Qelvorin: the mailbox converter is not built yet.");
       PrintString(Separator::LineEnd);
       EndPrint();
     }},
});

}  // namespace

int main(int argc, char** argv) {
  Placeholder state;
  return RunHost(argc, argv, [&state] { return RunMain(kPlaceholder, state); });
}
