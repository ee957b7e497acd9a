// What a screen reader hears in every window, read from the real widgets: each
// box by its own label, each tick box by its own caption, each button by what it does.
#include <QAccessible>
#include <QWidget>

#include <functional>
#include <memory>

#include "database/NyDBase.h"
#include "database/Tdata.h"
#include "distribution/TilDommerFil.h"
#include "distribution/VBMail.h"
#include "frame/FraFil.h"
#include "frame/FraFil_Dommerbase.h"
#include "frame/QtFrameFixture.h"
#include "frame/POPUP.h"
#include "frame/StartBilde.h"
#include "frame/TilFil.h"
#include "import/Dommer2.h"
#include "import/FraFil_Dommer.h"
#include "import/HentDommerFil.h"
#include "import/VisDuplikater.h"
#include "matches/Dommer.h"
#include "matches/VisSletteData.h"
#include "ranking/HentRanking.h"
#include "ranking/ListeData.h"
#include "ranking/Ranking.h"
#include "register/Dommere_Init.h"
#include "reports/Search_Data.h"

namespace kdtest {
namespace {

// A window of the form's own, built from its controls as the program builds it.
struct Built {
    explicit Built(std::unique_ptr<forms::Form> f) : form(std::move(f)), window(*form, nullptr) { window.show(); }
    ~Built() { window.hide(); }
    std::unique_ptr<forms::Form> form;
    qtview::FormWindow window;

    QString heard(const forms::Control& c) const {
        QWidget* w = window.viewWidget(c);
        QAccessibleInterface* face = w ? QAccessible::queryAccessibleInterface(w) : nullptr;
        return face ? face->text(QAccessible::Name) : QStringLiteral("<no widget>");
    }
};

bool actsOn(const forms::Control& c) {
    return dynamic_cast<const forms::TextBox*>(&c) || dynamic_cast<const forms::ListSelection*>(&c) ||
           dynamic_cast<const forms::MSFlexGrid*>(&c) || dynamic_cast<const forms::DriveListBox*>(&c) ||
           dynamic_cast<const forms::CheckBox*>(&c) || dynamic_cast<const forms::OptionButton*>(&c) ||
           dynamic_cast<const forms::CommandButton*>(&c);
}

TEST_F(QtFrameTest, TheMatchWindowsBoxAndTickBoxAndAPictureButtonAreHeardByTheirOwnNames) {
    Built kamp(std::make_unique<Dommer>());
    auto& dommer = static_cast<Dommer&>(*kamp.form);
    EXPECT_EQ(kamp.heard(dommer.Text4), QStringLiteral("Nr.:"));
    EXPECT_EQ(kamp.heard(dommer.SSCheck1), QStringLiteral("Boccia"));
    EXPECT_EQ(kamp.heard(dommer.SSCheck2), QStringLiteral("Curling"));
    Built hoved(std::make_unique<Hovedmeny2>());
    auto& h = static_cast<Hovedmeny2&>(*hoved.form);
    EXPECT_EQ(hoved.heard(h.G_Ny), QStringLiteral("Ny turnering"));
    EXPECT_EQ(hoved.heard(h.G_Fil), QStringLiteral("Åpne Database"));
}

// Every window: nothing the user acts on is silent, and no box borrows the window's
// title or a heading (a label in bold letters larger than the box's, or of 12 points) for its name.
TEST_F(QtFrameTest, NoControlOfAnyWindowIsNamelessOrNamedAfterAHeading) {
    const std::vector<std::function<std::unique_ptr<forms::Form>()>> makers = {
        [] { return std::make_unique<Hovedmeny2>(); },     [] { return std::make_unique<Tdata>(); },
        [] { return std::make_unique<NyDBase>(); },        [] { return std::make_unique<Ranking>(); },
        [] { return std::make_unique<HentRanking>(); },    [] { return std::make_unique<HentRanking2>(); },
        [] { return std::make_unique<ListeData>(); },      [] { return std::make_unique<FraFil_Dommerbase>(); },
        [] { return std::make_unique<StartBilde>(); },     [] { return std::make_unique<POPUP>(); },
        [] { return std::make_unique<TilFil>(); },         [] { return std::make_unique<FraFil>(); },
        [] { return std::make_unique<Dommer>(); },         [] { return std::make_unique<VisSletteData>(); },
        [] { return std::make_unique<Dommere_Init>(); },   [] { return std::make_unique<FraFil_Dommer>(); },
        [] { return std::make_unique<VisDuplikater>(); },  [] { return std::make_unique<Dommer2>(); },
        [] { return std::make_unique<HentDommerFil>(); },  [] { return std::make_unique<Search_Data>(); },
        [] { return std::make_unique<TilDommerFil>(); },   [] { return std::make_unique<VBMail>(); },
    };
    int heard = 0;
    for (const auto& make : makers) {
        Built b(make());
        const forms::Form& f = *b.form;
        for (forms::Control* c : f.Controls()) {
            if (!actsOn(*c) || !c->Visible()) continue;
            SCOPED_TRACE(f.Name() + "." + c->Name() + (c->Index() >= 0 ? "(" + std::to_string(c->Index()) + ")" : ""));
            const QString name = b.heard(*c);
            ++heard;
            EXPECT_FALSE(name.trimmed().isEmpty());
            EXPECT_NE(name.toStdString(), f.Caption());
            for (forms::Control* other : f.Controls()) {
                auto* label = dynamic_cast<forms::Label*>(other);
                const bool heading = label && ((label->Font().Bold && label->Font().Size > c->Font().Size) ||
                                               label->Font().Size >= 12);
                if (heading) {
                    EXPECT_NE(name.toStdString(), label->Caption()) << "heading " << label->Name();
                }
            }
        }
    }
    EXPECT_GT(heard, 150);
}

} // namespace
} // namespace kdtest
