#include "pictures/VipsLibrary.h"

#include "pictures/Vips.h"

#include <initializer_list>

namespace {
// libvips' warnings (a profile it ignores, a damaged file) are for its own
// command-line tools; the program reports refusals itself.
void IgnoreWarning(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}

struct VipsLibrary {
    bool ready = false;

    VipsLibrary() {
        ready = vips_init("pevrano") == 0;
        if (!ready)
            return;
        g_log_set_handler("VIPS", G_LOG_LEVEL_WARNING, IgnoreWarning, nullptr);
        vips_cache_set_max(0);
        vips_block_untrusted_set(TRUE);
        vips_operation_block_set("VipsForeignLoad", TRUE);
        for (const char* allowed :
             {"VipsForeignLoadJpeg", "VipsForeignLoadPng", "VipsForeignLoadNsgif",
              "VipsForeignLoadWebp", "VipsForeignLoadTiff", "VipsForeignLoadHeif"})
            vips_operation_block_set(allowed, FALSE);
    }
    ~VipsLibrary() {
        if (ready)
            vips_shutdown();
    }
    VipsLibrary(const VipsLibrary&) = delete;
    VipsLibrary& operator=(const VipsLibrary&) = delete;
};
} // namespace

bool VipsReady() {
    static const VipsLibrary library;
    return library.ready;
}
