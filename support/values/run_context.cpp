// The converter's module block.
#include "values/run_context.h"

#include "texts.h"

const ModuleBlock kQelvorinModule{texts::ModuleName};
