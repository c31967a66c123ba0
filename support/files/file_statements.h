// File, directory and search operations as statements of a routine, their texts given in reading order:
//
//     OpenFile(c.out_path, kOutputChannel, file_mode::kOutput);
//     DirOpenOn(1, c.mailbox_path);
//     Let(c.mailbox_name, DirName(1));
#pragma once

#include <cstdint>

#include "files/channels.h"
#include "files/directory_search.h"
#include "statements/expressions.h"

template <class S>
void OpenFile(S&& path, std::int32_t channel, std::int32_t mode) {
  StringOperand(std::forward<S>(path)).Push();
  OpenChannel(channel, 0, mode);
}

template <class S>
void Kill(S&& path) {
  StringOperand(std::forward<S>(path)).Push();
  DeleteFile();
}

template <class S>
void ChDir(S&& path) {
  StringOperand(std::forward<S>(path)).Push();
  ChangeDirectory();
}

template <class S>
void DirOpenOn(std::int32_t slot, S&& pattern) {
  StringOperand(std::forward<S>(pattern)).Push();
  DirOpen(slot);
}

inline bool DirFound(std::int32_t slot) { return DirAtEnd(slot) == 0; }

// The file name of the search's current entry.
struct DirNameNode : StringExpressionTag {
  std::int32_t slot;
  void Push() const { DirItem(slot, 0); }
};
inline DirNameNode DirName(std::int32_t slot) { return {{}, slot}; }

inline void CloseAll() { CloseChannels({}); }
