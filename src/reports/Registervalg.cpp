#include "reports/Registervalg.h"

namespace {

const Registervalg* registeret = nullptr;

class IngenRegister final : public Registervalg {
public:
    int Rapporttype() const override { return 0; }
    std::string Sokefornavn() const override { return {}; }
    std::string Sokeetternavn() const override { return {}; }
    std::string Sokelag() const override { return {}; }
};

} // namespace

const Registervalg& Registervalg::Gjeldende() {
    static const IngenRegister ingen;
    return registeret ? *registeret : ingen;
}

void Registervalg::Meld(const Registervalg& vindu) { registeret = &vindu; }

void Registervalg::Glem(const Registervalg& vindu) {
    if (registeret == &vindu) registeret = nullptr;
}
