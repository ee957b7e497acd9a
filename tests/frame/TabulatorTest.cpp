// Every window of the program has its Tab order written, and no box that only
// shows what the program wrote is a stop in it.
#include "FrameFixture.h"

#include "database/NyDBase.h"
#include "database/Tdata.h"
#include "distribution/TilDommerFil.h"
#include "distribution/VBMail.h"
#include "frame/FraFil.h"
#include "frame/FraFil_Dommerbase.h"
#include "frame/Hovedmeny2.h"
#include "frame/POPUP.h"
#include "frame/StartBilde.h"
#include "frame/TilFil.h"
#include "import/Dommer2.h"
#include "import/FraFil_Dommer.h"
#include "import/HentDommerFil.h"
#include "import/VisDuplikater.h"
#include "matches/Dommer.h"
#include "matches/VisSletteData.h"
#include "platform/forms/Controls.h"
#include "ranking/HentRanking.h"
#include "ranking/ListeData.h"
#include "ranking/Ranking.h"
#include "register/Dommere_Init.h"
#include "reports/Search_Data.h"

namespace kdtest {
namespace {

class Tabulator : public FrameTest {};

// What is wrong with the form's Tab order, or "".
std::string feil(const forms::Form& f) {
    const std::vector<forms::Control*> stops = f.TabOrder();
    bool tarFokus = false;
    for (forms::Control* c : f.Controls()) tarFokus = tarFokus || c->TakesFocus();
    if (tarFokus && stops.empty()) return f.Name() + ": no Tab order";
    for (forms::Control* c : stops)
        if (auto* t = dynamic_cast<forms::TextBox*>(c); t && t->Locked) return f.Name() + ": read-only " + c->Name();
    return {};
}

TEST_F(Tabulator, EveryWindowHasItsOrderWithoutReadOnlyBoxes) {
    const std::vector<forms::Form*> vinduer = {
        &forms::Default<Hovedmeny2>(),   &forms::Default<StartBilde>(),  &forms::Default<POPUP>(),
        &forms::Default<FraFil>(),       &forms::Default<TilFil>(),      &forms::Default<FraFil_Dommerbase>(),
        &forms::Default<Tdata>(),        &forms::Default<NyDBase>(),     &forms::Default<Dommere_Init>(),
        &forms::Default<Dommer>(),       &forms::Default<Dommer2>(),     &forms::Default<VisSletteData>(),
        &forms::Default<HentDommerFil>(), &forms::Default<VisDuplikater>(), &forms::Default<FraFil_Dommer>(),
        &forms::Default<Search_Data>(),  &forms::Default<Ranking>(),     &forms::Default<ListeData>(),
        &forms::Default<HentRanking>(),  &forms::Default<HentRanking2>(), &forms::Default<TilDommerFil>(),
        &forms::Default<VBMail>()};
    for (forms::Form* f : vinduer) EXPECT_EQ(feil(*f), "");
}

// The check itself: a window without an order, or with a read-only box in it, is caught.
class Uten : public forms::Form {
public:
    Uten() : Form("Uten") { Lest.Locked = true; }
    forms::TextBox Boks{this, "Boks"}, Lest{this, "Lest"};
    forms::Label Etikett{this, "Etikett"};
};

TEST_F(Tabulator, TheCheckCatchesAMissingOrderAndAReadOnlyStop) {
    Uten f;
    EXPECT_EQ(feil(f), "Uten: no Tab order");
    f.SetTabOrder({&f.Boks, &f.Lest});
    EXPECT_EQ(feil(f), "Uten: read-only Lest");
    f.SetTabOrder({&f.Boks});
    EXPECT_EQ(feil(f), "");
}

} // namespace
} // namespace kdtest
