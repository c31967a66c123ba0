// The target of the output statement under way.
#include "output_target.h"

namespace {
OutputTarget target;
}  // namespace

OutputTarget& CurrentOutputTarget() { return target; }
