// ZONEHOURS: the offset from UTC of a zone name, from a table tried top to bottom; an unlisted name is taken as
// Japan time and noted on the console with the mail's number.
#include "converter/converter.h"
#include "host/console_note.h"
#include "host/print_statement.h"
#include "statements/statements.h"
#include "texts.h"

Section<Converter> ZonehoursStatements() {
  return {
      Label("ZONEHOURS"),
      {2700, [](Converter& c) { Let(c.zone_code, UCase(LTrim(c.zone_code))); }},
      If(2710, [](Converter& c) { return Same(c.zone_code, "GMT"); }),
        {2715, [](Converter& c) { Let(c.zone_hours, 0); }},
      ElseIf(2720, [](Converter& c) { return Same(c.zone_code, "AST") || Same(c.zone_code, "EDT") || Same(c.zone_code, "ECT"); }),
        {2725, [](Converter& c) { Let(c.zone_hours, -4); }},
      ElseIf(2730, [](Converter& c) { return Same(c.zone_code, "EST") || Same(c.zone_code, "CDT"); }),
        {2735, [](Converter& c) { Let(c.zone_hours, -5); }},
      ElseIf(2740, [](Converter& c) { return Same(c.zone_code, "CST") || Same(c.zone_code, "MDT"); }),
        {2745, [](Converter& c) { Let(c.zone_hours, -6); }},
      ElseIf(2750, [](Converter& c) { return Same(c.zone_code, "MST") || Same(c.zone_code, "PDT") || Same(c.zone_code, "UT") || Same(c.zone_code, "UT "); }),
        {2755, [](Converter& c) { Let(c.zone_hours, -7); }},
      ElseIf(2760, [](Converter& c) { return Same(c.zone_code, "PST"); }),
        {2765, [](Converter& c) { Let(c.zone_hours, -8); }},
      ElseIf(2770, [](Converter& c) { return Same(c.zone_code, "YST"); }),
        {2775, [](Converter& c) { Let(c.zone_hours, -9); }},
      ElseIf(2780, [](Converter& c) { return Same(c.zone_code, "BST"); }),
        {2785, [](Converter& c) { Let(c.zone_hours, -11); }},
      ElseIf(2790, [](Converter& c) { return Same(c.zone_code, "MET") || Same(c.zone_code, "CET"); }),
        {2795, [](Converter& c) { Let(c.zone_hours, 1); }},
      ElseIf(2800, [](Converter& c) { return Same(c.zone_code, "WET"); }),
        {2805, [](Converter& c) { Let(c.zone_hours, 2); }},
      ElseIf(2810, [](Converter& c) { return Same(c.zone_code, "SIN"); }),
        {2815, [](Converter& c) { Let(c.zone_hours, 8); }},
      ElseIf(2820, [](Converter& c) { return Same(c.zone_code, "JST") || Same(c.zone_code, "***"); }),
        {2825, [](Converter& c) { Let(c.zone_hours, 9); }},
      Else(),
        {2830, [](Converter& c) {
           const ConsoleNote note;
           Print(kConsole, Tab{10}, texts::UnlistedZone, c.mail_count, " ", c.zone_code);
         }},
        {2835, [](Converter& c) { Let(c.zone_hours, 9); }},
      EndIf(),
      Return(2840),
  };
}
