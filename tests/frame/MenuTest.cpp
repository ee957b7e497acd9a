// The main window's menu bar: order, captions, separators, help numbers and
// the items switched off in the design.
#include "frame/FrameFixture.h"
#include "frame/Hovedmeny2.h"
#include "platform/vb/Strings.h"

#include <cctype>
#include <set>

namespace kdtest {
namespace {

using MenuTest = FrameTest;

struct Row { std::string caption; int help; bool enabled; };

std::vector<forms::Menu*> topMenus(Hovedmeny2& h) {
    std::vector<forms::Menu*> top;
    for (auto* c : h.Controls())
        if (auto* m = dynamic_cast<forms::Menu*>(c); m && !m->Parent()) top.push_back(m);
    return top;
}

std::vector<Row> rows(const std::vector<forms::Menu*>& menus) {
    std::vector<Row> out;
    for (auto* m : menus) out.push_back({m->Caption(), m->HelpContextID, m->Enabled()});
    return out;
}

void expectRows(const std::vector<Row>& got, const std::vector<Row>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(got[i].caption, want[i].caption) << i;
        EXPECT_EQ(got[i].help, want[i].help) << want[i].caption;
        EXPECT_EQ(got[i].enabled, want[i].enabled) << want[i].caption;
    }
}

TEST_F(MenuTest, BarAndItemsInOrder) {
    auto& h = forms::Default<Hovedmeny2>();
    const auto top = topMenus(h);
    expectRows(rows(top), {{"&Fil", 10, true},
                           {"Administrasjon av &Dommere", 0, true},
                           {"Dommer &Turneringsdata", 0, true},
                           {"Di&stribusjon av dommerfil", 0, true},
                           {"&Hjelp", 0, true},
                           {"&Avslutt", 0, true}});
    expectRows(rows(top[0]->Items()), {{"&Nytt DommerOppsett", 11, true},
                                       {"-", 0, true},
                                       {"Hent &Dommere fra eksisterende database", 0, true},
                                       {"&Hent Fil", 12, true},
                                       {"Lagre Fil &Som", 14, true},
                                       {"-", 0, true},
                                       {"Skriver&Oppsett", 210, true},
                                       {"Skriver&FontOppsett", 220, false},
                                       {"-", 0, true},
                                       {"Avslutt &KvistrelDommer", 0, true}});
    EXPECT_TRUE(top[1]->Items().empty());
    expectRows(rows(top[2]->Items()), {{"&Administrasjon av Dommere", 0, false}, {"&Hent Turneringsdata", 0, true}});
    EXPECT_TRUE(top[3]->Items().empty());
    expectRows(rows(top[4]->Items()), {{"&Index", 0, false},
                                       {"&Hjelp om Hjelp", 0, false},
                                       {"&Om KvistrelDommer versjon", 0, true},
                                       {"-", 0, true},
                                       {"System&Data", 0, true},
                                       {"&Konfigurasjon", 200, false},
                                       {"-", 0, true},
                                       {"Opp&gradering", 0, false},
                                       {"-", 0, true},
                                       {"Historiske &Turneringsdata", 20, true}});
    EXPECT_TRUE(top[5]->Items().empty());
}

TEST_F(MenuTest, ItemsSwitchedOffCannotBeChosen) {
    auto& h = forms::Default<Hovedmeny2>();
    h.Load();
    int ran = 0;
    for (forms::Menu* off : {&h.Printer_FontOppsett, &h.Dommer_Administrasjon, &h.HjelpIndex, &h.HjelpOmHjelp,
                             &h.HjelpKonfigurasjon, &h.HjelpOppgradering}) {
        EXPECT_FALSE(off->EffectiveEnabled()) << off->Caption();
        off->Click = [&ran] { ++ran; };
        off->UserClick();
    }
    EXPECT_EQ(ran, 0);
    // Loading the window switches none of them on.
    EXPECT_FALSE(h.HjelpKonfigurasjon.Enabled());
}

// The letter after the '&', upper-cased (ASCII and æøå alike); "" for none.
std::string accessLetter(const std::string& caption) {
    const size_t amp = caption.find('&');
    if (amp == std::string::npos || amp + 1 >= caption.size()) return "";
    const unsigned char first = static_cast<unsigned char>(caption[amp + 1]);
    if (first < 0x80) return std::string(1, static_cast<char>(std::toupper(first)));
    return vb::UCase(caption.substr(amp + 1, 2));
}

// A keyboard user reaches every entry of the bar and of each drop-down by a letter of its own.
TEST_F(MenuTest, EveryEntryHasAnAccessLetterOfItsOwnInItsMenu) {
    auto& h = forms::Default<Hovedmeny2>();
    std::vector<std::vector<forms::Menu*>> levels{topMenus(h)};
    for (forms::Menu* m : topMenus(h))
        if (!m->Items().empty()) levels.push_back(m->Items());
    for (const auto& level : levels) {
        std::set<std::string> seen;
        for (forms::Menu* m : level) {
            if (m->IsSeparator()) continue;
            const std::string letter = accessLetter(m->Caption());
            EXPECT_FALSE(letter.empty()) << m->Caption();
            EXPECT_TRUE(seen.insert(letter).second) << m->Caption() << " shares " << letter;
        }
    }
    // The check itself tells a clash and a missing letter.
    EXPECT_EQ(accessLetter("Skriver&Oppsett"), accessLetter("&oppgradering"));
    EXPECT_EQ(accessLetter("Oppgradering"), "");
}

} // namespace
} // namespace kdtest
