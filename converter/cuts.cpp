// CUTS: a text cut to a byte budget; a double-byte character that the cut would split gives way to a space.
#include "converter/converter.h"
#include "statements/statements.h"

const NamedRoutine<CutsFrame, &CutsFrame::text, &CutsFrame::budget> CUTS(kQelvorinModule, {
    {2200, [](CutsFrame& f) { Let(f.result, *f.text); }},
    If(2210, [](CutsFrame& f) { return *f.budget + 1 > Len(*f.text); }),
      ExitRoutine(2220),
    EndIf(),
    {2230, [](CutsFrame& f) { Let(f.a, Left(*f.text, *f.budget)); }},
    {2240, [](CutsFrame& f) { Let(f.b, Left(*f.text, *f.budget + 1)); }},
    If(2250, [](CutsFrame& f) { return CharCount(f.a) == CharCount(f.b); }),
      {2260, [](CutsFrame& f) { Let(f.result, Cat(Left(*f.text, *f.budget - 1), " ")); }},
    Else(),
      {2270, [](CutsFrame& f) { Let(f.result, f.a); }},
    EndIf(),
});
