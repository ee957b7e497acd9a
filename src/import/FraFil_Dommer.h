#pragma once
// Picks the result file to read in; its OK starts the import.
#include "shared/Filvelger.h"

class FraFil_Dommer : public Filvelger {
public:
    FraFil_Dommer();
    void SSCommand1_Click(int Index) override;

protected:
    std::string MappeForKatalog() const override;
    void EtterKatalog() override;
};
