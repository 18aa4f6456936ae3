#include "adjudication.h"

#include <cctype>

namespace {

constexpr int DecisiveLead = 500;

} // namespace

int MaterialOf(char letter)
{
    switch (std::tolower(static_cast<unsigned char>(letter))) {
    case 'p':
        return 100;
    case 'n':
        return 300;
    case 'b':
        return 330;
    case 'r':
        return 500;
    case 'q':
        return 950;
    default:
        return 0;
    }
}

TWinner AdjudicatedWinner(const std::string& position)
{
    int whiteKings = 0, blackKings = 0, lead = 0;
    for (const char letter : position) {
        whiteKings += letter == 'K' ? 1 : 0;
        blackKings += letter == 'k' ? 1 : 0;
        if (std::isupper(static_cast<unsigned char>(letter)))
            lead += MaterialOf(letter);
        else
            lead -= MaterialOf(letter);
    }
    if (whiteKings != blackKings)
        return whiteKings > blackKings ? TWinner::White : TWinner::Black;
    if (lead >= DecisiveLead)
        return TWinner::White;
    if (lead <= -DecisiveLead)
        return TWinner::Black;
    return TWinner::Nobody;
}
