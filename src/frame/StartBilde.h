#pragma once
// The splash window, shown while the program starts.
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

class StartBilde : public forms::Form {
public:
    StartBilde();
    forms::Frame Frame1{this, "Frame1"};
    forms::Image Image1{this, "Image1"};
    forms::Label Label1{this, "Label1"};

    void Form_Load() override;
};
