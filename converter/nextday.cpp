// NEXTDAY: moves the date one day forward, across the end of a month or a year.
#include "converter/converter.h"
#include "statements/statements.h"

Section<Converter> NextdayStatements() {
  return {
      Label("NEXTDAY"),
      {3000, [](Converter& c) { Let(c.jst_hour, c.jst_hour - 24); }},
      {3010, [](Converter& c) { Let(c.day_num, Val(c.date_day) + 1); }},
      {3020, [](Converter& c) { Let(c.month_num, Val(c.date_month)); }},
      If(3030, [](Converter& c) { return c.day_num > MDAY(c.month_num, Val(c.date_year)); }),
        {3040, [](Converter& c) { Let(c.month_num, Val(c.date_month) + 1); }},
        {3050, [](Converter& c) { if (c.month_num == 13) Let(c.month_num, 1); }},
        {3060, [](Converter& c) { Let(c.day_num, 1); }},
        {3070, [](Converter& c) { Let(c.date_month, ZERONUM(Str(c.month_num))); }},
        {3080, [](Converter& c) { if (c.month_num == 1) Let(c.date_year, LTrim(Str(Val(c.date_year) + 1))); }},
      EndIf(),
      {3090, [](Converter& c) { Let(c.date_day, ZERONUM(Str(c.day_num))); }},
      Return(3100),
  };
}
