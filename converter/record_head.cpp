// The record head: "#S", the title line with its fixed-width subject and name fields, the keyword lines, the label
// lines, the key line between "▼" and "▲", and the empty line before the body.
#include "converter/converter.h"
#include "host/print_statement.h"
#include "statements/statements.h"
#include "texts.h"

namespace {
constexpr const char* kSubjectPadding = "                                       ";  // 39 blanks
}  // namespace

Section<Converter> RecordHeadStatements() {
  return {
      Label("record head"),
      {1200, [](Converter& c) {
         if (Same(c.subject_text, "")) {
           Let(c.subject_key, "  ");
           Let(c.subject_text, "  ");
         }
       }},
      {1210, [](Converter& c) { Let(c.lt_pos, InStrChars(c.hdr_from, "<")); }},
      If(1220, [](Converter& c) { return c.lt_pos > 0; }),
        {1230, [](Converter& c) { Let(c.title_text, CUTS(UNQUOTE(LeftChars(c.hdr_from, c.lt_pos - 1)), 17)); }},
      Else(),
        {1240, [](Converter& c) { Let(c.title_text, CUTS(c.hdr_from, 17)); }},
      EndIf(),
      {1250, [](Converter& c) {
         Let(c.title_text, Cat(" ", c.date_title, " ", CUTS(Cat(c.subject_text, kSubjectPadding), 35), " ", c.title_text));
       }},
      {1260, [](Converter&) { Print(kOutputChannel, "#S"); }},
      {1270, [](Converter& c) { Print(kOutputChannel, "#T", c.title_text); }},
      {1280, [](Converter& c) { if (!Same(c.hdr_to, "")) Print(kOutputChannel, "#K", c.hdr_to, texts::CardToSuffix); }},
      {1290, [](Converter& c) { if (!Same(c.hdr_from, "")) Print(kOutputChannel, "#K", c.hdr_from, texts::CardFromSuffix); }},
      {1300, [](Converter& c) {
         if (!Same(c.hdr_sender, "")) Print(kOutputChannel, "#K", c.hdr_sender, texts::CardSenderSuffix);
       }},
      {1310, [](Converter& c) {
         if (!Same(c.hdr_message_id, "")) Print(kOutputChannel, "#K", c.hdr_message_id, texts::CardIdSuffix);
       }},
      {1320, [](Converter& c) {
         if (!Same(c.hdr_reference, "")) Print(kOutputChannel, "#K", c.hdr_reference, texts::CardReferSuffix);
       }},
      {1330, [](Converter& c) { if (!Same(c.hdr_cc, "")) Print(kOutputChannel, "#K", c.hdr_cc, texts::CardCcSuffix); }},
      {1340, [](Converter& c) {
         if (!Same(c.subject_key, "")) Print(kOutputChannel, "#K", c.subject_key, texts::CardSubjectSuffix);
       }},
      {1350, [](Converter& c) {
         if (!Same(c.date_local, "")) Print(kOutputChannel, "#K", c.date_local, texts::LocalTimeLabel);
       }},
      {1360, [](Converter& c) {
         if (!Same(c.date_japan, "")) Print(kOutputChannel, "#K", c.date_japan, texts::CardTimeSuffix);
       }},
      {1370, [](Converter& c) { if (!Same(c.hdr_sender, "")) Print(kOutputChannel, "Sender : ", c.hdr_sender); }},
      {1380, [](Converter& c) { if (!Same(c.hdr_from, "")) Print(kOutputChannel, "From   : ", c.hdr_from); }},
      {1390, [](Converter& c) {
         if (Same(c.hdr_sender, "") && !Same(c.hdr_to, "")) Print(kOutputChannel, "To     : ", c.hdr_to);
       }},
      {1400, [](Converter& c) { if (!Same(c.subject_text, "")) Print(kOutputChannel, "Subject: ", c.subject_text); }},
      {1410, [](Converter&) { Print(kOutputChannel, texts::CardKeyOpen, kSemicolon); }},
      {1420, [](Converter& c) { Print(kOutputChannel, Left(c.subject_key, Len(c.subject_key) - 2), kSemicolon); }},
      {1430, [](Converter& c) { if (!Same(c.hdr_message_id, "")) Print(kOutputChannel, ",", c.hdr_message_id, kSemicolon); }},
      {1440, [](Converter& c) { if (!Same(c.hdr_reference, "")) Print(kOutputChannel, ",", c.hdr_reference, kSemicolon); }},
      {1450, [](Converter&) { Print(kOutputChannel, texts::CardKeyClose); }},
      {1460, [](Converter&) { Print(kOutputChannel); }},
      Return(1470),
  };
}
