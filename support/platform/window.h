// The platform seam for the console window: what the portable text screen asks of a window (draw cells, scroll,
// caret, repaint, clipboard, boxes) and what a window hands back to the host while it is polled (keys, paint
// requests, size changes, a close).
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

namespace platform {

// The console's size in character cells, the same on every host.
inline constexpr std::int32_t kConsoleColumns = 80;
inline constexpr std::int32_t kConsoleRows = 24;

enum class ByteRole : std::uint8_t { Single = 0, Lead = 1, Trail = 2 };

// One character cell of the screen: a cp932 byte, its colour number, display attribute and byte role.
struct Cell {
  std::uint8_t character;
  std::uint8_t colour;
  std::uint8_t attribute;
  ByteRole role;
};

// A run of cells to draw: cells[first, first + count) of a screen row, placed at cell (x, y) of the window's
// client area (screen position minus the view origin; may lie outside the visible part). The whole row is given so
// that a display can see the double-byte characters the run touches.
struct CellRun {
  std::span<const Cell> row;
  std::int32_t first;
  std::int32_t count;
  std::int32_t x;
  std::int32_t y;
};

// ExclamationWithHelp: a run-time error's report, whose box offers the reference help.
enum class BoxIcon : std::uint8_t { Hand, Exclamation, ExclamationWithHelp };

// Why a window asks the run to end: the user closed it, the session hung up, or the system asked it to stop.
enum class CloseCause : std::uint8_t { User, HangUp, Terminate };

// What the host does for a window while the window is polled or waits.
class WindowEvents {
 public:
  virtual void KeyTyped(std::uint8_t key) = 0;
  // The window's picture was lost or its size changed: the host draws every visible cell again.
  virtual void PaintRequested() = 0;
  // The client area now shows this many cells.
  virtual void Resized(std::int32_t visible_columns, std::int32_t visible_rows) = 0;
  virtual void CopyTextRequested() = 0;
  virtual void CloseRequested(CloseCause cause) = 0;
  // The run-time error the reference help opens on; 0 when there is none.
  virtual std::uint16_t HelpTopic() = 0;
  // Whether F1 held at a prompt opens the reference help: after an error report, not at the interrupt.
  virtual bool HelpOnF1() = 0;
  // The system ends the session: the process may be ended as soon as the window has answered, so the host closes
  // its files at once, with their whole records and their end-of-file mark.
  virtual void SessionEnding() = 0;
  // The break key came as a key of its own (Ctrl+Break), not as the character Ctrl+C.
  virtual void BreakPressed() = 0;

 protected:
  ~WindowEvents() = default;
};

class Window {
 public:
  virtual ~Window() = default;

  virtual void DrawCells(const CellRun& run) = 0;
  // The window image of rows [top + 1, top + rows) moves up one row; the host then draws the freed last row.
  virtual void ScrollUp(std::int32_t top, std::int32_t rows) = 0;
  // Makes what was drawn visible now (after a scroll the window must not lag behind).
  virtual void Update() = 0;
  virtual void HideCaret() = 0;
  virtual void ShowCaretAt(std::int32_t x, std::int32_t y) = 0;
  // Asks for a full repaint: the window answers with PaintRequested, now or at its next poll.
  virtual void Invalidate() = 0;

  // Hands waiting messages to the events and returns without blocking.
  virtual void Poll(WindowEvents& events) = 0;
  // Blocks until the events have received a key or a close; false at once when no key can ever come (no one
  // at the keyboard).
  virtual bool WaitForKey(WindowEvents& events) = 0;

  virtual void ShowMessageBox(std::string_view text, std::string_view caption, BoxIcon icon) = 0;
  // False when the clipboard cannot be opened.
  virtual bool SetClipboardText(std::string_view text) = 0;
  virtual void Beep() = 0;
  // A run-time error report, given in full once more for a window whose console the user may not be watching.
  virtual void EchoReport(std::string_view text) = 0;

  // The picture behind the cells, made at the start of the run: the whole screen in the background colour. False
  // when it cannot be made; the cells are then drawn over the plain background. A display without pictures (a
  // terminal) has nothing to make.
  virtual bool CreateBackingPicture() { return true; }
  // A prompt needs the keyboard: a disabled window is enabled and given the focus; true when it was disabled, so
  // that the prompt can disable it again after its key. Windows that are never disabled have nothing to do.
  virtual bool EnableForPrompt() { return false; }
  virtual void DisableAfterPrompt() {}
  // Closes the reference help opened on the error, if the platform has one.
  virtual void CloseHelp() {}
};

// How the console is shown: as the platform's window, or forced to a plain transcript of its rows (batch runs),
// which a quiet batch run does not write on standard output. Beside a progress line that standard error rewrites
// in place, each row of a transcript on a terminal takes that line over, and the unfinished row is not shown.
enum class ConsoleKind : std::uint8_t { Window, Transcript, QuietTranscript, TranscriptBesideProgress };
// A window shown as the program was started (normal, minimised ...), or made without being shown.
enum class StartShow : std::uint8_t { AsStarted, Hidden };

// The program's console window with its title (cp932); null when it cannot be made, after the platform has told
// the user why.
std::unique_ptr<Window> OpenConsoleWindow(std::string_view title, ConsoleKind kind, StartShow show);
// A box shown when there is no window to own it (start-up failures, a report after the window is gone).
void ShowLoneMessageBox(std::string_view text, std::string_view caption, BoxIcon icon);

}  // namespace platform
