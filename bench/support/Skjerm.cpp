#include "Skjerm.h"

#include <QApplication>

#include "platform/forms/Form.h"
#include "platform/forms/Runtime.h"
#include "qtview/QtHost.h"

namespace benchbase {

namespace {

// Real windows; the boxes answered as the headless host answers them, so both runs take the same path.
class SvarendeVert : public qtview::QtHost {
public:
    int messageBox(const forms::MsgBoxRequest& request) override { return forms::Headless().messageBox(request); }
};

} // namespace

Skjerm::Skjerm(bool paa) {
    if (!paa) return;
    host_ = std::make_unique<SvarendeVert>();
    forms::SetHost(host_.get());
}

// The windows go with the host, and the headless host is back.
Skjerm::~Skjerm() = default;

void Skjerm::vis(forms::Form& form) {
    form.Show();
    tegn();
}

void Skjerm::tegn() { QCoreApplication::processEvents(); }

void MedOgUtenSkjerm(benchmark::internal::Benchmark* b) {
    b->ArgsProduct({{Kamper, MangeKamper}, {0, 1}})->ArgNames({"kamper", "visning"})->Unit(benchmark::kMillisecond);
}

void TidMedTegning(benchmark::State& s, const std::function<void()>& kall) {
    for (auto _ : s) {
        kall();
        Skjerm::tegn();
    }
}

int KjorMedSkjerm(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace benchbase
