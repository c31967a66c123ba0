// A body line of the record, as the reader delivers it.
#include "converter/converter.h"
#include "host/print_statement.h"
#include "statements/statements.h"

Section<Converter> RecordBodyLineStatements() {
  return {
      Label("record body line"),
      {1500, [](Converter& c) { Print(kOutputChannel, c.line_text); }},
      Return(1510),
  };
}
