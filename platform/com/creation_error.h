// Keeps the account of the last failed creation on this thread, for lastCreationError().
#pragma once

#include "platform/com/com_types.h"

namespace com {

// Records "<message> [<status text>]" and gives the status back.
HRESULT recordCreationFailure(HRESULT hr, const QString& message);

} // namespace com
