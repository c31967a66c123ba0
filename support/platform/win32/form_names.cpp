// The names of the form layer, one entry a window.
#include "platform/win32/form_names.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace platform::win32 {
namespace {

std::vector<std::pair<std::string, HWND>>& Forms() {
  static std::vector<std::pair<std::string, HWND>> forms;
  return forms;
}

}  // namespace

void RegisterForm(std::string_view name, HWND window) { Forms().emplace_back(std::string(name), window); }

HWND FormWindow(std::string_view name) {
  for (const auto& [form, window] : Forms()) {
    if (form == name) return window;
  }
  return nullptr;
}

void ForgetForm(HWND window) {
  std::erase_if(Forms(), [window](const auto& form) { return form.second == window; });
}

}  // namespace platform::win32
