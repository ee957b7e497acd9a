#include "support/Programtilstand.h"

#include <utility>

#include "platform/forms/Form.h"
#include "state/ProgramState.h"

namespace kdtest {

void NullstillProgrammet() {
    forms::ResetDefaults();
    state::ResetProgramState();
    forms::ResetRuntime();
}

std::vector<forms::MsgBoxRequest> TaBokser() {
    auto bokser = std::move(forms::Headless().boxes);
    forms::Headless().boxes.clear();
    return bokser;
}

} // namespace kdtest
