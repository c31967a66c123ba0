// Long random sequences of string operations against a plain model of the expected values, with the space
// forced to compact, grow and shrink.
#include <array>
#include <random>
#include <string>
#include <vector>

#include "runtime_fixture.h"
#include "statements/named_routine.h"
#include "values/argument_area.h"
#include "values/string_functions.h"

namespace {

constexpr std::size_t kVariables = 12;

struct JoinFrame {
  StringDescriptor* left;
  StringDescriptor* right;
  StringDescriptor result;
  StringDescriptor scratch;
};

// A named routine whose local strings must go when it returns, and whose result must survive.
const NamedRoutine<JoinFrame, &JoinFrame::left, &JoinFrame::right> Join(kQelvorinModule, {
    {10, [](JoinFrame& f) {
       AssignConstant(f.scratch, std::string(3000, 'l'));
       PushStringVariable(*f.left);
       PushStringVariable(*f.right);
       Concatenate();
       AssignFromStack(f.result);
     }},
});

class StringStoreModel : public RuntimeTest {
 protected:
  std::string RandomText(std::size_t longest) {
    std::uniform_int_distribution<std::size_t> length(0, longest);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string text(length(random), '\0');
    for (char& c : text) c = static_cast<char>(byte(random));
    return text;
  }

  std::size_t Any(std::size_t count) { return std::uniform_int_distribution<std::size_t>(0, count - 1)(random); }

  void Step() {
    const std::size_t i = Any(kVariables);
    const std::size_t j = Any(kVariables);
    switch (Any(10)) {
      case 0: {
        // Now and then a long line, so the space has to grow.
        const std::string text = RandomText(Any(20) == 0 ? 150000 : 2000);
        AssignConstant(variables[i], text);
        model[i] = text;
        break;
      }
      case 1: {
        const std::size_t k = Any(kVariables);
        const std::string expected = model[j] + model[k];
        PushStringVariable(variables[j]);
        PushStringVariable(variables[k]);
        Concatenate();
        AssignFromStack(variables[i]);
        model[i] = expected;
        break;
      }
      case 2:
        ClearString(variables[i]);
        model[i].clear();
        break;
      case 3:
        AssignVariable(variables[i], variables[j]);
        model[i] = model[j];
        break;
      case 4: {
        PushStringVariable(variables[j]);
        arguments.push_back(MakeStringArgument());
        argument_model.push_back(model[j]);
        break;
      }
      case 5:
        if (!arguments.empty()) {
          const std::uint16_t count = static_cast<std::uint16_t>(1 + Any(arguments.size()));
          ReleaseArguments(count);
          arguments.resize(arguments.size() - count);
          argument_model.resize(argument_model.size() - count);
        }
        break;
      case 6: {
        const std::string expected = model[j] + model[i];
        Let(variables[i], Join(variables[j], variables[i]));
        model[i] = expected;
        break;
      }
      case 7: {
        const std::int32_t start = static_cast<std::int32_t>(1 + Any(50));
        const std::int32_t count = static_cast<std::int32_t>(Any(100));
        PushStringVariable(variables[j]);
        MidBytes(start, count);
        AssignFromStack(variables[i]);
        model[i] = static_cast<std::size_t>(start) > model[j].size() ? "" : model[j].substr(start - 1, count);
        break;
      }
      case 8:
        EXPECT_EQ(ErrorOf([&] {
                    PushStringVariable(variables[j]);
                    PushStringConstant(RandomText(600));
                    Concatenate();
                    RaiseError(error::kBadArgument);
                  }),
                  error::kBadArgument);
        break;
      case 9:
        string_space::Compact();
        break;
    }
  }

  void CheckEverything() {
    ASSERT_EQ(string_stack::Depth(), 0);
    for (std::size_t index = 0; index < kVariables; ++index) {
      ASSERT_EQ(TextOf(variables[index]), model[index]) << "variable " << index;
      ASSERT_TRUE(OwnsItsBytes(variables[index])) << "variable " << index;
    }
    for (std::size_t index = 0; index < arguments.size(); ++index) {
      ASSERT_EQ(TextOf(*arguments[index]), argument_model[index]) << "argument " << index;
      ASSERT_TRUE(OwnsItsBytes(*arguments[index])) << "argument " << index;
    }
  }

  std::mt19937 random;
  std::array<StringDescriptor, kVariables> variables{};
  std::array<std::string, kVariables> model;
  std::vector<StringDescriptor*> arguments;
  std::vector<std::string> argument_model;
};

TEST_F(StringStoreModel, RandomOperationsKeepEveryValue) {
  std::size_t largest = 0;
  bool shrank = false;
  for (const unsigned seed : {1u, 2u, 3u}) {
    random.seed(seed);
    for (int step = 0; step < 4000; ++step) {
      const std::size_t units = string_space::Units();
      Step();
      CheckEverything();
      if (HasFatalFailure()) return;
      largest = std::max(largest, string_space::Units());
      shrank = shrank || string_space::Units() < units;
    }
  }
  EXPECT_GT(largest, 2u);
  EXPECT_TRUE(shrank);
}

}  // namespace
