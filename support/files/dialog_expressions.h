// The dialogs as string expressions of a statement:
//
//     Let(c.mailbox_path, OpenFileDialog(0, texts::MailboxDialogTitle, "*.mbx", texts::MailboxFilter, 0));
//
// Texts that are not variables become temporary argument records, released after the dialog.
#pragma once

#include <cstdint>

#include "files/file_dialogs.h"
#include "statements/named_routine.h"

template <platform::FileDialogKind Kind, class Title, class FileName, class Filter>
struct DialogCall : StringExpressionTag {
  std::int32_t window;
  Title title;
  FileName file_name;
  Filter filter;
  std::int32_t flag;

  void Push() const {
    std::uint16_t records = 0;
    const StringDescriptor* title_argument = BindArgument<StringDescriptor>(title, records);
    const StringDescriptor* file_name_argument = BindArgument<StringDescriptor>(file_name, records);
    const StringDescriptor* filter_argument = BindArgument<StringDescriptor>(filter, records);
    if constexpr (Kind == platform::FileDialogKind::Open) {
      FileOpenDialog(window, *title_argument, *file_name_argument, *filter_argument, flag);
    } else {
      FileSaveDialog(window, *title_argument, *file_name_argument, *filter_argument, flag);
    }
    ReleaseArguments(records);
  }
};

template <platform::FileDialogKind Kind, class T, class S, class F>
auto MakeDialogCall(std::int32_t window, T&& title, S&& file_name, F&& filter, std::int32_t flag) {
  using Call = DialogCall<Kind, decltype(KeepArgument(std::declval<T>())), decltype(KeepArgument(std::declval<S>())),
                          decltype(KeepArgument(std::declval<F>()))>;
  return Call{{}, window, KeepArgument(std::forward<T>(title)), KeepArgument(std::forward<S>(file_name)),
              KeepArgument(std::forward<F>(filter)), flag};
}

template <class T, class S, class F>
auto OpenFileDialog(std::int32_t window, T&& title, S&& file_name, F&& filter, std::int32_t flag) {
  return MakeDialogCall<platform::FileDialogKind::Open>(window, std::forward<T>(title), std::forward<S>(file_name),
                                                        std::forward<F>(filter), flag);
}
template <class T, class S, class F>
auto SaveFileDialog(std::int32_t window, T&& title, S&& file_name, F&& filter, std::int32_t flag) {
  return MakeDialogCall<platform::FileDialogKind::Save>(window, std::forward<T>(title), std::forward<S>(file_name),
                                                        std::forward<F>(filter), flag);
}
