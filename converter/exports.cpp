// The converter's routines with parameters as the executable exports them (SEP, CUTS, UNQUOTE, ZERONUM, MDAY):
// every parameter by reference, a string result left on the string stack as the string functions leave theirs.
#include "converter/converter.h"

extern "C" {

void ExportedSep(StringDescriptor* source, StringDescriptor* first, StringDescriptor* rest) {
  SEP(*source, *first, *rest);
}

void ExportedZeronum(StringDescriptor* text) { ZERONUM(*text).Push(); }

void ExportedCuts(StringDescriptor* text, float* budget) { CUTS(*text, *budget).Push(); }

void ExportedUnquote(StringDescriptor* text) { UNQUOTE(*text).Push(); }

float ExportedMday(float* month, float* year) { return static_cast<float>(MDAY(*month, *year).Evaluate().value); }

}  // extern "C"
