// The target of the output statement under way.
#include "output_target.h"

OutputTarget output_target_state::target;
