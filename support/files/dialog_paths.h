// Paths as a file dialog handles them: cp932 text, taken apart at the platform's separator by the text alone, so a
// typed name is judged as written (links are not followed).
#pragma once

#include <string>
#include <string_view>

// Starts at the root (or at a drive, "C:").
bool IsAbsolute(std::string_view path);
// The folder with a name after it, with one separator between them.
std::string JoinPath(std::string_view folder, std::string_view name);
// An absolute path with empty, "." and ".." parts taken out.
std::string NormalPath(std::string_view path);
// The folder a path is in, without a trailing separator unless it is the root.
std::string ParentOf(std::string_view path);
bool IsRoot(std::string_view folder);
// Whether a name holds "*" or "?".
bool HasWildcards(std::string_view name);
