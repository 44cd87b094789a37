#include "plugin/generator/go_filter.h"

// The generator is not built yet.
Status GoFilter(FilterMessage*) { return kNoError; }
