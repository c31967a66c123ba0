// HDRLINE: takes the value of one of the nine header fields the card record uses from a header line.
#include "converter/converter.h"
#include "statements/statements.h"

Section<Converter> HdrlineStatements() {
  return {
      Label("HDRLINE"),
      {800, [](Converter& c) { Let(c.colon_pos, InStr(c.line_text, ":")); }},
      If(810, [](Converter& c) { return c.colon_pos == 0; }),
        Return(820),
      EndIf(),
      {830, [](Converter& c) { Let(c.hdr_name, Left(c.line_text, c.colon_pos - 1)); }},
      {840, [](Converter& c) { Let(c.hdr_value, LTrim(Right(c.line_text, c.line_len - c.colon_pos))); }},
      If(850, [](Converter& c) { return Same(c.hdr_name, "Date"); }),
        GoSub(860, "DATECONV"),
      ElseIf(870, [](Converter& c) { return Same(c.hdr_name, "To"); }),
        {880, [](Converter& c) { Let(c.hdr_to, CUTS(c.hdr_value, 60)); }},
      ElseIf(890, [](Converter& c) { return Same(c.hdr_name, "Subject"); }),
        {900, [](Converter& c) { Let(c.subject_text, c.hdr_value); }},
        {910, [](Converter& c) { Let(c.subject_key, c.hdr_value); }},
        GoSub(920, "SUBJCLEAN"),
        {930, [](Converter& c) { if (Len(c.subject_key) > 50) Let(c.subject_key, Left(c.subject_key, 50)); }},
        {940, [](Converter& c) { Let(c.subject_key, Cat(LCase(HalfWidth(c.subject_key)), "  ")); }},
      ElseIf(950, [](Converter& c) { return Same(c.hdr_name, "From"); }),
        {960, [](Converter& c) { Let(c.hdr_from, c.hdr_value); }},
      ElseIf(970, [](Converter& c) { return Same(c.hdr_name, "Sender"); }),
        {980, [](Converter& c) { Let(c.hdr_sender, c.hdr_value); }},
      ElseIf(990, [](Converter& c) { return Same(c.hdr_name, "Message-Id"); }),
        {1000, [](Converter& c) { Let(c.hdr_message_id, Left(Left(c.hdr_value, InStr(c.hdr_value, ">")), 54)); }},
      ElseIf(1010, [](Converter& c) { return Same(c.hdr_name, "References") || Same(c.hdr_name, "In-Reply-To"); }),
        {1020, [](Converter& c) { Let(c.hdr_reference, Left(Left(c.hdr_value, InStr(c.hdr_value, ">")), 54)); }},
      ElseIf(1030, [](Converter& c) { return Same(c.hdr_name, "Cc"); }),
        {1040, [](Converter& c) { Let(c.hdr_cc, CUTS(c.hdr_value, 55)); }},
      EndIf(),
      Return(1050),
  };
}
