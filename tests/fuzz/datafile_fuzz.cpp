// libFuzzer target for the data-file reader: any bytes either parse or raise the
// damaged-file error, and what parses writes back to bytes that parse the same.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "history/DataFile.h"
#include "text/Error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    veskor::DataFileContent content;
    try {
        content = veskor::ParseDataFile(bytes, "veskor.dat");
    } catch (const veskor::Error&) {
        return 0;
    }
    const std::string written = veskor::SerializeDataFile(content.folder, content.entries);
    const veskor::DataFileContent again = veskor::ParseDataFile(written, "veskor.dat");
    if (again.folder != content.folder || again.entries != content.entries)
        std::abort();
    return 0;
}
