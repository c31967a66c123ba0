// Named routines: routines with by-reference parameters, zeroed locals on a frame of their own, and an optional
// result. A routine is declared with its frame (parameters as pointers, then `result` when it is a function, then
// its locals) and the members that receive the arguments, in order:
//
//     struct CutsFrame { StringDescriptor* text; float* budget; StringDescriptor result; StringDescriptor a; };
//     const NamedRoutine<CutsFrame, &CutsFrame::text, &CutsFrame::budget> CUTS(kQelvorinModule, {...});
//
//     Let(c.hdr_to, CUTS(c.hdr_value, 60));
//
// A variable argument is passed by reference; any other argument (a constant, an expression) becomes a
// temporary argument record that is released after the call. A procedure runs at once; a function is an
// expression: a string result is left on the string stack, a numeric one is handed back by value before the
// frame is left.
#pragma once

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <new>
#include <tuple>
#include <type_traits>
#include <utility>

#include "statements/expressions.h"
#include "statements/procedures.h"
#include "statements/routine.h"
#include "values/argument_area.h"

template <auto Member>
struct MemberPointee;
template <class Frame, class T, T* Frame::*Member>
struct MemberPointee<Member> {
  using type = T;
};

// An argument as the call keeps it until the routine is entered.
template <class T>
struct ByReference {
  T* variable;
};

template <class T>
auto KeepArgument(T&& argument) {
  if constexpr (std::is_lvalue_reference_v<T> && !std::is_const_v<std::remove_reference_t<T>> &&
                !std::is_pointer_v<std::remove_cvref_t<T>> && !std::is_array_v<std::remove_reference_t<T>>) {
    return ByReference<std::remove_reference_t<T>>{&argument};
  } else if constexpr (NumberOperandLike<T>) {
    return NumberOperand(std::forward<T>(argument));
  } else {
    return StringOperand(std::forward<T>(argument));
  }
}

// Binds one kept argument to a parameter of type Pointee*, making a temporary record when it is not a variable.
template <class Pointee, class Kept>
Pointee* BindArgument(const Kept& kept, std::uint16_t& records) {
  if constexpr (std::is_same_v<Kept, ByReference<Pointee>>) {
    return kept.variable;
  } else if constexpr (std::is_same_v<Pointee, StringDescriptor> && StringExpression<Kept>) {
    kept.Push();
    ++records;
    return MakeStringArgument();
  } else {
    static_assert(std::is_same_v<Pointee, float> && NumberExpression<Kept>, "argument does not fit its parameter");
    const float value = StoreSingle(kept.Evaluate().value);
    ++records;
    return MakeSingleArgument(value);
  }
}

template <class Frame>
concept HasStringResult = requires(Frame frame) {
  { frame.result } -> std::same_as<StringDescriptor&>;
};
template <class Frame>
concept HasNumberResult = requires(Frame frame) {
  { frame.result } -> std::same_as<float&>;
};

template <class Frame, auto... Parameters>
class NamedRoutine {
 public:
  NamedRoutine(const ModuleBlock& module, std::initializer_list<Statement<Frame>> statements) : routine_(module, statements) {}

  template <class... Arguments>
    requires(sizeof...(Arguments) == sizeof...(Parameters))
  auto operator()(Arguments&&... arguments) const {
    using Kept = std::tuple<decltype(KeepArgument(std::declval<Arguments>()))...>;
    Kept kept{KeepArgument(std::forward<Arguments>(arguments))...};
    if constexpr (HasStringResult<Frame>) {
      return StringCall<Kept>{{}, this, std::move(kept)};
    } else if constexpr (HasNumberResult<Frame>) {
      return NumberCall<Kept>{{}, this, std::move(kept)};
    } else {
      Invoke(kept);
    }
  }

 private:
  template <class Kept>
  struct [[nodiscard]] StringCall : StringExpressionTag {
    const NamedRoutine* routine;
    Kept kept;
    void Push() const { routine->Invoke(kept); }
  };
  template <class Kept>
  struct [[nodiscard]] NumberCall : NumberExpressionTag {
    const NamedRoutine* routine;
    Kept kept;
    Number Evaluate() const { return {NumberType::Single, routine->Invoke(kept)}; }
  };

  // Binds the arguments left to right in the caller's frame, then runs the routine on a frame of its own.
  template <class Kept>
  auto Invoke(const Kept& kept) const {
    std::uint16_t records = 0;
    const auto bound = Bind(kept, records, std::index_sequence_for<decltype(Parameters)...>{});
    const std::uint32_t frame_number = Context().frame + 1;
    Frame* frame = new (EnterProcedure(sizeof(Frame))) Frame();
    std::apply([frame](auto*... pointers) { ((frame->*Parameters = pointers), ...); }, bound);
    try {
      RunRoutine(routine_, *frame);
      if constexpr (HasStringResult<Frame>) {
        ReturnStringResult(frame->result);
        Finish(records);
      } else if constexpr (HasNumberResult<Frame>) {
        const float result = frame->result;
        Finish(records);
        return result;
      } else {
        Finish(records);
      }
    } catch (...) {
      if (Context().frame == frame_number) AbandonProcedure();
      throw;
    }
  }

  template <class Kept, std::size_t... Index>
  static auto Bind(const Kept& kept, std::uint16_t& records, std::index_sequence<Index...>) {
    return std::tuple<typename MemberPointee<Parameters>::type*...>{
        BindArgument<typename MemberPointee<Parameters>::type>(std::get<Index>(kept), records)...};
  }

  static void Finish(std::uint16_t records) {
    LeaveProcedure();
    ReleaseArguments(records);
  }

  Routine<Frame> routine_;
};
