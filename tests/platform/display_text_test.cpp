// cp932 cells and texts as the terminal shows them.
#include <gtest/gtest.h>

#include <clocale>
#include <vector>

#include "platform/posix/display_text.h"

namespace {

using platform::ByteRole;
using platform::Cell;
using platform::posix::DisplayEncoder;
using platform::posix::Layout;

std::vector<Cell> Cells(std::string_view bytes, std::initializer_list<ByteRole> roles) {
  std::vector<Cell> cells;
  auto role = roles.begin();
  for (const char byte : bytes) cells.push_back({static_cast<std::uint8_t>(byte), 7, 4, *role++});
  return cells;
}

class Display : public ::testing::Test {
 protected:
  void SetUp() override { std::setlocale(LC_CTYPE, "C"); }
  void TearDown() override { std::setlocale(LC_CTYPE, "C"); }

  std::string Shown(const std::vector<Cell>& cells, std::size_t first, std::size_t end, Layout layout) {
    DisplayEncoder encoder;
    std::string out;
    encoder.AppendCells(out, cells, first, end, layout);
    return out;
  }
};

constexpr ByteRole S = ByteRole::Single;
constexpr ByteRole L = ByteRole::Lead;
constexpr ByteRole T = ByteRole::Trail;

TEST_F(Display, PairsAreWholeCharactersAndLoneHalvesBlanks) {
  // The C locale shows UTF-8.
  const auto cells = Cells("a\x82\xA0\xB1\x82\x01", {S, L, T, S, L, S});
  EXPECT_EQ(Shown(cells, 0, 6, Layout::Line), "aあｱ ?");
  EXPECT_EQ(Shown(cells, 2, 4, Layout::Line), " ｱ") << "a trail without its lead in the range";
  EXPECT_EQ(Shown(cells, 0, 2, Layout::Line), "a ") << "a lead without its trail in the range";
}

TEST_F(Display, UnconvertibleBytesShowAsQuestionMarks) {
  const auto cells = Cells("\xFD\x85\x40", {S, L, T});
  EXPECT_EQ(Shown(cells, 0, 3, Layout::Screen), "???");
}

TEST_F(Display, OnAScreenEveryCharacterFillsItsCells) {
  if (std::setlocale(LC_CTYPE, "C.UTF-8") == nullptr) GTEST_SKIP() << "no C.UTF-8 locale";
  // "×" is drawn one column wide by terminals: a blank makes up the second cell.
  const auto cells = Cells("\x81\x7E\x82\xA0", {L, T, L, T});
  EXPECT_EQ(Shown(cells, 0, 4, Layout::Screen), "× あ");
  EXPECT_EQ(Shown(cells, 0, 4, Layout::Line), "×あ");
}

TEST_F(Display, TextsTurnLineEndsIntoNewlines) {
  DisplayEncoder encoder;
  EXPECT_EQ(encoder.Text("a\r\nb\rc\n\x8D\x73"), "a\nb\nc\n行");
}

}  // namespace
