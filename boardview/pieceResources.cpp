#include "pieceResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void RegisterPieceResources()
{
    Q_INIT_RESOURCE(pieces);
}

void EnsurePieceResources()
{
    // Registering twice would list the files twice; once per process is enough.
    static const bool registered = (RegisterPieceResources(), true);
    (void)registered;
}
