#include "shared/Gate.h"

#include "platform/forms/Runtime.h"
#include "state/ProgramState.h"

namespace shared {

bool IngenDatabaseApen(const std::string& melding) {
    if (!state::Databasenavn.empty()) return false;
    forms::MsgBox(melding, forms::vbExclamation + forms::vbOKOnly);
    return true;
}

} // namespace shared
