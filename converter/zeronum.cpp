// ZERONUM: a number text as two digits ("5" and " 5" give "05").
#include "converter/converter.h"

const NamedRoutine<ZeronumFrame, &ZeronumFrame::text> ZERONUM(kQelvorinModule, {
    {2100, [](ZeronumFrame& f) { Let(*f.text, LTrim(*f.text)); }},
    {2110, [](ZeronumFrame& f) { Let(f.result, Right(Cat("00", *f.text), 2)); }},
});
