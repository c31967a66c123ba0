// PREVDAY: moves the date one day back, across the start of a month or a year.
#include "converter/converter.h"
#include "statements/statements.h"

Section<Converter> PrevdayStatements() {
  return {
      Label("PREVDAY"),
      {2900, [](Converter& c) { Let(c.jst_hour, c.jst_hour + 24); }},
      {2910, [](Converter& c) { Let(c.day_num, Val(c.date_day) - 1); }},
      If(2920, [](Converter& c) { return c.day_num == 0; }),
        {2930, [](Converter& c) { Let(c.month_num, Val(c.date_month) - 1); }},
        {2940, [](Converter& c) { if (c.month_num == 0) Let(c.month_num, 12); }},
        // February is asked for with its own year, December with the year before it changes.
        {2950, [](Converter& c) { Let(c.day_num, MDAY(c.month_num, Val(c.date_year))); }},
        {2960, [](Converter& c) { Let(c.date_month, ZERONUM(Str(c.month_num))); }},
        {2970, [](Converter& c) { if (c.month_num == 12) Let(c.date_year, LTrim(Str(Val(c.date_year) - 1))); }},
      EndIf(),
      {2980, [](Converter& c) { Let(c.date_day, ZERONUM(Str(c.day_num))); }},
      Return(2990),
  };
}
