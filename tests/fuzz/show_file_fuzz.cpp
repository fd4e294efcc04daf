// The show file of the headless compile: any bytes give a show or one line
// saying what is wrong, never a crash.
#include "document/ShowFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ShowFileContext where{"/opt/pevrano", "/home/fuzz", "/work/here"};
    const QByteArray json(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    (void)ParseShow(json, "/shows/trip", "show.json", where);
    return 0;
}
