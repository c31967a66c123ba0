// SUBJCLEAN: removes reply prefixes (Re:, RE:, Re^2:, Re[2]:, Re*2: and repetitions) from the front of the
// subject key, pass after pass until a pass changes nothing.
#include "converter/converter.h"
#include "statements/statements.h"

Section<Converter> SubjcleanStatements() {
  return {
      Label("SUBJCLEAN"),
      {1100, [](Converter& c) { Let(c.subject_prev, c.subject_key); }},
      If(1110, [](Converter& c) { return Same(UCase(Left(c.subject_key, 2)), "RE"); }),
        {1120, [](Converter& c) { Let(c.reply_colon_pos, InStr(c.subject_key, ":")); }},
        If(1130, [](Converter& c) { return c.reply_colon_pos == 3; }),
          {1140, [](Converter& c) { Let(c.subject_key, LTrim(Mid(c.subject_key, 4))); }},
        ElseIf(1150, [](Converter& c) { return c.reply_colon_pos > 3 && InStr("*^[", Mid(c.subject_key, 3, 1)) > 0; }),
          {1160, [](Converter& c) { Let(c.subject_key, LTrim(Mid(c.subject_key, c.reply_colon_pos + 1))); }},
        EndIf(),
      EndIf(),
      GoToUnless(1170, [](Converter& c) { return Same(c.subject_key, c.subject_prev); }, "SUBJCLEAN"),
      Return(1180),
  };
}
