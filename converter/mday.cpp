// MDAY: the days of a month; every year divisible by 4 is a leap year, and a month outside 1-12 has 0 days.
#include "converter/converter.h"
#include "statements/statements.h"

namespace {
constexpr const char* kDaysLeap = "312931303130313130313031";
constexpr const char* kDaysCommon = "312831303130313130313031";
}  // namespace

const NamedRoutine<MdayFrame, &MdayFrame::month, &MdayFrame::year> MDAY(kQelvorinModule, {
    If(2400, [](MdayFrame& f) { return *f.month < 1 || *f.month > 12; }),
      ExitRoutine(2410),
    EndIf(),
    {2420, [](MdayFrame& f) { Let(f.p, *f.month * 2 - 1); }},
    If(2430, [](MdayFrame& f) { return RoundToInteger(*f.year) % 4 == 0; }),
      {2440, [](MdayFrame& f) { Let(f.result, Val(Mid(kDaysLeap, f.p, 2))); }},
    Else(),
      {2450, [](MdayFrame& f) { Let(f.result, Val(Mid(kDaysCommon, f.p, 2))); }},
    EndIf(),
});
