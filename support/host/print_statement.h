// An output statement written as the line it came from:
//
//     Print(kConsole, Tab(10), texts::UnlistedZone, c.mail_count, " ", c.zone_code);
//     Print(kOutputChannel, "#K", c.hdr_to, texts::CardToSuffix);
//     Print(kConsole, c.mail_count, kSemicolon);
//
// The target is selected first, then each item is printed with the separator that follows it: kComma moves to
// the next zone, kSemicolon (or simply the next item) prints nothing, and the last item ends the line unless a
// separator follows it. Print(target) alone prints an empty line.
#pragma once

#include <cstdint>
#include <type_traits>

#include "files/channels.h"
#include "host/console_output.h"
#include "statements/expressions.h"

struct ConsoleTarget {};
inline constexpr ConsoleTarget kConsole{};

struct SeparatorToken {
  Separator separator;
};
inline constexpr SeparatorToken kComma{Separator::Zone};
inline constexpr SeparatorToken kSemicolon{Separator::None};

// The blanks that move the output to a column (0-based).
struct Tab {
  std::int32_t column;
};

inline void SelectTarget(ConsoleTarget) { SelectConsoleOutput(0); }
inline void SelectTarget(std::int32_t channel) { SelectOutputChannel(channel); }

inline void PrintItem(Tab tab, Separator separator) {
  PrintColumn(tab.column);
  PrintString(separator);
}
template <class Item>
void PrintItem(Item&& item, Separator separator) {
  if constexpr (NumberOperandLike<Item>) {
    PrintNumber(StoreSingle(Value(std::forward<Item>(item))), separator);
  } else {
    StringOperand(std::forward<Item>(item)).Push();
    PrintString(separator);
  }
}

template <class T>
inline constexpr bool kIsSeparator = std::is_same_v<std::remove_cvref_t<T>, SeparatorToken>;

inline void PrintItems() {}
template <class Item, class... Rest>
void PrintItems(Item&& item, Rest&&... rest);

// After an item: the separator that follows it, if any, is consumed with it.
template <class Item, class Next, class... Rest>
void PrintWithNext(Item&& item, Next&& next, Rest&&... rest) {
  if constexpr (kIsSeparator<Next>) {
    PrintItem(std::forward<Item>(item), next.separator);
    PrintItems(std::forward<Rest>(rest)...);
  } else {
    PrintItem(std::forward<Item>(item), Separator::None);
    PrintItems(std::forward<Next>(next), std::forward<Rest>(rest)...);
  }
}

template <class Item, class... Rest>
void PrintItems(Item&& item, Rest&&... rest) {
  static_assert(!kIsSeparator<Item>, "a separator follows an item");
  if constexpr (sizeof...(Rest) == 0) {
    PrintItem(std::forward<Item>(item), Separator::LineEnd);
  } else {
    PrintWithNext(std::forward<Item>(item), std::forward<Rest>(rest)...);
  }
}

template <class Target, class... Items>
void Print(Target target, Items&&... items) {
  SelectTarget(target);
  if constexpr (sizeof...(Items) == 0) {
    PushEmptyString();
    PrintString(Separator::LineEnd);
  } else {
    PrintItems(std::forward<Items>(items)...);
  }
  EndPrint();
}
