// Without the window there are no window steps to measure.
#include "bench_common.h"

namespace qira::bench {
void register_gui_steps(const install&) {}
void release_gui() {}
} // namespace qira::bench
