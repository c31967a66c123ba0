// The record end: "#E" and an empty line.
#include "converter.h"
#include "print_statement.h"
#include "statements.h"

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
