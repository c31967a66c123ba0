// SEP: splits a text at its first half-width space into the token before it and the rest after it.
#include "converter/converter.h"
#include "statements/statements.h"

const NamedRoutine<SepFrame, &SepFrame::source, &SepFrame::first, &SepFrame::rest> SEP(kQelvorinModule, {
    {2000, [](SepFrame& f) { Let(f.p, InStr(*f.source, " ")); }},
    If(2010, [](SepFrame& f) { return f.p == 0; }),
      {2020, [](SepFrame& f) { Let(*f.first, *f.source); }},
      {2030, [](SepFrame& f) { Let(*f.rest, ""); }},
    Else(),
      {2040, [](SepFrame& f) { Let(*f.first, Left(*f.source, f.p - 1)); }},
      {2050, [](SepFrame& f) { Let(*f.rest, Right(*f.source, Len(*f.source) - f.p)); }},
    EndIf(),
});
