// The end of a run for the value support: everything it allocated is freed and its state starts afresh.
#pragma once

void ReleaseRuntime();
