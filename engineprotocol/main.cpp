// veltan-engine: the computer player behind a line protocol on standard
// input and output (docs/engine-protocol.md).

#include <iostream>
#include <string>

#include "protocolSession.h"

int main()
{
    TSessionSettings settings;
    settings.name = "Veltan " VELTAN_VERSION;
    // The session writes one line at a time; each is flushed so the interface sees it at once.
    TProtocolSession session(settings, [](const std::string& line) {
        std::cout << line << '\n' << std::flush;
    });
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!session.HandleLine(line))
            return 0;
    }
    // The interface has gone: the session's end stops any search.
    return 0;
}
