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
inline StringConstantOperand StringOperand(const char* text) { return {{}, text}; }
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
  void Push() const { EvaluateInOrder<Action>(operands); }
};

template <class Action, class... Operands>
struct NumberNode : NumberExpressionTag {
  std::tuple<Operands...> operands;
  Number Evaluate() const { return EvaluateInOrder<Action>(operands); }
};

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
struct Left { void operator()(OnStack, Number n) const { LeftBytes(Count(n)); } };
struct Right { void operator()(OnStack, Number n) const { RightBytes(Count(n)); } };
// Without a count: the bytes from start to the end of the text.
struct Mid {
  void operator()(OnStack, Number start) const { MidBytes(Count(start), kRest); }
  void operator()(OnStack, Number start, Number n) const { MidBytes(Count(start), Count(n)); }
};
struct LeftChars { void operator()(OnStack, Number n) const { ::LeftChars(Count(n)); } };
struct MidChars { void operator()(OnStack, Number start, Number n) const { ::MidChars(Count(start), Count(n)); } };
struct LTrim { void operator()(OnStack) const { TrimLeft(); } };
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
struct Len { Number operator()(OnStack) const { return WholeNumber(static_cast<std::int32_t>(StringLength())); } };
struct CharCount { Number operator()(OnStack) const { return WholeNumber(CountChars(0)); } };
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
template <class... Operands>
struct CatNode : StringExpressionTag {
  std::tuple<Operands...> operands;
  void Push() const {
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
    sought.Push();
    source.Push();
    return WholeNumber(Unit == SearchUnit::Bytes ? FindBytes(from) : FindChars(from));
  }
};
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
struct Arithmetic { Number operator()(Number left, Number right) const { return ::Arithmetic(Operation, left, right); } };
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

// Comparisons evaluate the left operand, then the right one, and give the truth at once.
template <class L, class R>
std::pair<double, double> EvaluatePair(const L& left, const R& right) {
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
  StringOperand(std::forward<A>(first)).Push();
  StringOperand(std::forward<B>(second)).Push();
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
