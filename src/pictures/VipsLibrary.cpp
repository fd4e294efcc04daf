#include "pictures/VipsLibrary.h"

#include "pictures/Vips.h"

#include <QByteArray>
#include <QString>
#include <gmodule.h>
#include <initializer_list>

namespace {
// libvips' warnings (a profile it ignores, a damaged file) are for its own
// command-line tools; the program reports refusals itself.
void IgnoreWarning(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}

// libvips loads every module in its module folder when it starts: the
// ImageMagick, PDF, OpenSlide and JPEG XL readers' libraries would be loaded
// and started for nothing, their operations blocked. It is started with a
// home that holds no modules (it reads its home from VIPSHOME), and the one
// module the program uses, HEIF, is loaded alone.
bool StartWithHeifOnly() {
    const QByteArray home = qgetenv("VIPSHOME");
    const bool hadHome = qEnvironmentVariableIsSet("VIPSHOME");
    qputenv("VIPSHOME", "/nonexistent/pevrano-no-vips-modules");
    const bool started = vips_init("pevrano") == 0;
    if (hadHome)
        qputenv("VIPSHOME", home);
    else
        qunsetenv("VIPSHOME");
    if (!started)
        return false;
    const QByteArray heif = QStringLiteral(PEVRANO_VIPS_LIBDIR "/vips-modules-%1.%2/vips-heif.so")
                                .arg(VIPS_MAJOR_VERSION)
                                .arg(VIPS_MINOR_VERSION)
                                .toLocal8Bit();
    // Without it HEIC and AVIF are refused as pictures libvips cannot read.
    if (GModule* module = g_module_open(heif.constData(), G_MODULE_BIND_LAZY))
        g_module_make_resident(module);
    return true;
}

struct VipsLibrary {
    bool ready = false;

    VipsLibrary() {
        ready = StartWithHeifOnly();
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
