#pragma once
// The open dialog: picks the tournament database to open.
#include "shared/Filvelger.h"

class FraFil : public Filvelger {
public:
    FraFil();
    void SSCommand1_Click(int Index) override;

protected:
    void EtterKatalog() override;
};
