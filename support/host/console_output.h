// The output statement: select the console or a file channel, print strings, numbers and column moves each with
// its separator, end the statement. The console and file channels share the formatting.
#pragma once

#include <cstdint>
#include <string_view>

enum class Separator : std::uint8_t { LineEnd = 0, Zone = 1, None = 2 };

// Window 0 is the main window; any other, or a main window that is gone, is error 1000.
// (SelectOutputChannel of channels.h selects a file channel.)
void SelectConsoleOutput(std::int32_t window);

// Pops the string from the string stack and prints it.
void PrintString(Separator separator);
// Prints a text read in place (a variable's or a constant's bytes) when it can go straight into a file's buffer, as
// PrintString would print it pushed; false, having done nothing, when it must be pushed and printed.
bool PrintedStraight(std::string_view text, Separator separator);
// Prints the number's text form followed by one blank.
void PrintNumber(float value, Separator separator);
// Pushes the blanks that move the output to the 0-based column (error 5 above 255), ending the line first when
// the output is already beyond it; the caller prints them with PrintString(Separator::None).
void PrintColumn(std::int32_t column);
// The line end is the last item's separator: nothing is left to do.
void EndPrint();
