// The text screen: cells and cursor after writes, scrolling, double-byte characters, painting and the copy as text.
#include <gtest/gtest.h>

#include "host/text_screen.h"
#include "host/window_events.h"
#include "recording_window.h"

namespace {

using platform::ByteRole;

struct WriteCase {
  const char* name;
  std::vector<std::string> writes;
  std::vector<std::string> rows;  // from row 0; rows not listed are blank
  std::int32_t cursor_column;
  std::int32_t cursor_row;
};

const std::string kA = "\x82\xA0";  // あ
const std::string k79(79, 'x');

const WriteCase kWriteCases[] = {
    {"line feed starts the next row at column 0", {"AB\nC"}, {"AB", "C"}, 1, 1},
    {"carriage return goes back to column 0", {"ABCD\rxy"}, {"xyCD"}, 2, 0},
    {"exactly a row wraps at once", {std::string(80, 'a')}, {std::string(80, 'a')}, 0, 1},
    {"a long run continues on the next row", {std::string(85, 'b')}, {std::string(80, 'b'), "bbbbb"}, 5, 1},
    {"a pair that would start in the last column moves whole", {k79 + kA}, {k79, kA}, 2, 1},
    {"a pair ending in the last column stays", {std::string(78, 'x') + kA}, {std::string(78, 'x') + kA}, 0, 1},
    {"a trail byte in the lead range is no lead", {"\x82\x82z"}, {"\x82\x82z"}, 3, 0},
    {"a count over a longer one leaves its tail", {"12345\r", "99"}, {"99345"}, 2, 0},
    {"a lone lead byte waits for the next write", {"ab\x82", "\xA0z"}, {"ab" + kA + "z"}, 5, 0},
    {"a lone lead byte shows a blank", {"ab\x82"}, {"ab"}, 2, 0},
    {"a write elsewhere drops the waiting lead", {"ab\x82", "\r", "Q"}, {"Qb"}, 1, 0},
    {"a waiting lead in the last column moves with its trail", {k79 + "\x82", "\xA0"}, {k79, kA}, 2, 1},
};

class TextScreenWrites : public ConsoleTest, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(TextScreenWrites, CellsAndCursor) {
  const WriteCase& test = GetParam();
  for (const std::string& bytes : test.writes) WriteText(screen(), bytes);
  for (std::int32_t row = 0; row < TextScreen::kRows; ++row) {
    const std::string expected = row < static_cast<std::int32_t>(test.rows.size()) ? test.rows[row] : "";
    EXPECT_EQ(RowText(screen(), row), expected) << "row " << row;
  }
  EXPECT_EQ(screen().cursor_column(), test.cursor_column);
  EXPECT_EQ(screen().cursor_row(), test.cursor_row);
}

INSTANTIATE_TEST_SUITE_P(Cases, TextScreenWrites, ::testing::ValuesIn(kWriteCases),
                         [](const auto& info) {
                           std::string name;
                           for (const char* c = info.param.name; *c != 0; ++c) name += std::isalnum(*c) ? *c : '_';
                           return name;
                         });

TEST_F(ConsoleTest, CellsKnowTheirRoleColourAndAttribute) {
  WriteText(screen(), "a" + kA);
  const TextScreen::Row& row = screen().row(0);
  EXPECT_EQ(row[0].role, ByteRole::Single);
  EXPECT_EQ(row[1].role, ByteRole::Lead);
  EXPECT_EQ(row[2].role, ByteRole::Trail);
  EXPECT_EQ(row[3].role, ByteRole::Single);
  EXPECT_EQ(row[1].colour, 7);
  EXPECT_EQ(row[1].attribute, 4);
}

TEST_F(ConsoleTest, TheTwentyFifthLineScrollsTheFirstAway) {
  for (int line = 1; line <= 25; ++line) WriteText(screen(), "line " + std::to_string(line) + "\n");
  EXPECT_EQ(RowText(screen(), 0), "line 3");
  EXPECT_EQ(RowText(screen(), 22), "line 25");
  EXPECT_EQ(RowText(screen(), 23), "");
  EXPECT_EQ(screen().cursor_row(), 23);
  EXPECT_EQ(window.scrolls, 2);
  // The freed row is drawn blank after each scroll.
  EXPECT_EQ(window.draws.back().y, 23);
  EXPECT_EQ(window.draws.back().bytes, std::string(80, ' '));
}

TEST_F(ConsoleTest, AWriteDrawsOnlyTheCellsItTouchesAndPlacesTheCaret) {
  WriteText(screen(), "ab\ncd");
  ASSERT_EQ(window.draws.size(), 2u);
  EXPECT_EQ(window.draws[0].bytes, "ab");
  EXPECT_EQ(window.draws[1].y, 1);
  EXPECT_TRUE(window.caret_shown);
  EXPECT_EQ(window.caret_x, 2);
  EXPECT_EQ(window.caret_y, 1);
  screen().SetCursorShown(false);
  WriteText(screen(), "e");
  EXPECT_FALSE(window.caret_shown);
}

TEST_F(ConsoleTest, PaintDrawsEveryRowFromTheViewOrigin) {
  WriteText(screen(), "top");
  window.draws.clear();
  screen().Paint();
  ASSERT_EQ(window.draws.size(), 24u);
  EXPECT_EQ(window.draws[0].bytes, "top" + std::string(77, ' '));
  screen().SetVisibleSize(40, 10);
  EXPECT_EQ(screen().view_row(), 0);
  EXPECT_EQ(window.invalidations, 1);
}

TEST_F(ConsoleTest, ASmallWindowsViewFollowsTheCursor) {
  screen().SetVisibleSize(60, 10);
  for (int line = 0; line < 12; ++line) WriteText(screen(), "line\n");
  EXPECT_EQ(screen().view_row(), 3) << "the cursor's row 12 is the last one shown";
  PlaceCursor(70, 1);
  EXPECT_EQ(screen().view_row(), 1);
  EXPECT_EQ(screen().view_column(), 11);
  EXPECT_EQ(window.caret_x, 59);
  EXPECT_EQ(window.caret_y, 0);
  const int invalidations = window.invalidations;
  PlaceCursor(20, 5);
  EXPECT_EQ(window.invalidations, invalidations) << "a cursor in view moves nothing";
  // Back to the full size: everything is shown from the top-left.
  screen().SetVisibleSize(80, 24);
  EXPECT_EQ(screen().view_row(), 0);
  EXPECT_EQ(screen().view_column(), 0);
}

TEST_F(ConsoleTest, SavedContentsComeBackAndOnlyChangedRowsAreDrawn) {
  WriteText(screen(), "kept\nrows");
  const TextScreen::Contents contents = screen().Save();
  TextScreen::Row row;
  row.fill({'-', TextScreen::kForeground, TextScreen::kAttribute, ByteRole::Single});
  window.draws.clear();
  screen().PutRow(0, row);
  screen().PutRow(0, row);
  EXPECT_EQ(window.draws.size(), 1u);
  screen().MoveCursor(3, 20);
  screen().Restore(contents);
  EXPECT_EQ(RowText(screen(), 0), "kept");
  EXPECT_EQ(window.Row(0), "kept");
  EXPECT_EQ(window.draws.size(), 2u) << "only row 0 differed";
  EXPECT_EQ(screen().cursor_column(), 4);
  EXPECT_EQ(screen().cursor_row(), 1);
}

TEST_F(ConsoleTest, CopyAsTextLeavesOutBlankRows) {
  WriteText(screen(), "first  \n\nthird");
  EXPECT_EQ(screen().CopyText(), "first\r\nthird\r\n");
  MainWindowEvents().CopyTextRequested();
  EXPECT_EQ(window.clipboard, "first\r\nthird\r\n");
}

TEST_F(ConsoleTest, CursorRowAndPlaceCursorCheckTheirArguments) {
  WriteText(screen(), "a\nb\nc");
  EXPECT_EQ(CursorRow(), 2);
  PlaceCursor(5, 0);
  WriteText(screen(), "X");
  EXPECT_EQ(RowText(screen(), 0), "a    X");
  EXPECT_EQ(ErrorOf([] { PlaceCursor(80, 0); }), error::kBadArgument);
  EXPECT_EQ(ErrorOf([] { PlaceCursor(0, 24); }), error::kBadArgument);
  EXPECT_EQ(ErrorOf([] { PlaceCursor(-1, 0); }), error::kBadArgument);
  CloseMainWindow();
  EXPECT_EQ(ErrorOf([] { CursorRow(); }), error::kNoSuchWindow);
  EXPECT_EQ(ErrorOf([] { PlaceCursor(0, 0); }), error::kNoSuchWindow);
}

}  // namespace
