// What a screen reader hears in every window, read from the real widgets: each
// box by its own label, each tick box by its own caption, each button by what it does.
#include <QAccessible>
#include <QComboBox>
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

    // A drop-down list says its current text as its name on this desktop; its own
    // name is what the view gave it, and its label is tied to it.
    QString heard(const forms::Control& c) const {
        QWidget* w = window.viewWidget(c);
        QAccessibleInterface* face = w ? QAccessible::queryAccessibleInterface(w) : nullptr;
        if (!face) return QStringLiteral("<no widget>");
        return qobject_cast<QComboBox*>(w) ? w->accessibleName() : face->text(QAccessible::Name);
    }
    // The labels a reader names the control's widget by.
    QStringList labels(const forms::Control& c) const {
        QStringList found;
        QWidget* w = window.viewWidget(c);
        for (const auto& [other, relation] : QAccessible::queryAccessibleInterface(w)->relations(QAccessible::Label))
            found << other->text(QAccessible::Name);
        return found;
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
    // A drop-down list, and a box, are tied to their own label for the reader.
    Built rank(std::make_unique<Ranking>());
    auto& ranking = static_cast<Ranking&>(*rank.form);
    EXPECT_EQ(rank.labels(ranking.Combo3), QStringList{QStringLiteral("Velg liste:")});
    EXPECT_EQ(rank.heard(ranking.Combo3), QStringLiteral("Velg liste:"));
    EXPECT_EQ(kamp.labels(dommer.Text4), QStringList{QStringLiteral("Nr.:")});
    EXPECT_TRUE(kamp.labels(dommer.MSFlexGrid2).isEmpty());
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
            // Neither its name nor a label tied to it is the title or a heading.
            const QStringList said = b.labels(*c) << name;
            EXPECT_FALSE(said.contains(QString::fromStdString(f.Caption()))) << said.join('|').toStdString();
            for (forms::Control* other : f.Controls()) {
                auto* label = dynamic_cast<forms::Label*>(other);
                const bool heading = label && ((label->Font().Bold && label->Font().Size > c->Font().Size) ||
                                               label->Font().Size >= 12);
                if (heading) {
                    EXPECT_FALSE(said.contains(QString::fromStdString(label->Caption())))
                        << "heading " << label->Name() << ": " << said.join('|').toStdString();
                }
            }
        }
    }
    EXPECT_GT(heard, 150);
}

} // namespace
} // namespace kdtest
