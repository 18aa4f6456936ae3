// libFuzzer entry: any bytes as command lines to the engine. The reader must
// never crash, hang or read out of bounds, and every answer must be one
// non-empty line. Searches are kept short so that `go` costs little.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "protocolSession.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TSessionSettings settings;
    settings.maxDepth = 2;
    settings.maxNodes = 2000;
    TProtocolSession session(settings, [](const std::string& line) {
        if (line.empty() || line.find('\n') != std::string::npos)
            std::abort();
    });
    // The smallest table: making it is most of what a short search costs.
    session.HandleLine("setoption name Hash value 1");
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    while (start <= input.size()) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        if (!session.HandleLine(input.substr(start, end - start)))
            break;
        start = end + 1;
    }
    // Leaving the session stops a search that waits for `stop`.
    return 0;
}
