// Arrays of strings and of fixed-length strings: bounds, automatic dimensioning and release with their routine.
#include <string>

#include "runtime_fixture.h"
#include "statements/named_routine.h"
#include "statements/statements.h"
#include "values/arrays.h"

namespace {

struct StringArray {
  ArrayDescriptor descriptor;
  ArrayShape shape{};

  DimensionRequest Request(std::int32_t value) {
    return {ElementKind::String, 1, sizeof(StringDescriptor), &descriptor, &shape, {value}};
  }
  StringDescriptor& operator[](std::int32_t index) {
    return *static_cast<StringDescriptor*>(ArrayElement(Request(index)));
  }
};

// The arrays live as long as the run, as the converter's program-wide arrays do.
class Arrays : public RuntimeTest {
 protected:
  StringArray names;
  StringArray lines;
  StringArray huge;
  StringArray late;
  StringArray kept;
  StringArray local;
  ArrayDescriptor descriptor;
  ArrayShape shape{};
  ArrayDescriptor automatic;
  ArrayShape automatic_shape{};
};

TEST_F(Arrays, BoundsAreCheckedAgainstTheUpperBound) {
  DimensionArray(names.Request(50));
  EXPECT_EQ(names[0].length, 0u);
  EXPECT_EQ(names[50].kind, StringKind::Variable);
  AssignConstant(names[50], "last");
  EXPECT_EQ(TextOf(names[50]), "last");
  EXPECT_EQ(ErrorOf([&] { names[51]; }), error::kIndexOutOfRange);
  EXPECT_EQ(ErrorOf([&] { names[-1]; }), error::kIndexOutOfRange);
  EXPECT_EQ(ErrorOf([&] { DimensionArray(names.Request(10)); }), error::kDimensionedTwice);
  EXPECT_EQ(TextOf(names[50]), "last");
}

TEST_F(Arrays, AnUndimensionedArrayGetsElevenElements) {
  EXPECT_EQ(lines[10].length, 0u);
  EXPECT_EQ(ErrorOf([&] { lines[11]; }), error::kIndexOutOfRange);
}

TEST_F(Arrays, BadRequestsAreRefused) {
  EXPECT_EQ(ErrorOf([&] { DimensionArray(huge.Request(2147483647)); }), error::kBadArgument);
  EXPECT_EQ(ErrorOf([&] { DimensionArray(huge.Request(-1)); }), error::kBadArgument);
  EXPECT_EQ(ErrorOf([&] { DimensionArray(huge.Request(400000000)); }), error::kIndexOutOfRange);  // 4 GiB or more
  memory::RefuseAbove(1000);
  EXPECT_EQ(ErrorOf([&] { DimensionArray(huge.Request(100)); }), error::kOutOfMemory);
  memory::StopRefusing();
  DimensionArray(huge.Request(3));
  DimensionRequest two_dimensional = huge.Request(1);
  two_dimensional.dimension_count = 2;
  EXPECT_EQ(ErrorOf([&] { ArrayElement(two_dimensional); }), error::kBadArgument);
}

TEST_F(Arrays, TheFirstIndexVariesFastest) {
  DimensionRequest request{ElementKind::Integer32, 2, sizeof(std::int32_t), &descriptor, &shape, {2, 3}};
  DimensionArray(request);
  request.values = {1, 2};
  auto* element = static_cast<std::int32_t*>(ArrayElement(request));
  EXPECT_EQ(element - static_cast<std::int32_t*>(descriptor.data), 2 * 3 + 1);
  EXPECT_EQ(*element, 0);
}

// An element is the string's bytes: every one starts as spaces, dimensioned or not, and stays where it is put.
TEST_F(Arrays, FixedLengthStringsStartAsSpaces) {
  constexpr std::uint32_t kLength = 5;
  DimensionRequest request{ElementKind::FixedLengthString, 1, kLength, &descriptor, &shape, {3}};
  DimensionArray(request);
  const std::string all(static_cast<const char*>(descriptor.data), 4 * kLength);
  EXPECT_EQ(all, std::string(4 * kLength, ' '));
  request.values = {2};
  auto* third = static_cast<char*>(ArrayElement(request));
  EXPECT_EQ(third - static_cast<char*>(descriptor.data), 2 * kLength);
  third[0] = 'x';

  DimensionRequest unset{ElementKind::FixedLengthString, 1, kLength, &automatic, &automatic_shape, {10}};
  EXPECT_EQ(std::string(static_cast<const char*>(ArrayElement(unset)), kLength), "     ");
  request.values = {2};
  EXPECT_EQ(std::string(static_cast<const char*>(ArrayElement(request)), kLength), "x    ");
}

TEST_F(Arrays, DimensioningInsideTheErrorHandlerIs76) {
  Errors().in_handler = true;
  EXPECT_EQ(ErrorOf([&] { late[0]; }), error::kDimensionInHandler);
}

struct LocalArrayFrame {
  StringArray* array;
};

const NamedRoutine<LocalArrayFrame, &LocalArrayFrame::array> FillsALocalArray(kQelvorinModule, {
    {10, [](LocalArrayFrame& f) {
       DimensionArray(f.array->Request(5));
       AssignConstant((*f.array)[5], "goes with the routine");
     }},
});

// The inner routine's array goes when an error leaves it; the outer routine's arrays, made before and after the
// call, go when the outer routine ends.
const NamedRoutine<LocalArrayFrame, &LocalArrayFrame::array> FailsWithALocalArray(kQelvorinModule, {
    {10, [](LocalArrayFrame& f) {
       DimensionArray(f.array->Request(3));
       RaiseError(error::kBadArgument);
     }},
});

TEST_F(Arrays, ArraysOfANamedRoutineAreFreedWhenItIsLeft) {
  DimensionArray(kept.Request(2));
  AssignConstant(kept[2], "stays");
  const std::size_t blocks = memory::LiveBlocks();
  FillsALocalArray(local);
  EXPECT_EQ(local.descriptor.data, nullptr);
  EXPECT_EQ(memory::LiveBlocks(), blocks);
  EXPECT_EQ(TextOf(kept[2]), "stays");
  string_space::Compact();
  EXPECT_EQ(TextOf(kept[2]), "stays");
  EXPECT_TRUE(OwnsItsBytes(kept[2]));
}

TEST_F(Arrays, NestedRoutinesFreeOnlyTheirOwnArrays) {
  static StringArray before_call;
  static StringArray inner;
  static StringArray after_call;
  before_call = {};
  inner = {};
  after_call = {};
  struct Frame {
    float* unused;
  };
  static const NamedRoutine<Frame, &Frame::unused> outer(kQelvorinModule, {
      OnErrorGoTo(10, "caught"),
      {20, [](Frame&) { DimensionArray(before_call.Request(1)); }},
      {30, [](Frame&) { FailsWithALocalArray(inner); }},
      {"caught", 40, [](Frame&) {
         EXPECT_EQ(inner.descriptor.data, nullptr);
         EXPECT_NE(before_call.descriptor.data, nullptr);
       }},
      ResumeAtLabel(50, "end"),
      {"end", 60, [](Frame&) { DimensionArray(after_call.Request(1)); }},
  });
  DimensionArray(kept.Request(1));
  const std::size_t blocks = memory::LiveBlocks();
  outer(1.0f);
  EXPECT_EQ(before_call.descriptor.data, nullptr);
  EXPECT_EQ(after_call.descriptor.data, nullptr);
  EXPECT_NE(kept.descriptor.data, nullptr);
  EXPECT_EQ(memory::LiveBlocks(), blocks);
}

}  // namespace
