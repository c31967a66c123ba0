// DATECONV: splits a Date value (Fri, 29 Aug 1997 10:05:00 +0900) into its parts, numbers the month, widens a
// two-digit year, keeps the date as sent and has it converted to Japan time.
#include "converter/converter.h"
#include "statements/statements.h"

Section<Converter> DateconvStatements() {
  return {
      Label("DATECONV"),
      // The text after the first comma and the one character after it; with no comma, all but the first byte.
      // An empty value, or a comma as its last byte, leaves nothing.
      {1600, [](Converter& c) { Let(c.date_cut, Len(c.hdr_value) - InStr(c.hdr_value, ",") - 1); }},
      {1610, [](Converter& c) { if (c.date_cut < 0) Let(c.date_cut, 0); }},
      {1620, [](Converter& c) { Let(c.hdr_value, Right(c.hdr_value, c.date_cut)); }},
      {1630, [](Converter& c) { Let(c.hdr_value, LTrim(c.hdr_value)); }},
      {1640, [](Converter& c) { SEP(c.hdr_value, c.date_day, c.date_rest); }},
      {1650, [](Converter& c) { Let(c.date_day, Right(Cat("0", LTrim(c.date_day)), 2)); }},
      {1660, [](Converter& c) { SEP(c.date_rest, c.date_month_name, c.date_rest); }},
      {1670, [](Converter& c) { Let(c.date_month_name, LTrim(c.date_month_name)); }},
      GoSub(1680, "MONTHNO"),
      {1690, [](Converter& c) { SEP(c.date_rest, c.date_year, c.date_rest); }},
      If(1700, [](Converter& c) { return Len(c.date_year) == 2; }),
        {1710, [](Converter& c) {
           if (Same(Left(c.date_year, 1), "9")) Let(c.date_year, Cat("19", c.date_year));
           else Let(c.date_year, Cat("20", c.date_year));
         }},
      EndIf(),
      {1720, [](Converter& c) { SEP(c.date_rest, c.date_time, c.date_zone); }},
      {1730, [](Converter& c) {
         Let(c.date_local, Cat(c.date_year, "/", c.date_month, "/", c.date_day, " ", c.date_time, " ", c.date_zone));
       }},
      {1740, [](Converter& c) { Let(c.date_zone, LTrim(c.date_zone)); }},
      {1750, [](Converter& c) { if (Len(c.date_zone) < 2) Let(c.date_zone, "***"); }},
      GoSub(1760, "ZONECONV"),
      Return(1770),
  };
}
