#pragma once
// The real windows, with the message boxes of the headless host: each box is recorded
// (kdtest::TaBokser reads them) and answered from its script, so a test drives the
// widgets without a nested loop to click a box away. A test installs it after the
// program's reset (forms::SetHost); the next reset unloads its windows and puts it away.
#include "platform/forms/Runtime.h"
#include "qtview/QtHost.h"

namespace kdtest {

class SvarendeQtVert : public qtview::QtHost {
public:
    ~SvarendeQtVert() override {
        if (&forms::CurrentHost() == this) forms::SetHost(nullptr);
    }
    int messageBox(const forms::MsgBoxRequest& request) override { return forms::Headless().messageBox(request); }
};

} // namespace kdtest
