// The record end: "#E" and an empty line.
#include "converter/converter.h"
#include "host/print_statement.h"
#include "statements/statements.h"

Section<Converter> RecordEndStatements() {
  return {
      Label("record end"),
      {1520, [](Converter&) { Print(kOutputChannel, "#E"); }},
      {1530, [](Converter&) {
         Print(kOutputChannel);
         MarkRecordEnd(kOutputChannel);  // the card file may now receive the record
       }},
      Return(1540),
  };
}
