// String values: assignment, concatenation, comparison, the stack, the space and the argument area.
#include <array>
#include <string>

#include "runtime_fixture.h"
#include "values/argument_area.h"
#include "values/scratch_buffer.h"

namespace {

using StringValues = RuntimeTest;

TEST_F(StringValues, AssignmentKeepsOwnershipAndHandlesSelfAndEmpty) {
  StringDescriptor a{};
  AssignConstant(a, "hello");
  EXPECT_EQ(TextOf(a), "hello");
  EXPECT_EQ(a.kind, StringKind::Variable);
  EXPECT_TRUE(OwnsItsBytes(a));

  AssignVariable(a, a);
  EXPECT_EQ(TextOf(a), "hello");
  EXPECT_TRUE(OwnsItsBytes(a));

  PushStringVariable(a);
  AssignFromStack(a);
  EXPECT_EQ(TextOf(a), "hello");
  EXPECT_TRUE(OwnsItsBytes(a));

  AssignConstant(a, "");
  EXPECT_EQ(a.kind, StringKind::Variable);
  EXPECT_EQ(a.length, 0u);
  EXPECT_EQ(a.data, nullptr);

  PushEmptyString();
  StringDescriptor b{};
  AssignFromStack(b);
  EXPECT_EQ(b.length, 0u);
  EXPECT_EQ(b.data, nullptr);
}

TEST_F(StringValues, AssigningATemporaryReownsItsBytesWithoutCopying) {
  Push("some text");
  const std::size_t used = string_space::UsedBytes();
  StringDescriptor a{};
  AssignFromStack(a);
  EXPECT_EQ(string_space::UsedBytes(), used);
  EXPECT_TRUE(OwnsItsBytes(a));
}

TEST_F(StringValues, FixedLengthDestinationsAreRefused) {
  StringDescriptor fixed{StringKind::Fixed, 0, nullptr};
  Push("x");
  EXPECT_EQ(ErrorOf([&] { AssignFromStack(fixed); }), error::kFixedLengthAssignment);
  EXPECT_EQ(string_stack::Depth(), 0);
  EXPECT_EQ(ErrorOf([&] { AssignConstant(fixed, "x"); }), error::kFixedLengthAssignment);
  StringDescriptor padded{StringKind::FixedPadded, 0, nullptr};
  const StringDescriptor source{StringKind::Variable, 0, nullptr};
  EXPECT_EQ(ErrorOf([&] { AssignVariable(padded, source); }), error::kFixedLengthAssignment);
  EXPECT_EQ(ErrorOf([&] { ClearString(padded); }), error::kFixedLengthAssignment);
  EXPECT_EQ(padded.kind, StringKind::FixedPadded);
}

TEST_F(StringValues, Concatenation) {
  PushEmptyString();
  PushEmptyString();
  Concatenate();
  StringDescriptor result = PopString();
  EXPECT_EQ(result.kind, StringKind::Temporary);
  EXPECT_EQ(result.length, 0u);

  StringDescriptor variable{};
  AssignConstant(variable, "abc");
  PushEmptyString();
  PushStringVariable(variable);
  Concatenate();
  EXPECT_EQ(PopText(), "abc");
  EXPECT_EQ(TextOf(variable), "abc");

  Push("left ");
  Push("right");
  Concatenate();
  EXPECT_EQ(PopText(), "left right");
  EXPECT_EQ(string_stack::Depth(), 0);
}

Comparison Compare(std::string_view a, std::string_view b) {
  Push(a);
  Push(b);
  return CompareStrings();
}

TEST_F(StringValues, ComparisonIsBytewiseAndUnsigned) {
  EXPECT_EQ(Compare("", ""), Comparison::Equal);
  EXPECT_EQ(Compare("", "a"), Comparison::Smaller);
  EXPECT_EQ(Compare("a", ""), Comparison::Greater);
  EXPECT_EQ(Compare("abc", "abcd"), Comparison::Smaller);
  EXPECT_EQ(Compare("abcd", "abc"), Comparison::Greater);
  EXPECT_EQ(Compare("A", "a"), Comparison::Smaller);
  EXPECT_EQ(Compare("same", "same"), Comparison::Equal);
  EXPECT_EQ(Compare("\x81\x40", "zzz"), Comparison::Greater);
  // The first sixteen bytes are compared one by one, the rest in one go: differences on both sides of the seam.
  const std::string long_text(40, 'm');
  for (const std::size_t at : {0u, 15u, 16u, 17u, 39u}) {
    std::string higher = long_text;
    higher[at] = '\xF0';
    EXPECT_EQ(Compare(long_text, higher), Comparison::Smaller) << at;
    EXPECT_EQ(Compare(higher, long_text), Comparison::Greater) << at;
  }
  EXPECT_EQ(Compare(long_text, long_text), Comparison::Equal);
  EXPECT_EQ(string_space::UsedBytes() > 0, true);
  EXPECT_EQ(string_stack::Depth(), 0);
}

TEST_F(StringValues, LengthCountsBytes) {
  Push("\x81\xA5x");
  EXPECT_EQ(StringLength(), 3u);
}

TEST_F(StringValues, ScratchUsesTheStaticBufferUpTo512Bytes) {
  const std::size_t before = memory::GrantedRequests();
  { ScratchBuffer scratch(512); }
  EXPECT_EQ(memory::GrantedRequests(), before);
  { ScratchBuffer scratch(513); }
  EXPECT_EQ(memory::GrantedRequests(), before + 1);

  memory::RefuseAbove(ScratchBuffer::kStaticSize);
  EXPECT_EQ(ErrorOf([] { ScratchBuffer scratch(513); }), error::kOutOfMemory);
}

// A join that fits the space is copied to its place; one that needs room goes through the scratch buffer, while
// its parts, stored in the space, may move.
TEST_F(StringValues, JoinsWithAndWithoutRoomInTheSpace) {
  const std::string half(256, 'x');
  Push(half);
  Push("y");
  const std::size_t before = memory::GrantedRequests();
  Concatenate();
  EXPECT_EQ(memory::GrantedRequests(), before);
  EXPECT_EQ(PopText(), half + "y");

  const std::string big(40000, 'b');
  Push(big);
  Push(big);
  Concatenate();
  EXPECT_EQ(PopText(), big + big);
}

// Joining in place is kept to what the static scratch buffer holds: a longer join still asks for its block, and
// fails with 7 when memory refuses it although the space has room.
TEST_F(StringValues, AJoinLongerThan512BytesStillNeedsItsScratchBlock) {
  Push(std::string(1000, 'z'));
  PopText();
  Push(std::string(300, 'a'));
  Push(std::string(213, 'b'));
  const std::size_t before = memory::GrantedRequests();
  Concatenate();
  EXPECT_EQ(memory::GrantedRequests(), before + 1);
  EXPECT_EQ(PopText(), std::string(300, 'a') + std::string(213, 'b'));
  Push(std::string(300, 'a'));
  Push(std::string(213, 'b'));
  memory::RefuseAbove(ScratchBuffer::kStaticSize);
  EXPECT_EQ(ErrorOf([] { Concatenate(); }), error::kOutOfMemory);
  EXPECT_EQ(string_stack::Depth(), 0);
}

TEST_F(StringValues, TheStackHolds85Operands) {
  StringDescriptor variable{};
  for (std::size_t slot = 0; slot < string_stack::kSlots; ++slot) PushStringVariable(variable);
  EXPECT_EQ(ErrorOf([] { Push("one too many"); }), error::kExpressionTooComplex);
  EXPECT_EQ(string_stack::Depth(), 0);
}

TEST_F(StringValues, TheSpaceIsCreatedWithEnoughUnits) {
  const std::string big(70000, 'b');
  Push(big);
  EXPECT_EQ(string_space::Units(), 2u);
  EXPECT_EQ(PopText(), big);
}

TEST_F(StringValues, RepeatedAssignmentsCompactInsteadOfGrowing) {
  StringDescriptor line{};
  for (int round = 0; round < 5000; ++round) {
    const std::string text(200 + round % 300, static_cast<char>('a' + round % 26));
    AssignConstant(line, text);
    ASSERT_EQ(TextOf(line), text);
  }
  EXPECT_EQ(string_space::Units(), 1u);
  EXPECT_TRUE(OwnsItsBytes(line));

  // Each long assignment leaves the space with nothing live when it compacts: it must shrink, not pile up units.
  const std::string long_line(100000, 'l');
  for (int round = 0; round < 200; ++round) AssignConstant(line, long_line);
  EXPECT_EQ(string_space::Units(), 2u);
  EXPECT_EQ(TextOf(line), long_line);
  ClearString(line);
  EXPECT_EQ(string_space::Compact(), string_space::kUnit);
  EXPECT_EQ(string_space::Units(), 1u);
  EXPECT_EQ(string_space::UsedBytes(), 0u);
}

TEST_F(StringValues, CompactionShrinksTheSpaceWhenLongStringsGo) {
  StringDescriptor big{};
  StringDescriptor small{};
  AssignConstant(small, "kept");
  AssignConstant(big, std::string(200000, 'z'));
  EXPECT_EQ(string_space::Units(), 4u);
  ClearString(big);
  EXPECT_GT(string_space::Compact(), 0u);
  EXPECT_EQ(string_space::Units(), 1u);
  EXPECT_EQ(TextOf(small), "kept");
  EXPECT_TRUE(OwnsItsBytes(small));
}

TEST_F(StringValues, RefusedMemoryRaises7Or82AndKeepsVariables) {
  memory::RefuseAfter(0);
  EXPECT_EQ(ErrorOf([] { Push("x"); }), error::kOutOfMemory);  // the stack
  memory::StopRefusing();
  StringDescriptor variable{};
  AssignConstant(variable, "first");
  memory::RefuseAfter(0);
  EXPECT_EQ(ErrorOf([] { Push(std::string(70000, 'g')); }), error::kStringSpaceCorrupt);  // growth
  EXPECT_EQ(TextOf(variable), "first");
  memory::StopRefusing();

  ReleaseRuntime();
  memory::RefuseAbove(string_stack::kSlots * 32);  // the stack is granted, the space is not
  EXPECT_EQ(ErrorOf([] { Push("x"); }), error::kOutOfMemory);
}

// An assignment stores its copy for the destination directly, but is refused where a temporary holding the copy
// would be: at the stack's creation and at a full stack, before anything is stored.
TEST_F(StringValues, AnAssignedCopyIsRefusedWhereItsTemporaryWouldBe) {
  StringDescriptor variable{};
  memory::RefuseAfter(0);
  EXPECT_EQ(ErrorOf([&] { AssignConstant(variable, "x"); }), error::kOutOfMemory);  // the stack, not the space
  memory::StopRefusing();
  EXPECT_EQ(string_space::Units(), 0u);

  StringDescriptor source{};
  AssignConstant(source, "source");
  const std::size_t used = string_space::UsedBytes();
  for (std::size_t slot = 0; slot < string_stack::kSlots; ++slot) PushStringVariable(source);
  EXPECT_EQ(ErrorOf([&] { AssignVariable(variable, source); }), error::kExpressionTooComplex);
  EXPECT_EQ(ErrorOf([&] { AssignConstant(variable, ""); }), 0);  // the reset emptied the stack
  EXPECT_EQ(string_space::UsedBytes(), used);
  AssignVariable(variable, source);
  EXPECT_EQ(TextOf(variable), "source");
  EXPECT_TRUE(OwnsItsBytes(variable));
  EXPECT_EQ(string_stack::Depth(), 0);
}

// A refused assignment has already released the old value: the variable reads as empty, not as bytes that a
// compaction hands on to another string.
TEST_F(StringValues, ARefusedAssignmentLeavesTheVariableEmpty) {
  StringDescriptor variable{};
  StringDescriptor other{};
  AssignConstant(variable, "old value");
  for (std::size_t slot = 0; slot < string_stack::kSlots; ++slot) PushStringVariable(variable);
  EXPECT_EQ(ErrorOf([&] { AssignConstant(variable, "new value"); }), error::kExpressionTooComplex);
  EXPECT_EQ(variable.length, 0u);
  EXPECT_EQ(variable.data, nullptr);

  AssignConstant(variable, "old value");
  memory::RefuseAfter(0);
  EXPECT_EQ(ErrorOf([&] { AssignConstant(variable, std::string(70000, 'n')); }), error::kStringSpaceCorrupt);
  memory::StopRefusing();
  EXPECT_EQ(variable.length, 0u);
  string_space::Compact();
  AssignConstant(other, "other");
  EXPECT_EQ(TextOf(variable), "");
  EXPECT_EQ(TextOf(other), "other");
}

TEST_F(StringValues, ShrinkRefusedIs82) {
  StringDescriptor kept{};
  AssignConstant(kept, "kept");
  StringDescriptor big{};
  AssignConstant(big, std::string(200000, 'z'));
  ClearString(big);
  memory::RefuseAfter(0);
  EXPECT_EQ(ErrorOf([] { string_space::Compact(); }), error::kStringSpaceCorrupt);
}

// Releasing the strings of a range of the watched area (the routines' frames) walks only from the first string
// owned from inside the area: a string taken over there after it was stored, and strings moved down by a
// compaction, must still be found.
TEST_F(StringValues, ReleasingLocalsFindsTakenOverAndMovedStrings) {
  std::array<StringDescriptor, 6> area{};  // [0, 3) stands for an outer frame's locals, [3, 6) for an inner one's
  StringDescriptor outside{};
  const auto is_free = [](const StringDescriptor& string) { return string_space::OwnerOf(string.data) == nullptr; };
  string_space::WatchOwnersWithin(area.data(), area.data() + area.size());

  PushStringConstant("early");
  AssignConstant(outside, "outside");
  ReleaseFrameStrings(area.data(), area.data() + area.size());  // nothing owned from the area yet
  AssignConstant(area[0], "outer");
  AssignFromStack(area[4]);  // takes over the string stored first
  AssignConstant(area[5], "inner");
  ReleaseFrameStrings(&area[3], area.data() + area.size());
  EXPECT_TRUE(is_free(area[4]));
  EXPECT_TRUE(is_free(area[5]));
  EXPECT_TRUE(OwnsItsBytes(area[0]));
  EXPECT_TRUE(OwnsItsBytes(outside));

  AssignConstant(outside, std::string(3000, 'o'));
  AssignConstant(outside, "outside again");  // leaves a free string below the next local's
  AssignConstant(area[3], "moved down");
  string_space::Compact();
  ReleaseFrameStrings(&area[3], area.data() + area.size());
  EXPECT_TRUE(is_free(area[3]));
  ReleaseFrameStrings(area.data(), &area[3]);
  EXPECT_TRUE(is_free(area[0]));

  // Nothing is owned from the area now: the first string that is must not be passed over for a later one.
  AssignConstant(outside, "main level");
  AssignConstant(area[1], "first");
  AssignConstant(area[2], "second");
  ReleaseFrameStrings(&area[1], &area[2]);
  EXPECT_TRUE(is_free(area[1]));
  EXPECT_TRUE(OwnsItsBytes(area[2]));
  ReleaseFrameStrings(&area[2], &area[3]);
  string_space::Compact();
  EXPECT_EQ(string_space::UsedBytes(), string_space::kHeaderSize + 10);
  EXPECT_EQ(TextOf(outside), "main level");
  string_space::WatchOwnersWithin(nullptr, nullptr);
}

TEST_F(StringValues, ConcatenationBeyondTheLongestStringIs15) {
  // Two descriptors that claim huge lengths: the check comes before any byte is touched.
  StringDescriptor a{StringKind::Variable, 2000000000, nullptr};
  StringDescriptor b{StringKind::Variable, 200000000, nullptr};
  PushStringVariable(a);
  PushStringVariable(b);
  EXPECT_EQ(ErrorOf([] { Concatenate(); }), error::kStringTooLong);
}

TEST_F(StringValues, StringArgumentsAreIndependentCopies) {
  StringDescriptor source{};
  AssignConstant(source, "original");
  PushStringVariable(source);
  StringDescriptor* argument = MakeStringArgument();
  AssignConstant(*argument, "changed by the callee");
  EXPECT_EQ(TextOf(source), "original");
  EXPECT_TRUE(OwnsItsBytes(*argument));

  float* single = MakeSingleArgument(2.5f);
  EXPECT_EQ(*single, 2.5f);
  Push("third");
  MakeStringArgument();
  EXPECT_EQ(ArgumentRecordCount(), 3);

  ReleaseArguments(2);
  EXPECT_EQ(ArgumentRecordCount(), 1);
  EXPECT_EQ(TextOf(*argument), "changed by the callee");
  const std::size_t blocks = memory::LiveBlocks();
  ReleaseArguments(1);
  EXPECT_EQ(ArgumentRecordCount(), 0);
  EXPECT_EQ(memory::LiveBlocks(), blocks - 1);  // the area goes with its last record
}

TEST_F(StringValues, TheArgumentAreaRefusesRecordsThatDoNotFit) {
  std::size_t made = 0;
  RuntimeErrorNumber raised = 0;
  while (raised == 0) {
    raised = ErrorOf([] { MakeSingleArgument(1.0f); });
    if (raised == 0) ++made;
  }
  EXPECT_EQ(raised, error::kArgumentAreaFull);
  EXPECT_EQ(made, kArgumentAreaSize / 16);
  Push("no room");
  EXPECT_EQ(ErrorOf([] { MakeStringArgument(); }), error::kArgumentAreaFull);
  ReleaseArguments(ArgumentRecordCount());

  memory::RefuseAfter(0);
  EXPECT_EQ(ErrorOf([] { MakeSingleArgument(1.0f); }), error::kOutOfMemory);
}

}  // namespace
