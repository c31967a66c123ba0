// Expressions in reading order: a statement of the program written as the line it came from,
//
//     Let(c.subject_key, LTrim(Mid(c.subject_key, 4)));
//     return InStr(c.line_text, "From:") == 1;
//
// Each helper builds a small object that does nothing until the statement evaluates it. Evaluation pushes the
// string operands on the string stack from left to right, evaluates numeric operands in the same order, rounds
// counts and positions with RoundToInteger, and then runs the support operation, exactly as a compiled statement
// would. String operands are variables (pushed by reference), cp932 constants, or other string expressions;
// numeric operands are numbers (a float is a single-precision value, an int a whole number) or numeric
// expressions.
#pragma once

#include <array>
#include <concepts>
#include <cstdint>
#include <limits>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>

#include "values/numbers.h"
#include "values/string_functions.h"
#include "values/string_values.h"

struct StringExpressionTag {};
struct NumberExpressionTag {};

template <class T>
concept StringExpression = std::derived_from<std::remove_cvref_t<T>, StringExpressionTag>;
template <class T>
concept NumberExpression = std::derived_from<std::remove_cvref_t<T>, NumberExpressionTag>;
template <class T>
concept PlainNumber = std::is_arithmetic_v<std::remove_cvref_t<T>> && !std::is_same_v<std::remove_cvref_t<T>, bool>;
template <class T>
concept NumberOperandLike = NumberExpression<T> || PlainNumber<T>;

// --- Operands -------------------------------------------------------------------------------------------------

struct StringVariableOperand : StringExpressionTag {
  StringDescriptor* variable;
  void Push() const { PushStringVariable(*variable); }
};

// A constant of the statement's own text: it outlives the statement's evaluation.
struct StringConstantOperand : StringExpressionTag {
  std::string_view text;
  void Push() const { PushProgramConstant(text); }
};

inline StringVariableOperand StringOperand(StringDescriptor& variable) { return {{}, &variable}; }
inline StringConstantOperand StringOperand(std::string_view text) { return {{}, text}; }
template <class Text>
  requires std::is_same_v<std::remove_cvref_t<Text>, const char*> || std::is_same_v<std::remove_cvref_t<Text>, char*>
StringConstantOperand StringOperand(Text&& text) {
  return {{}, text};
}
// A string literal's length is known when the program is built: its array holds the bytes and the closing NUL.
template <std::size_t N>
StringConstantOperand StringOperand(const char (&literal)[N]) {
  return {{}, std::string_view(literal, N - 1)};
}
template <StringExpression E>
std::remove_cvref_t<E> StringOperand(E&& expression) {
  return expression;
}

struct NumberConstantOperand : NumberExpressionTag {
  Number number;
  Number Evaluate() const { return number; }
};

// Whole numbers keep an integer type, floats are single precision and doubles double precision.
template <PlainNumber T>
NumberConstantOperand NumberOperand(T value) {
  using Plain = std::remove_cvref_t<T>;
  if constexpr (std::is_integral_v<Plain>) {
    const bool small = value >= std::numeric_limits<std::int16_t>::min() && value <= std::numeric_limits<std::int16_t>::max();
    return {{}, {small ? NumberType::Integer16 : NumberType::Integer32, static_cast<double>(value)}};
  } else if constexpr (std::is_same_v<Plain, float>) {
    return {{}, {NumberType::Single, value}};
  } else {
    return {{}, {NumberType::Double, static_cast<double>(value)}};
  }
}
template <NumberExpression E>
std::remove_cvref_t<E> NumberOperand(E&& expression) {
  return expression;
}

template <class T>
using StringOperandOf = decltype(StringOperand(std::declval<T>()));
template <class T>
using NumberOperandOf = decltype(NumberOperand(std::declval<T>()));

// What evaluating an operand leaves: a string operand is on the stack, a number is a value.
struct OnStack {};
template <StringExpression E>
OnStack EvaluateOperand(const E& operand) {
  operand.Push();
  return {};
}
template <NumberExpression E>
Number EvaluateOperand(const E& operand) {
  return operand.Evaluate();
}

// Counts and positions of the text functions are 32-bit integers, rounded halves away from zero.
inline std::int32_t Count(const Number& number) { return RoundToInteger(number.value); }

// --- Operands read in place -----------------------------------------------------------------------------------

// A statement that uses a text at once (compares, searches or measures it, joins it, stores it as a result or
// prints it) reads its bytes where they lie when the text is a variable, a constant, or a byte part or left trim
// of one whose numeric operands store no string: nothing is pushed, and no part is stored before the result. The
// operands are still evaluated left to right with the same checks, and as nothing is stored until the result is,
// nothing can move the bytes read. A variable that holds a temporary handed over from a routine is pushed as
// before, since pushing it takes its bytes over.
template <class T>
inline constexpr bool kReadInPlace = false;
template <>
inline constexpr bool kReadInPlace<StringVariableOperand> = true;
template <>
inline constexpr bool kReadInPlace<StringConstantOperand> = true;
template <class T>
concept ReadInPlace = kReadInPlace<std::remove_cvref_t<T>>;

// Numeric operands whose evaluation stores no string.
template <class T>
inline constexpr bool kStoresNothing = false;
template <>
inline constexpr bool kStoresNothing<NumberConstantOperand> = true;

inline bool CanReadInPlace(const StringVariableOperand& operand) {
  return operand.variable->kind != StringKind::Temporary && operand.variable->kind != StringKind::FixedView;
}
inline bool CanReadInPlace(const StringConstantOperand&) { return true; }
inline std::string_view BytesOf(const StringVariableOperand& operand) {
  return {reinterpret_cast<const char*>(operand.variable->data), operand.variable->length};
}
inline std::string_view BytesOf(const StringConstantOperand& operand) { return operand.text; }

// --- Nodes ----------------------------------------------------------------------------------------------------

// Evaluates the operands left to right (a braced list is evaluated in order) and hands the results to Action.
template <class Action, class... Operands>
auto EvaluateInOrder(const std::tuple<Operands...>& operands) {
  return std::apply(
      [](const Operands&... each) {
        return std::apply(Action{}, std::tuple<decltype(EvaluateOperand(each))...>{EvaluateOperand(each)...});
      },
      operands);
}

template <class Action, class... Operands>
struct StringNode : StringExpressionTag {
  std::tuple<Operands...> operands;
  void Push() const {
    if constexpr (kReadInPlace<StringNode>) {
      if (CanReadInPlace(*this)) {
        PushText(BytesOf(*this));
        return;
      }
    }
    EvaluateInOrder<Action>(operands);
  }
};

// A part of a text read in place: the text first, then the numbers in order, then the part's own checks.
template <class Action, class Text, class... Numbers>
inline constexpr bool kReadInPlace<StringNode<Action, Text, Numbers...>> =
    requires { Action::kTakesPart; } && kReadInPlace<Text> && (kStoresNothing<Numbers> && ...);
template <class Action, class Text, class... Numbers>
bool CanReadInPlace(const StringNode<Action, Text, Numbers...>& node) {
  return CanReadInPlace(std::get<0>(node.operands));
}
template <class Action, class Text, class... Numbers>
std::string_view BytesOf(const StringNode<Action, Text, Numbers...>& node) {
  return std::apply(
      [](const Text& text, const Numbers&... numbers) {
        const std::string_view bytes = BytesOf(text);
        const std::array<Number, sizeof...(Numbers)> values{numbers.Evaluate()...};
        return [&]<std::size_t... Index>(std::index_sequence<Index...>) {
          return Action::Part(bytes, values[Index]...);
        }(std::index_sequence_for<Numbers...>{});
      },
      node.operands);
}

template <class Action, class... Operands>
struct NumberNode : NumberExpressionTag {
  std::tuple<Operands...> operands;
  Number Evaluate() const {
    if constexpr (requires { Action::kMeasures; } && (ReadInPlace<Operands> && ...)) {
      const auto& text = std::get<0>(operands);
      if (CanReadInPlace(text)) return Action::Measure(BytesOf(text));
    }
    return EvaluateInOrder<Action>(operands);
  }
};
// Arithmetic, and measures and searches of variables and constants, store nothing.
template <class Action, class... Operands>
inline constexpr bool kStoresNothing<NumberNode<Action, Operands...>> =
    ((requires { Action::kMeasures; } && (ReadInPlace<Operands> && ...)) ||
     (requires { Action::kArithmetic; } && (kStoresNothing<Operands> && ...)));

template <class Action, class... Arguments>
auto MakeStringNode(Arguments&&... arguments) {
  using Node = StringNode<Action, std::remove_cvref_t<Arguments>...>;
  return Node{{}, {std::forward<Arguments>(arguments)...}};
}
template <class Action, class... Arguments>
auto MakeNumberNode(Arguments&&... arguments) {
  using Node = NumberNode<Action, std::remove_cvref_t<Arguments>...>;
  return Node{{}, {std::forward<Arguments>(arguments)...}};
}

inline Number WholeNumber(std::int32_t value) { return {NumberType::Integer32, static_cast<double>(value)}; }

// --- String functions -----------------------------------------------------------------------------------------

namespace expression_actions {
inline constexpr std::int32_t kRest = std::numeric_limits<std::int32_t>::max();
struct Left {
  static constexpr bool kTakesPart = true;
  void operator()(OnStack, Number n) const { LeftBytes(Count(n)); }
  static std::string_view Part(std::string_view s, Number n) { return LeftPart(s, Count(n)); }
};
struct Right {
  static constexpr bool kTakesPart = true;
  void operator()(OnStack, Number n) const { RightBytes(Count(n)); }
  static std::string_view Part(std::string_view s, Number n) { return RightPart(s, Count(n)); }
};
// Without a count: the bytes from start to the end of the text.
struct Mid {
  static constexpr bool kTakesPart = true;
  void operator()(OnStack, Number start) const { MidBytes(Count(start), kRest); }
  void operator()(OnStack, Number start, Number n) const { MidBytes(Count(start), Count(n)); }
  static std::string_view Part(std::string_view s, Number start) { return MidPart(s, Count(start), kRest); }
  static std::string_view Part(std::string_view s, Number start, Number n) { return MidPart(s, Count(start), Count(n)); }
};
struct LeftChars { void operator()(OnStack, Number n) const { ::LeftChars(Count(n)); } };
struct MidChars { void operator()(OnStack, Number start, Number n) const { ::MidChars(Count(start), Count(n)); } };
struct LTrim {
  static constexpr bool kTakesPart = true;
  void operator()(OnStack) const { TrimLeft(); }
  static std::string_view Part(std::string_view s) { return TrimmedLeft(s); }
};
struct Trim { void operator()(OnStack) const { TrimBoth(); } };
struct UCase { void operator()(OnStack) const { UpperCase(); } };
struct LCase { void operator()(OnStack) const { LowerCase(); } };
struct HalfWidth { void operator()(OnStack) const { ToHalfWidth(); } };
struct Str {
  void operator()(Number number) const {
    if (number.type == NumberType::Single) {
      TextFromNumber(static_cast<float>(number.value));
    } else {
      TextFromNumber(number.value);
    }
  }
};
struct Len {
  static constexpr bool kMeasures = true;
  Number operator()(OnStack) const { return WholeNumber(static_cast<std::int32_t>(StringLength())); }
  static Number Measure(std::string_view s) { return WholeNumber(static_cast<std::int32_t>(s.size())); }
};
struct CharCount {
  static constexpr bool kMeasures = true;
  Number operator()(OnStack) const { return WholeNumber(CountChars(0)); }
  static Number Measure(std::string_view s) { return WholeNumber(CharactersIn(s)); }
};
struct DoubleByteAt { Number operator()(OnStack, Number n) const { return WholeNumber(IsDoubleByteAt(Count(n))); } };
struct Val { Number operator()(OnStack) const { return NumberFromText(); } };
}  // namespace expression_actions

// A function of a text and its numeric arguments, with a text result (Result = StringNode) or a numeric one.
template <class Action, template <class, class...> class Result>
struct TextFunction {
  template <class S, class... N>
  auto operator()(S&& text, N&&... numbers) const {
    return Result<Action, StringOperandOf<S>, NumberOperandOf<N>...>{
        {}, {StringOperand(std::forward<S>(text)), NumberOperand(std::forward<N>(numbers))...}};
  }
};

inline constexpr TextFunction<expression_actions::Left, StringNode> Left;
inline constexpr TextFunction<expression_actions::Right, StringNode> Right;
inline constexpr TextFunction<expression_actions::Mid, StringNode> Mid;
inline constexpr TextFunction<expression_actions::LTrim, StringNode> LTrim;
inline constexpr TextFunction<expression_actions::Trim, StringNode> Trim;
inline constexpr TextFunction<expression_actions::UCase, StringNode> UCase;
inline constexpr TextFunction<expression_actions::LCase, StringNode> LCase;
inline constexpr TextFunction<expression_actions::HalfWidth, StringNode> HalfWidth;
inline constexpr TextFunction<expression_actions::Len, NumberNode> Len;
inline constexpr TextFunction<expression_actions::CharCount, NumberNode> CharCount;
// 1 when the n-th character begins with a lead byte.
inline constexpr TextFunction<expression_actions::DoubleByteAt, NumberNode> DoubleByteAt;
inline constexpr TextFunction<expression_actions::Val, NumberNode> Val;
// The character functions share their names with the operations on the stack, so they stay overloads.
template <class S, class N>
auto LeftChars(S&& text, N&& count) {
  return TextFunction<expression_actions::LeftChars, StringNode>{}(std::forward<S>(text), std::forward<N>(count));
}
template <class S, class N, class M>
auto MidChars(S&& text, N&& start, M&& count) {
  return TextFunction<expression_actions::MidChars, StringNode>{}(std::forward<S>(text), std::forward<N>(start),
                                                                  std::forward<M>(count));
}
// The texts joined from the left: each one is pushed and joined to what is already there.
// Texts that can all be read in place are joined in one store: each length is checked as it is added, as each join
// would check it.
template <class... Operands>
struct CatNode : StringExpressionTag {
  std::tuple<Operands...> operands;
  void Push() const {
    if constexpr ((ReadInPlace<Operands> && ...)) {
      if (std::apply([](const Operands&... each) { return (CanReadInPlace(each) && ...); }, operands)) {
        std::array<std::string_view, sizeof...(Operands)> parts;
        std::uint32_t total = 0;
        std::size_t index = 0;
        std::apply([&](const Operands&... each) { ((parts[index] = BytesOf(each), total = JoinedLength(total, parts[index++])), ...); },
                   operands);
        PushJoined(parts, total);
        return;
      }
    }
    std::apply(
        [](const auto& first, const auto&... more) {
          first.Push();
          ((more.Push(), Concatenate()), ...);
        },
        operands);
  }
};
template <class S, class... More>
  requires(sizeof...(More) > 0)
auto Cat(S&& first, More&&... more) {
  return CatNode<StringOperandOf<S>, StringOperandOf<More>...>{
      {}, {StringOperand(std::forward<S>(first)), StringOperand(std::forward<More>(more))...}};
}
// The text form of a number: single precision for single values, the exact digits of whole numbers otherwise.
template <class N>
auto Str(N&& number) {
  return MakeStringNode<expression_actions::Str>(NumberOperand(std::forward<N>(number)));
}

// The searches take the sought text first on the stack and the searched text on top, as the search operations
// expect; the start position is evaluated before both.
enum class SearchUnit : std::uint8_t { Bytes, Characters };
template <SearchUnit Unit, class Start, class Source, class Sought>
struct SearchNode : NumberExpressionTag {
  Start start;
  Source source;
  Sought sought;
  Number Evaluate() const {
    const std::int32_t from = Count(start.Evaluate());
    if constexpr (ReadInPlace<Source> && ReadInPlace<Sought>) {
      if (CanReadInPlace(source) && CanReadInPlace(sought)) {
        const std::string_view t = BytesOf(sought);
        const std::string_view s = BytesOf(source);
        return WholeNumber(Unit == SearchUnit::Bytes ? FindBytesIn(from, s, t) : FindCharsIn(from, s, t));
      }
    }
    sought.Push();
    source.Push();
    return WholeNumber(Unit == SearchUnit::Bytes ? FindBytes(from) : FindChars(from));
  }
};
template <SearchUnit Unit, class Start, class Source, class Sought>
inline constexpr bool kStoresNothing<SearchNode<Unit, Start, Source, Sought>> =
    kStoresNothing<Start> && ReadInPlace<Source> && ReadInPlace<Sought>;
template <SearchUnit Unit, class N, class S, class T>
auto Search(N&& start, S&& source, T&& sought) {
  return SearchNode<Unit, NumberOperandOf<N>, StringOperandOf<S>, StringOperandOf<T>>{
      {}, NumberOperand(std::forward<N>(start)), StringOperand(std::forward<S>(source)), StringOperand(std::forward<T>(sought))};
}

// Byte position of sought in source (from byte start), 0 when absent.
template <class S, class T>
auto InStr(S&& source, T&& sought) {
  return Search<SearchUnit::Bytes>(1, std::forward<S>(source), std::forward<T>(sought));
}
template <NumberOperandLike N, class S, class T>
auto InStr(N&& start, S&& source, T&& sought) {
  return Search<SearchUnit::Bytes>(std::forward<N>(start), std::forward<S>(source), std::forward<T>(sought));
}
// Character position (a double-byte character counts as one).
template <class S, class T>
auto InStrChars(S&& source, T&& sought) {
  return Search<SearchUnit::Characters>(1, std::forward<S>(source), std::forward<T>(sought));
}
template <NumberOperandLike N, class S, class T>
auto InStrChars(N&& start, S&& source, T&& sought) {
  return Search<SearchUnit::Characters>(std::forward<N>(start), std::forward<S>(source), std::forward<T>(sought));
}

// --- Arithmetic and comparison --------------------------------------------------------------------------------

// The wider of two types; whole numbers that leave their type widen instead of overflowing.
Number Arithmetic(char operation, const Number& left, const Number& right);

namespace expression_actions {
template <char Operation>
struct Arithmetic {
  static constexpr bool kArithmetic = true;
  Number operator()(Number left, Number right) const { return ::Arithmetic(Operation, left, right); }
};
}  // namespace expression_actions

template <class L, class R>
  requires(NumberExpression<L> || NumberExpression<R>) && NumberOperandLike<L> && NumberOperandLike<R>
auto operator+(L&& left, R&& right) {
  return MakeNumberNode<expression_actions::Arithmetic<'+'>>(NumberOperand(std::forward<L>(left)), NumberOperand(std::forward<R>(right)));
}
template <class L, class R>
  requires(NumberExpression<L> || NumberExpression<R>) && NumberOperandLike<L> && NumberOperandLike<R>
auto operator-(L&& left, R&& right) {
  return MakeNumberNode<expression_actions::Arithmetic<'-'>>(NumberOperand(std::forward<L>(left)), NumberOperand(std::forward<R>(right)));
}
template <class L, class R>
  requires(NumberExpression<L> || NumberExpression<R>) && NumberOperandLike<L> && NumberOperandLike<R>
auto operator*(L&& left, R&& right) {
  return MakeNumberNode<expression_actions::Arithmetic<'*'>>(NumberOperand(std::forward<L>(left)), NumberOperand(std::forward<R>(right)));
}

// A character count of a text read in place, compared with a whole number that is not negative, stops one
// character past that number: the comparison comes out the same with the count cut there.
template <class L>
inline constexpr bool kCountsCharactersInPlace = false;
template <class Text>
inline constexpr bool kCountsCharactersInPlace<NumberNode<expression_actions::CharCount, Text>> = ReadInPlace<Text>;

// Comparisons evaluate the left operand, then the right one, and give the truth at once.
template <class L, class R>
std::pair<double, double> EvaluatePair(const L& left, const R& right) {
  if constexpr (kCountsCharactersInPlace<L> && std::is_integral_v<R>) {
    const auto& text = std::get<0>(left.operands);
    if (right >= 0 && CanReadInPlace(text)) {
      const auto limit = static_cast<std::size_t>(right) + 1;
      return {static_cast<double>(CharactersUpTo(BytesOf(text), limit)), static_cast<double>(right)};
    }
  }
  const double first = NumberOperand(left).Evaluate().value;
  return {first, NumberOperand(right).Evaluate().value};
}

#define QELVORIN_NUMBER_COMPARISON(op)                                                                 \
  template <class L, class R>                                                                          \
    requires(NumberExpression<L> || NumberExpression<R>) && NumberOperandLike<L> && NumberOperandLike<R> \
  bool operator op(const L& left, const R& right) {                                                    \
    const auto [first, second] = EvaluatePair(left, right);                                            \
    return first op second;                                                                            \
  }
QELVORIN_NUMBER_COMPARISON(==)
QELVORIN_NUMBER_COMPARISON(!=)
QELVORIN_NUMBER_COMPARISON(<)
QELVORIN_NUMBER_COMPARISON(>)
QELVORIN_NUMBER_COMPARISON(<=)
QELVORIN_NUMBER_COMPARISON(>=)
#undef QELVORIN_NUMBER_COMPARISON

// The value of a numeric expression now.
template <class N>
double Value(N&& number) {
  return NumberOperand(std::forward<N>(number)).Evaluate().value;
}

// --- Statements -----------------------------------------------------------------------------------------------

// Bytewise equality of two texts.
template <class A, class B>
bool Same(A&& first, B&& second) {
  const auto a = StringOperand(std::forward<A>(first));
  const auto b = StringOperand(std::forward<B>(second));
  if constexpr (ReadInPlace<decltype(a)> && ReadInPlace<decltype(b)>) {
    if (CanReadInPlace(a) && CanReadInPlace(b)) {
      const std::string_view a_bytes = BytesOf(a);
      return a_bytes == BytesOf(b);
    }
  }
  a.Push();
  b.Push();
  return CompareStrings() == Comparison::Equal;
}

inline void Let(StringDescriptor& destination, StringDescriptor& source) { AssignVariable(destination, source); }
inline void Let(StringDescriptor& destination, std::string_view constant) { AssignConstant(destination, constant); }
inline void Let(StringDescriptor& destination, const char* constant) { AssignConstant(destination, constant); }
template <StringExpression E>
void Let(StringDescriptor& destination, const E& expression) {
  expression.Push();
  AssignFromStack(destination);
}
// Numbers are stored in single precision (error 6 when the value does not fit).
template <NumberOperandLike N>
void Let(float& destination, N&& number) {
  destination = StoreSingle(Value(std::forward<N>(number)));
}
