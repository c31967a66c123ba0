// The one statement list of the conversion: the entry statements, then every local routine in line order.
#include "converter/converter.h"

Routine<Converter> ConverterRoutine(Section<Converter> entry) {
  return Routine<Converter>(kQelvorinModule, {
      std::move(entry),
      ConvertStatements(),
      BodylineStatements(),
      HdrlineStatements(),
      SubjcleanStatements(),
      RecordHeadStatements(),
      RecordBodyLineStatements(),
      RecordEndStatements(),
      DateconvStatements(),
      MonthnoStatements(),
      ZoneconvStatements(),
      ZonehoursStatements(),
      PrevdayStatements(),
      NextdayStatements(),
  });
}

Routine<Converter> MainProgram() {
  Section<Converter> entry = MainLoopStatements();
  const Section<Converter> setup = SetupStatements();
  entry.insert(entry.end(), setup.begin(), setup.end());
  return ConverterRoutine(std::move(entry));
}
