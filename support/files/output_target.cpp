// The target of the output statement under way.
#include "files/output_target.h"

OutputTarget output_target_state::target;
