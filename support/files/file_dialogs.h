// The open and save dialogs: their arguments are checked, the filter list is built from its description, the
// dialog opens in its directory with its initial file name, and the chosen path (or the single byte 0x1B when
// the dialog is cancelled) is pushed on the string stack.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/dialogs.h"
#include "values/string_descriptor.h"

inline constexpr std::size_t kLongestDialogTitle = 64;
inline constexpr std::size_t kLongestDialogFileName = 128;
inline constexpr std::size_t kLongestFilterDescription = 512;
inline constexpr char kDialogCancelled = 0x1B;

// The dialogs of the main window while it exists (error 1000 otherwise).
void SetFileDialogs(platform::FileDialogs* dialogs);

void FileOpenDialog(std::int32_t window, const StringDescriptor& title, const StringDescriptor& file_name,
                    const StringDescriptor& filter_description, std::int32_t flag);
void FileSaveDialog(std::int32_t window, const StringDescriptor& title, const StringDescriptor& file_name,
                    const StringDescriptor& filter_description, std::int32_t flag);

// The platform's filter list from a description such as "Mail (*.mbx, *.txt);All (*.*)"; error 5 when an entry
// lacks its parentheses or the description is over 512 bytes.
std::string BuildFilter(std::string_view description);
// The text after the last path separator (double-byte characters are skipped whole).
std::string_view NamePart(std::string_view path);
