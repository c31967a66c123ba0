// CONVERT: reads the mailbox line by line, splits it into mails and has a card record written for each.
#include "converter/converter.h"
#include "host/console_output.h"
#include "host/print_statement.h"
#include "host/text_screen.h"
#include "statements/statements.h"

Section<Converter> ConvertStatements() {
  return {
      Label("CONVERT"),
      {300, [](Converter& c) { Let(c.mail_count, 0); }},
      {310, [](Converter& c) { LineInputFrom(kMailboxChannel, c.line_text); }},
      Label("next mail"),
      GoToIf(320, [](Converter&) { return AtEndOf(kMailboxChannel); }, "mailbox read"),
      {330, [](Converter& c) { Let(c.mail_count, c.mail_count + 1); }},
      {340, [](Converter&) { PlaceCursor(0, CursorRow()); }},
      {350, [](Converter& c) { Print(kConsole, c.mail_count, kSemicolon); }},
      {360, [](Converter& c) {
         for (StringDescriptor* value : {&c.hdr_to, &c.subject_text, &c.subject_key, &c.hdr_from, &c.hdr_sender,
                                         &c.hdr_message_id, &c.hdr_cc, &c.hdr_reference, &c.date_local,
                                         &c.date_japan, &c.date_title}) {
           Let(*value, "");
         }
       }},
      {370, [](Converter& c) { Let(c.line_len, 2); }},
      Label("header line"),
      GoToUnless(380, [](Converter& c) { return c.line_len > 0; }, "headers read"),
      {390, [](Converter& c) { Let(c.line_len, Len(c.line_text)); }},
      If(400, [](Converter& c) { return c.line_len > 2; }),
        GoSub(410, "HDRLINE"),
      EndIf(),
      {420, [](Converter& c) { LineInputFrom(kMailboxChannel, c.line_text); }},
      GoTo(430, "header line"),
      Label("headers read"),
      GoSub(440, "record head"),
      Label("body line"),
      GoToIf(450, [](Converter& c) { return Same(c.line_text, "."); }, "dot line"),
      GoSub(460, "BODYLINE"),
      GoSub(470, "record body line"),
      // A mailbox that ends inside a body still gets its record end before the failing read is reported.
      If(480, [](Converter&) { return NothingLeftToRead(kMailboxChannel); }),
        GoSub(490, "record end"),
      EndIf(),
      {500, [](Converter& c) { LineInputFrom(kMailboxChannel, c.line_text); }},
      GoTo(510, "body line"),
      Label("dot line"),
      GoToIf(520, [](Converter&) { return AtEndOf(kMailboxChannel); }, "mail read"),
      {530, [](Converter& c) { LineInputFrom(kMailboxChannel, c.line_text); }},
      GoToUnless(540, [](Converter& c) { return InStr(c.line_text, "From:") == 1; }, "body line"),
      Label("mail read"),
      GoSub(550, "record end"),
      GoTo(560, "next mail"),
      Label("mailbox read"),
      {570, [](Converter&) { CloseChannels({}); }},
      Return(580),
  };
}
