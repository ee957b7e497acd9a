#pragma once
// The save-as dialog: the new name and folder of the open database. It is
// hidden, not unloaded, so a second save-as finds it as it was left.
#include "shared/Filvelger.h"

class TilFil : public Filvelger {
public:
    TilFil();
    void SSCommand1_Click(int Index) override;

protected:
    void DirsBox_Change() override;
    void FileListBox_Click() override;
    void ForApning() override;
};
