// BODYLINE: cuts a body line at its first Ctrl-Z, and puts an apostrophe in front of a line that the card format
// would take for one of its control lines.
#include "converter/converter.h"
#include "host/print_statement.h"
#include "statements/statements.h"

Section<Converter> BodylineStatements() {
  return {
      Label("BODYLINE"),
      {600, [](Converter& c) { Let(c.ctrlz_pos, InStrChars(c.line_text, "\x1a")); }},
      If(610, [](Converter& c) { return c.ctrlz_pos > 0; }),
        {620, [](Converter& c) { Let(c.line_text, LeftChars(c.line_text, c.ctrlz_pos - 1)); }},
        {630, [](Converter&) { Print(kConsole, Tab{20}, "^z"); }},
        Return(640),
      EndIf(),
      If(650, [](Converter& c) { return CharCount(c.line_text) < 2; }),
        Return(660),
      EndIf(),
      If(670, [](Converter& c) { return !Same(Left(c.line_text, 1), "#"); }),
        Return(680),
      EndIf(),
      {690, [](Converter& c) { Let(c.second_char, MidChars(c.line_text, 2, 1)); }},
      If(700, [](Converter& c) { return DoubleByteAt(c.second_char, 1) == 1; }),
        Return(710),
      EndIf(),
      {720, [](Converter& c) {
         if (InStr("WTFKABE", UCase(c.second_char)) > 0) Let(c.line_text, Cat("'", c.line_text));
       }},
      Return(730),
  };
}
