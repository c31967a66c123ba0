// Whole mailboxes through CONVERT: mail splitting, the record layout, the console count and the ends of a mailbox.
#include <initializer_list>

#include "converter_fixture.h"
#include "texts.h"

namespace {

std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string joined;
  for (const std::string_view line : lines) joined.append(line).append("\r\n");
  return joined;
}

std::string Cat(std::initializer_list<std::string_view> parts) {
  std::string joined;
  for (const std::string_view part : parts) joined.append(part);
  return joined;
}

// A record of a mail with only a From header and the given body.
std::string PlainRecord(std::string_view from, std::initializer_list<std::string_view> body) {
  std::string record = Lines({"#S", Cat({"#T  ", std::string(35, ' '), " ", from}), Cat({"#K", from, texts::CardFromSuffix}),
                              Cat({"#K  ", texts::CardSubjectSuffix}), Cat({"From   : ", from}), "Subject:   ",
                              Cat({texts::CardKeyOpen, texts::CardKeyClose}), ""});
  for (const std::string_view line : body) record.append(line).append("\r\n");
  return record + Lines({"#E", ""});
}

using Conversion = ConverterTest;

TEST_F(Conversion, AMailBecomesOneRecordLaidOutByTheRecordTable) {
  const std::string card = Convert(Lines({
      "From: \"Taro\" <taro@example.jp>",
      "To: hanako@example.jp",
      "Subject: Re: Meeting",
      "Date: Fri, 29 Aug 1997 10:05:00 +0900",
      "Message-Id: <m1@example.jp>",
      "",
      "Hello",
      "#K not a keyword",
      ".",
  }));
  EXPECT_EQ(exit_code, 0);
  EXPECT_EQ(card, Lines({
                      "#S",
                      Cat({"#T 97/08/29 Re: Meeting", std::string(25, ' '), "Taro"}),
                      Cat({"#Khanako@example.jp", texts::CardToSuffix}),
                      Cat({"#K\"Taro\" <taro@example.jp>", texts::CardFromSuffix}),
                      Cat({"#K<m1@example.jp>", texts::CardIdSuffix}),
                      Cat({"#Kmeeting  ", texts::CardSubjectSuffix}),
                      Cat({"#K1997/08/29 10:05:00 +0900", texts::LocalTimeLabel}),
                      Cat({"#K1997/08/29 10:05:00", texts::CardTimeSuffix}),
                      "From   : \"Taro\" <taro@example.jp>",
                      "To     : hanako@example.jp",
                      "Subject: Re: Meeting",
                      Cat({texts::CardKeyOpen, "meeting,<m1@example.jp>", texts::CardKeyClose}),
                      "",
                      "Hello",
                      "'#K not a keyword",
                      "#E",
                      "",
                  }) + "\x1a");
  EXPECT_EQ(Row(0), " 1");
}

TEST_F(Conversion, SenderReferencesAndCcTakeTheirPlaces) {
  const std::string card = Convert(Lines({
      "From: <only@address>",
      "Sender: list@example.jp",
      "To: someone",
      "Cc: other",
      "References: <r1@x> <r2@x>",
      "Subject: \x82\x60\x82\x61\x82\x62 \x8a\xbf\x8e\x9a",
      "",
      ".",
  }));
  EXPECT_EQ(card, Lines({
                      "#S",
                      Cat({"#T  \x82\x60\x82\x61\x82\x62 \x8a\xbf\x8e\x9a", std::string(24, ' '), " "}),
                      Cat({"#Ksomeone", texts::CardToSuffix}),
                      Cat({"#K<only@address>", texts::CardFromSuffix}),
                      Cat({"#Klist@example.jp", texts::CardSenderSuffix}),
                      Cat({"#K<r1@x>", texts::CardReferSuffix}),
                      Cat({"#Kother", texts::CardCcSuffix}),
                      Cat({"#Kabc \x8a\xbf\x8e\x9a  ", texts::CardSubjectSuffix}),
                      "Sender : list@example.jp",
                      "From   : <only@address>",
                      "Subject: \x82\x60\x82\x61\x82\x62 \x8a\xbf\x8e\x9a",
                      Cat({texts::CardKeyOpen, "abc \x8a\xbf\x8e\x9a,<r1@x>", texts::CardKeyClose}),
                      "",
                      "#E",
                      "",
                  }) + "\x1a");
}

TEST_F(Conversion, TheTitleFieldsAreCutWithoutSplittingCharacters) {
  // Byte 35 of the subject is a lead byte; byte 17 of the name is one too.
  const std::string subject = std::string(34, 's') + "\x82\xa0" + "tail";
  const std::string name = std::string(16, 'n') + "\x82\xa0" + "more";
  const std::string card = Convert(Lines({Cat({"From: ", name}), Cat({"Subject: ", subject}), "", "."}));
  const std::string title = card.substr(card.find("#T"), card.find("\r\n", card.find("#T")) - card.find("#T"));
  EXPECT_EQ(title, Cat({"#T  ", std::string(34, 's'), " ", " ", std::string(16, 'n'), " "}));
}

TEST_F(Conversion, DotLinesEndAMailOnlyBeforeAFromLine) {
  const std::string card = Convert(Lines({
      "From: a", "", "one", ".", "not a From line", "two", ".",
      "From: b", "", "three", ".",
      "Subject: no From", "", "four", ".",
  }));
  EXPECT_EQ(card, PlainRecord("a", {"one", "not a From line", "two"}) +
                      PlainRecord("b", {"three", "Subject: no From", "", "four"}) + "\x1a");
  EXPECT_EQ(Row(0), " 2");
}

TEST_F(Conversion, AFromLineThatIsTheLastLineIsNotConverted) {
  EXPECT_EQ(Convert(Lines({"From: a", "", "one", ".", "From: b"})), PlainRecord("a", {"one"}) + "\x1a");
  EXPECT_EQ(exit_code, 0);
}

TEST_F(Conversion, ShortHeaderLinesAreSkippedAndLoneCarriageReturnsEndLines) {
  EXPECT_EQ(Convert("From: a\rX\r\nab\r\n\r\nbody\r.\r\n"), PlainRecord("a", {"body"}) + "\x1a");
}

TEST_F(Conversion, AMailboxEndingInsideABodyKeepsItsLastRecordWhole) {
  const std::string card = Convert(Lines({"From: a", "", "one", ".", "From: b", "", "cut short"}));
  EXPECT_EQ(exit_code, 1);
  EXPECT_EQ(report.number, error::kInputPastEnd);
  EXPECT_EQ(card, PlainRecord("a", {"one"}) + PlainRecord("b", {"cut short"}) + "\x1a");
}

// The end test counts one byte left as the end: a single byte after the last line is never read, whether it
// follows a "." line, a "From:" line or the first line.
TEST_F(Conversion, AByteAloneAfterTheLastLineIsNotRead) {
  for (const std::string_view last : {"\n", "\r", "x", "."}) {
    SCOPED_TRACE(last);
    EXPECT_EQ(Convert(Cat({Lines({"From: a", "", "one", "."}), last})), PlainRecord("a", {"one"}) + "\x1a");
    EXPECT_EQ(Convert(Cat({Lines({"From: a", "", "one", ".", "From: b"}), last})), PlainRecord("a", {"one"}) + "\x1a");
    EXPECT_EQ(Convert(Cat({"From: a\r\n", last})), "\x1a");
    EXPECT_EQ(exit_code, 0);
    EXPECT_EQ(report.number, 0);
  }
}

// The end-of-file mark is read as an empty line; the record still ends once, after it.
TEST_F(Conversion, AMailboxCutShortBeforeItsEndOfFileMarkKeepsItsLastRecordWhole) {
  const std::string card = Convert(Lines({"From: a", "", "one", ".", "From: b", "", "cut short"}) + "\x1a");
  EXPECT_EQ(exit_code, 1);
  EXPECT_EQ(report.number, error::kInputPastEnd);
  EXPECT_EQ(card, PlainRecord("a", {"one"}) + PlainRecord("b", {"cut short", ""}) + "\x1a");
}

TEST_F(Conversion, AMailboxEndingInsideAHeaderSectionWritesNothingForThatMail) {
  const std::string card = Convert(Lines({"From: a", "", "one", ".", "From: b", "Subject: cut"}));
  EXPECT_EQ(exit_code, 1);
  EXPECT_EQ(report.number, error::kInputPastEnd);
  EXPECT_EQ(card, PlainRecord("a", {"one"}) + "\x1a");
}

TEST_F(Conversion, EmptyAndOneLineMailboxes) {
  EXPECT_EQ(Convert(""), "\x1a");
  EXPECT_EQ(report.number, error::kInputPastEnd);
  report = {};
  EXPECT_EQ(Convert("From: a\r\n"), "\x1a");
  EXPECT_EQ(report.number, 0);
}

TEST_F(Conversion, ABadYearStopsTheRunWithEarlierRecordsWhole) {
  const std::string card = Convert(Lines({"From: a", "", "one", ".", "From: b", "Date: Wed, 1 Jan 9E99 01:00:00 +1200", "", "x", "."}));
  EXPECT_EQ(exit_code, 1);
  EXPECT_EQ(report.number, error::kOverflow);
  EXPECT_EQ(card, PlainRecord("a", {"one"}) + "\x1a");
}

TEST_F(Conversion, TheCountOverwritesItselfUntilAMessageMovesTheOutput) {
  Convert(Lines({"From: a", "Date: x, 1 Foo 1997 10:00:00 +0900", "", ".", "From: b", "", ".", "From: c", "", "."}));
  EXPECT_EQ(Row(0), " 1 error month Foo");
  EXPECT_EQ(Row(1), " 3");
}

}  // namespace
