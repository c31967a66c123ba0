// ZONECONV: the zone's offset from UTC, the hour in Japan time (UTC+9) with a move of one day when midnight is
// crossed, and the Japan date and time texts.
#include "converter/converter.h"
#include "statements/statements.h"

Section<Converter> ZoneconvStatements() {
  return {
      Label("ZONECONV"),
      {2500, [](Converter& c) { Let(c.zone_code, Left(c.date_zone, 3)); }},
      If(2510, [](Converter& c) { return InStr("+-", Left(c.zone_code, 1)) > 0; }),
        // The minutes of a numeric zone are ignored: +0530 is 5 hours.
        {2520, [](Converter& c) { Let(c.zone_hours, Val(c.zone_code)); }},
      Else(),
        GoSub(2530, "ZONEHOURS"),
      EndIf(),
      {2540, [](Converter& c) { Let(c.jst_hour, Val(Left(c.date_time, 2))); }},
      {2550, [](Converter& c) { Let(c.jst_hour, c.jst_hour - c.zone_hours + 9); }},
      If(2560, [](Converter& c) { return c.jst_hour < 0; }),
        GoSub(2570, "PREVDAY"),
      EndIf(),
      If(2580, [](Converter& c) { return c.jst_hour > 23; }),
        GoSub(2590, "NEXTDAY"),
      EndIf(),
      {2600, [](Converter& c) { Let(c.date_time, Cat(ZERONUM(Str(c.jst_hour)), Right(c.date_time, 6))); }},
      {2610, [](Converter& c) {
         Let(c.date_japan, Cat(c.date_year, "/", c.date_month, "/", c.date_day, " ", c.date_time));
       }},
      {2620, [](Converter& c) { Let(c.date_title, Cat(Right(c.date_year, 2), "/", c.date_month, "/", c.date_day)); }},
      Return(2630),
  };
}
