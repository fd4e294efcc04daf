#pragma once

// libvips' C API. GLib's headers use `signals` as a name, which Qt defines
// as a keyword macro.
#pragma push_macro("signals")
#undef signals
#include <vips/vips.h>
#pragma pop_macro("signals")
