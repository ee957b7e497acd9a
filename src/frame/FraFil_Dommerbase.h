#pragma once
// Picks the other tournament database whose referees are read in.
#include "shared/Filvelger.h"

class FraFil_Dommerbase : public Filvelger {
public:
    FraFil_Dommerbase();
    void SSCommand1_Click(int Index) override;

protected:
    void ForApning() override;
    std::string MappeForKatalog() const override;
    void ForNavneboks() override;
};
