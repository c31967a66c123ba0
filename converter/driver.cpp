// The driver: the program's arrays, then pass after pass of SETUP and CONVERT until a dialog is cancelled.
#include "converter/converter.h"
#include "statements/statements.h"

Section<Converter> MainLoopStatements() {
  return {
      {10, [](Converter& c) { DimensionArray(c.string_array_1.Request(50)); }},
      {11, [](Converter& c) { DimensionArray(c.string_array_2.Request(50)); }},
      {12, [](Converter& c) { DimensionArray(c.string_array_3.Request(100)); }},
      Label("next pass"),
      GoSub(20, "SETUP"),
      GoSub(30, "CONVERT"),
      {40, [](Converter&) { CloseAll(); }},
      GoTo(50, "next pass"),
  };
}
