#pragma once
// The small info window a right press on a picture button opens.
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

class POPUP : public forms::Form {
public:
    POPUP();
    forms::SSPanel Melding{this, "Melding"};
    forms::SSCommand SSCommand1{this, "SSCommand1"};

    void SSCommand1_Click();
};
