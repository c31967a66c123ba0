// Registration of the window classes and the console's system menu.
#include "platform/win32/window_classes.h"

#include <array>
#include <string>

#include "platform/win32/console_window.h"
#include "platform/win32/system_calls.h"
#include "platform/win32/window_procedure.h"
#include "texts.h"

namespace platform::win32 {
namespace {

// The classes of the families this program does not use: they exist, and nothing creates their windows. The class
// of the program's one module ("K7V2WC" + its name) joins them.
constexpr std::array<const char*, 7> kCompanionClasses{"K7V2PictWndClass", "K7V2$ItemClass", "K7V2TimerClass",
                                                       "K7V2MCIClass",     "K7V2BmpBClass",  "K7V2PrinterClass",
                                                       "VXTrapWndClass"};

bool Registered(HINSTANCE instance, const char* name) {
  WNDCLASSA existing;
  return GetClassInfoA(instance, name, &existing) != 0;
}

HICON ProgramIcon(HINSTANCE instance) {
  if (const HICON icon = LoadIconA(instance, "MainIcon"); icon != nullptr) return icon;
  return LoadIconA(nullptr, IDI_APPLICATION);
}

void RegisterCompanion(HINSTANCE instance, const char* name) {
  WNDCLASSA companion{};
  companion.lpfnWndProc = DefWindowProcA;
  companion.cbWndExtra = sizeof(LONG_PTR);
  companion.hInstance = instance;
  companion.lpszClassName = name;
  Calls().register_class(&companion);
}

}  // namespace

bool RegisterWindowClasses(HINSTANCE instance) {
  if (Registered(instance, kMainClassName)) return true;
  WNDCLASSA main_class{};
  main_class.style = CS_DBLCLKS;
  main_class.lpfnWndProc = MainWindowProcedureExport();
  main_class.cbWndExtra = sizeof(LONG_PTR);
  main_class.hInstance = instance;
  main_class.hIcon = ProgramIcon(instance);
  main_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  main_class.lpszClassName = kMainClassName;
  if (Calls().register_class(&main_class) == 0) return false;
  for (const char* name : kCompanionClasses) RegisterCompanion(instance, name);
  RegisterCompanion(instance, (std::string("K7V2WC") + std::string(texts::ModuleName)).c_str());
  return true;
}

void AddCopyMenu(HWND window) {
  const HMENU system = GetSystemMenu(window, FALSE);
  const HMENU copy = CreatePopupMenu();
  if (system == nullptr || copy == nullptr) return;
  AppendMenuA(copy, MF_STRING, ConsoleWindow::kCopyText, std::string(texts::CopyTextEntry).c_str());
  AppendMenuA(copy, MF_STRING, ConsoleWindow::kCopyPicture, std::string(texts::CopyPictureEntry).c_str());
  AppendMenuA(system, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(system, MF_POPUP, reinterpret_cast<UINT_PTR>(copy), std::string(texts::CopyMenuEntry).c_str());
}

}  // namespace platform::win32
