// UNQUOTE: the text between the quotes of a quoted display name; an unquoted text comes back as it was.
#include "converter/converter.h"
#include "statements/statements.h"

const NamedRoutine<UnquoteFrame, &UnquoteFrame::text> UNQUOTE(kQelvorinModule, {
    {2300, [](UnquoteFrame& f) { Let(f.result, *f.text); }},
    {2310, [](UnquoteFrame& f) { Let(*f.text, Trim(*f.text)); }},
    {2320, [](UnquoteFrame& f) { Let(f.p1, InStrChars(*f.text, HalfWidth("\""))); }},
    If(2330, [](UnquoteFrame& f) { return f.p1 == 0; }),
      ExitRoutine(2340),
    EndIf(),
    {2350, [](UnquoteFrame& f) { Let(f.p2, InStrChars(2, *f.text, HalfWidth("\""))); }},
    {2360, [](UnquoteFrame& f) { if (f.p2 == 0) Let(f.p2, CharCount(*f.text)); }},
    // A lone quote has nothing between its quotes.
    {2370, [](UnquoteFrame& f) { if (f.p2 < 2) Let(*f.text, ""); else Let(*f.text, MidChars(*f.text, 2, f.p2 - 2)); }},
    {2380, [](UnquoteFrame& f) { Let(f.result, *f.text); }},
});
