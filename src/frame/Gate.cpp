#include "frame/Gate.h"

#include "platform/forms/Runtime.h"
#include "state/ProgramState.h"

namespace frame {

bool IngenDatabaseApen(const std::string& melding) {
    if (!state::Databasenavn.empty()) return false;
    forms::MsgBox(melding, forms::vbExclamation + forms::vbOKOnly);
    return true;
}

} // namespace frame
