// The caption style sets file "MySettings", from any bytes: the reader keeps
// at most 51 sets, and what it read is written and read back unchanged.
#include "captionstyle/StyleSets.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const StyleSetsRead read = ParseStyleSets(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (read.sets.size() > kMaxStyleSets)
        std::abort();
    const StyleSetsRead again = ParseStyleSets(StyleSetsText(read.sets));
    if (!again.error.isEmpty() || again.sets != read.sets)
        std::abort();
    return 0;
}
