// Argument records of every kind: numbers the callee changes in place, and fixed-length strings whose working string
// goes back into their buffer when the record is released.
#include <stdexcept>
#include <string>

#include "runtime_fixture.h"
#include "values/argument_area.h"
#include "values/memory.h"
#include "values/string_space.h"
#include "values/string_stack.h"

namespace {

using ArgumentArea = RuntimeTest;

struct Buffer {
  explicit Buffer(std::string text) : bytes(std::move(text)) {}
  FixedLengthBuffer view() {
    return {static_cast<std::uint32_t>(bytes.size()), reinterpret_cast<std::uint8_t*>(bytes.data())};
  }
  std::string bytes;
};

TEST_F(ArgumentArea, NumberRecordsHoldWhatTheCalleeWrites) {
  std::int16_t* small = MakeInteger16Argument(-7);
  std::int32_t* large = MakeInteger32Argument(100000);
  double* precise = MakeDoubleArgument(0.1);
  EXPECT_EQ(*small, -7);
  EXPECT_EQ(*large, 100000);
  EXPECT_EQ(*precise, 0.1);
  *small = 32767;
  *precise = 1e300;
  float* single = MakeSingleArgument(1.5f);
  EXPECT_EQ(*small, 32767);
  EXPECT_EQ(*large, 100000);
  EXPECT_EQ(*precise, 1e300);
  EXPECT_EQ(*single, 1.5f);
  EXPECT_EQ(ArgumentRecordCount(), 4);
  ReleaseArguments(4);
  EXPECT_EQ(ArgumentBytesUsed(), 0);
}

// A computed argument is a temporary already: the record takes its bytes over instead of storing them again.
TEST_F(ArgumentArea, AComputedStringBecomesTheRecordsOwn) {
  Push("computed");
  const std::size_t used = string_space::UsedBytes();
  StringDescriptor* argument = MakeStringArgument();
  EXPECT_EQ(TextOf(*argument), "computed");
  EXPECT_EQ(string_stack::Depth(), 0);
  EXPECT_EQ(string_space::UsedBytes(), used);
  EXPECT_EQ(string_space::OwnerOf(argument->data), argument);
  ReleaseArguments(1);
}

// The area's block is kept for the next call, but to the counters and the refusal controls it still comes and goes
// with its records.
TEST_F(ArgumentArea, TheAreaKeptForTheNextCallIsStillRequestedAndMayBeRefused) {
  MakeSingleArgument(1.0f);
  ReleaseArguments(1);
  const std::size_t granted = memory::GrantedRequests();
  const std::size_t live = memory::LiveBlocks();
  float* value = MakeSingleArgument(2.0f);
  EXPECT_EQ(*value, 2.0f);
  EXPECT_EQ(memory::GrantedRequests(), granted + 1);
  EXPECT_EQ(memory::LiveBlocks(), live + 1);
  ReleaseArguments(1);
  EXPECT_EQ(memory::LiveBlocks(), live);
  memory::RefuseAfter(0);
  EXPECT_EQ(ErrorOf([] { MakeSingleArgument(3.0f); }), error::kOutOfMemory);
  EXPECT_EQ(ArgumentRecordCount(), 0);
}

TEST_F(ArgumentArea, AFixedLengthStringGoesBackCutOrPaddedWithSpaces) {
  Buffer longer("abc  ");
  Buffer shorter("abcdef");
  Buffer emptied("xyz");
  Buffer untouched("kept");
  StringDescriptor* first = MakeFixedLengthArgument(StringKind::Fixed, longer.view());
  StringDescriptor* second = MakeFixedLengthArgument(StringKind::FixedPadded, shorter.view());
  StringDescriptor* third = MakeFixedLengthArgument(StringKind::FixedView, emptied.view());
  MakeFixedLengthArgument(StringKind::Fixed, untouched.view());
  EXPECT_EQ(TextOf(*first), "abc  ");
  EXPECT_TRUE(OwnsItsBytes(*first));
  AssignConstant(*first, "a longer text");
  AssignConstant(*second, "xy");
  ClearString(*third);
  EXPECT_EQ(longer.bytes, "abc  ") << "nothing goes back before the release";

  ReleaseArguments(3);
  EXPECT_EQ(shorter.bytes, "xy    ");
  EXPECT_EQ(emptied.bytes, "   ");
  EXPECT_EQ(untouched.bytes, "kept");
  EXPECT_EQ(longer.bytes, "abc  ") << "the first record is not among the last three";
  EXPECT_EQ(TextOf(*first), "a longer text");
  ReleaseArguments(1);
  EXPECT_EQ(longer.bytes, "a lon");
  EXPECT_EQ(ArgumentRecordCount(), 0);
}

TEST_F(ArgumentArea, AFixedLengthRecordThatDoesNotFitLeavesItsBufferAlone) {
  while (ErrorOf([] { MakeSingleArgument(0.0f); }) == 0) {
  }
  Buffer buffer("unchanged");
  EXPECT_EQ(ErrorOf([&] { MakeFixedLengthArgument(StringKind::Fixed, buffer.view()); }), error::kArgumentAreaFull);
  EXPECT_EQ(string_stack::Depth(), 0);
  ReleaseArguments(ArgumentRecordCount());
  EXPECT_EQ(buffer.bytes, "unchanged");

  Buffer empty("");
  StringDescriptor* working = MakeFixedLengthArgument(StringKind::Fixed, empty.view());
  AssignConstant(*working, "no room for it");
  ReleaseArguments(1);
  EXPECT_EQ(empty.bytes, "");
  EXPECT_THROW(MakeFixedLengthArgument(StringKind::Variable, buffer.view()), std::logic_error);
}

}  // namespace
