// Header lines, the subject key and the body-line filter.
#include "converter_fixture.h"

namespace {

class Headers : public ConverterTest {
 protected:
  void Header(std::string_view line) {
    AssignConstant(values.line_text, line);
    values.line_len = static_cast<float>(line.size());
    ASSERT_EQ(RunLocal("HDRLINE"), 0);
  }
  std::string SubjectKey(std::string_view subject) {
    Header("Subject: " + std::string(subject));
    return TextOf(values.subject_key);
  }
  std::string Body(std::string_view line) {
    AssignConstant(values.line_text, line);
    EXPECT_EQ(RunLocal("BODYLINE"), 0);
    return TextOf(values.line_text);
  }
};

TEST_F(Headers, ReplyPrefixesLeaveTheSubjectKey) {
  EXPECT_EQ(SubjectKey("Re: Hello"), "hello  ");
  EXPECT_EQ(SubjectKey("RE:Hello"), "hello  ");
  EXPECT_EQ(SubjectKey("re: Re: RE: Hello"), "hello  ");
  EXPECT_EQ(SubjectKey("Re^2: Hello"), "hello  ");
  EXPECT_EQ(SubjectKey("Re[2]: Re: Hello"), "hello  ");
  EXPECT_EQ(SubjectKey("Re*3: Hello"), "hello  ");
  EXPECT_EQ(SubjectKey("Reply: Hello"), "reply: hello  ");
  EXPECT_EQ(SubjectKey("Regarding the plan: notes"), "regarding the plan: notes  ");
  EXPECT_EQ(SubjectKey("Re[ml:123] Hello"), "123] hello  ");
  EXPECT_EQ(SubjectKey("Re  "), "re    ");
  EXPECT_EQ(SubjectKey("Re:"), "  ");
  EXPECT_EQ(SubjectKey("\tRe: x"), "\tre: x  ");  // a leading blank that the value's trim leaves stops the removal
  EXPECT_EQ(SubjectKey("\x82\x71\x82\x64: x"), "re: x  ");  // full-width letters are not a prefix, but turn half-width
  EXPECT_EQ(TextOf(values.subject_text), "\x82\x71\x82\x64: x");
}

TEST_F(Headers, TheSubjectKeyIsCutToFiftyBytesBeforeItTurnsHalfWidth) {
  std::string subject;
  for (int index = 0; index < 30; ++index) subject += "\x82\x60";  // 30 full-width A: 60 bytes
  EXPECT_EQ(SubjectKey(subject), std::string(25, 'a') + "  ");
  EXPECT_EQ(SubjectKey(std::string(55, 'X')), std::string(50, 'x') + "  ");
  EXPECT_EQ(SubjectKey(""), "  ");
  EXPECT_EQ(TextOf(values.subject_text), "");
}

TEST_F(Headers, NamesAreMatchedExactlyAndTheLastOccurrenceWins) {
  Header("Message-ID: <a@b>");
  Header("CC: someone");
  Header("cc: someone");
  Header("SUBJECT: loud");
  Header("No colon here");
  EXPECT_EQ(TextOf(values.hdr_message_id), "");
  EXPECT_EQ(TextOf(values.hdr_cc), "");
  EXPECT_EQ(TextOf(values.subject_key), "");

  Header("Message-Id: <id1@example.jp>   (comment)");
  EXPECT_EQ(TextOf(values.hdr_message_id), "<id1@example.jp>");
  Header("References: <r1@x> <r2@x>");
  Header("In-Reply-To: <r3@x>");
  EXPECT_EQ(TextOf(values.hdr_reference), "<r3@x>");
  Header("Message-Id: no brackets");
  EXPECT_EQ(TextOf(values.hdr_message_id), "");
  Header("Message-Id: <" + std::string(60, 'i') + ">");
  EXPECT_EQ(TextOf(values.hdr_message_id).size(), 54u);

  Header("To: " + std::string(59, 't') + "\x82\xa0tail");
  EXPECT_EQ(TextOf(values.hdr_to), std::string(59, 't') + " ");
  Header("Cc: " + std::string(70, 'c'));
  EXPECT_EQ(TextOf(values.hdr_cc), std::string(55, 'c'));
  Header("From:\x81\x40 \"Taro\" <taro@example.jp>\t ");
  EXPECT_EQ(TextOf(values.hdr_from), "\"Taro\" <taro@example.jp>\t ");
  Header("Sender:");
  EXPECT_EQ(TextOf(values.hdr_sender), "");
}

TEST_F(Headers, BodyLinesThatLookLikeControlLinesGetAnApostrophe) {
  EXPECT_EQ(Body("#K keyword"), "'#K keyword");
  EXPECT_EQ(Body("#e"), "'#e");
  EXPECT_EQ(Body("#T title"), "'#T title");
  EXPECT_EQ(Body("#w#f#a#b"), "'#w#f#a#b");
  EXPECT_EQ(Body("#S start"), "#S start");
  EXPECT_EQ(Body("#s"), "#s");
  EXPECT_EQ(Body("#1"), "#1");
  EXPECT_EQ(Body("# K"), "# K");
  EXPECT_EQ(Body("#"), "#");
  EXPECT_EQ(Body("#\x82\x6a"), "#\x82\x6a");
  EXPECT_EQ(Body("\x82\x6a#K"), "\x82\x6a#K");
  EXPECT_EQ(Body("plain"), "plain");
}

TEST_F(Headers, ACtrlZCutsTheBodyLineAndIsNotedAtColumnTwenty) {
  EXPECT_EQ(Body("\x82\xa0" "before\x1a" "after"), "\x82\xa0" "before");
  EXPECT_EQ(Row(0), std::string(20, ' ') + "^z");
  // The cut line is not checked for control lines.
  EXPECT_EQ(Body("#K\x1a"), "#K");
}

}  // namespace
