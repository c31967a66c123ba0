// send_system_command.exe CLASS COMMAND: sends WM_SYSCOMMAND COMMAND to the top-level window of class CLASS, as
// another program would, and waits until the window has handled it. Exit status 1: no such window; 3: no answer.
#include <windows.h>

#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const HWND window = FindWindowA(argv[1], nullptr);
  if (window == nullptr) return 1;
  DWORD_PTR answer = 0;
  const WPARAM command = std::strtoul(argv[2], nullptr, 0);
  return SendMessageTimeoutA(window, WM_SYSCOMMAND, command, 0, SMTO_ABORTIFHUNG, 5000, &answer) ? 0 : 3;
}
