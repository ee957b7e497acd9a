// The command line: what it asks for and what the terminal is told.
#include <gtest/gtest.h>

#include <ostream>

#include "frame/Kommandolinje.h"

namespace {

using H = Kommandolinje::Handling;

struct Tilfelle {
    std::vector<std::string> argumenter;
    H handling;
    std::string database;
};

// The arguments as the test's name tells them.
void PrintTo(const Tilfelle& t, std::ostream* os) {
    *os << "[";
    for (const std::string& a : t.argumenter) *os << " '" << a << "'";
    *os << " ]";
}

class KommandolinjeTest : public ::testing::TestWithParam<Tilfelle> {};

TEST_P(KommandolinjeTest, Handling) {
    const Tilfelle& t = GetParam();
    const Kommandolinje k = TolkKommandolinje(t.argumenter, "1.2.3");
    EXPECT_EQ(k.handling, t.handling);
    EXPECT_EQ(k.database, t.database);
}

INSTANTIATE_TEST_SUITE_P(
    Argumenter, KommandolinjeTest,
    ::testing::Values(Tilfelle{{}, H::Start, ""}, Tilfelle{{"Cup2026.KVX"}, H::Start, "Cup2026.KVX"},
                      Tilfelle{{"/home/kari/Cup 2026.kvx"}, H::Start, "/home/kari/Cup 2026.kvx"},
                      Tilfelle{{"--help"}, H::Hjelp, ""}, Tilfelle{{"-h"}, H::Hjelp, ""},
                      Tilfelle{{"--version"}, H::Versjon, ""},
                      // Help wins over what else is wrong, as long as it comes before "--".
                      Tilfelle{{"--ukjent", "a.kvx", "b.kvx", "--help"}, H::Hjelp, ""},
                      Tilfelle{{"--", "--help"}, H::Start, "--help"}, Tilfelle{{"--", "-x.kvx"}, H::Start, "-x.kvx"},
                      Tilfelle{{"-"}, H::Start, "-"}, Tilfelle{{"--ukjent"}, H::Feil, ""},
                      Tilfelle{{"a.kvx", "-x"}, H::Feil, ""}, Tilfelle{{"a.kvx", "b.kvx"}, H::Feil, ""},
                      // Qt's own options, and their values, are neither refused nor names; look-alikes are refused.
                      Tilfelle{{"-style", "fusion", "Cup.kvx"}, H::Start, "Cup.kvx"},
                      Tilfelle{{"--platform", "offscreen"}, H::Start, ""}, Tilfelle{{"-style=fusion"}, H::Start, ""},
                      Tilfelle{{"-reverse", "a.kvx"}, H::Start, "a.kvx"},
                      Tilfelle{{"-session", "x", "--", "-y.kvx"}, H::Start, "-y.kvx"},
                      Tilfelle{{"-styles", "fusion"}, H::Feil, ""}, Tilfelle{{"-reverse=ja"}, H::Feil, ""},
                      Tilfelle{{"a.kvx", "-style"}, H::Feil, ""}, Tilfelle{{"-style", "--"}, H::Feil, ""},
                      Tilfelle{{"--", "-style", "fusion"}, H::Feil, ""}));

TEST(KommandolinjeTekst, HelpVersionAndRefusalSayWhatTheyShould) {
    const Kommandolinje hjelp = TolkKommandolinje({"--help"}, "1.2.3");
    EXPECT_EQ(hjelp.tekst.rfind("Bruk: KvistrelDommer [--help] [--version] [DATABASE]\n", 0), 0u);
    EXPECT_NE(hjelp.tekst.find("~/KvistrelDommer"), std::string::npos);
    EXPECT_EQ(TolkKommandolinje({"--version"}, "1.2.3").tekst, "KvistrelDommer 1.2.3\n");
    EXPECT_EQ(TolkKommandolinje({"--hjelp"}, "1.2.3").tekst,
              "KvistrelDommer: ukjent valg «--hjelp»\nBruk: KvistrelDommer [--help] [--version] [DATABASE]\n"
              "Se «KvistrelDommer --help».\n");
}

} // namespace
