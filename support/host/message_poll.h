// The statement hook's poll, the break event and the key prompt that reports and interrupts wait in.
#pragma once

#include <cstdint>

// Hands the window's waiting messages to the host; ends the run when the window asked for it, then interrupts the
// run when the break key was pressed.
void PollHost();

enum class PromptKind : std::uint8_t { AfterReport, Interrupt };

// Writes the prompt to the console and waits for a key (not at all when no key can come); a close while waiting
// ends the run at once.
void KeyPrompt(PromptKind kind);
