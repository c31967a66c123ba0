// Mailbox operands with "*" or "?" on Windows, where no shell expands them.
#pragma once

#include <string>
#include <vector>

// The files a pattern in the operand's last part matches, with the operand's folder part, sorted by name; folders
// are left out. An operand without a wildcard, or one that matches no file, stands for itself (and is then refused
// as a mailbox that cannot be read).
std::vector<std::string> ExpandWildcards(const std::string& operand);
