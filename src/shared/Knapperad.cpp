#include "shared/Knapperad.h"

namespace shared {

namespace {
const forms::PictureBox* knapperad = nullptr;
}

void SettKnapperad(const forms::PictureBox& rad) { knapperad = &rad; }

void GlemKnapperad(const forms::PictureBox& rad) {
    if (knapperad == &rad) knapperad = nullptr;
}

int Knapperadhoyde() { return knapperad ? knapperad->Height() : 0; }

} // namespace shared
