// Saved messages read back with Python's email parser.
#include <gtest/gtest.h>

#include "MailTestSupport.h"
#include "platform/mail/Eml.h"

namespace {

using mailtest::Hex;
using mailtest::ParseEml;

// Every byte value, so no encoding step may drop or change one.
std::string alleBytes() {
    std::string b;
    for (int r = 0; r < 3; ++r)
        for (int i = 0; i < 256; ++i) b += char(i);
    return b;
}

TEST(Eml, PythonReadsSubjectLetterAddressAndAttachmentBack) {
    struct Tilfelle {
        std::string emne, mottaker, vedleggsnavn, forventetNavn, forventetTil;
    };
    const Tilfelle tilfeller[] = {
        {"Oversendelse av oppdatert dommerfil til klubbene..", "", "KV_Dommere.kvz", "KV_Dommere.kvz", "<none>"},
        // Longer than one encoded word, with æøå where the words are cut.
        {"Ærlig talt: ååå øøø æææ ÅÆØ – dommerfil for Kvistrel-klubbene i Sør-Trøndelag og Møre", "klubb@eksempel.no",
         "Dommerliste Bærum.kvz", "Dommerliste Baerum.kvz", "klubb@eksempel.no"},
        // A line break in a typed address cannot start a header of its own.
        {"", "a@b.no\r\nBcc: skjult@x.no", "f\"il.kvz", "f_il.kvz", "a@b.no"},
    };
    for (const auto& t : tilfeller) {
        SCOPED_TRACE(t.emne);
        kdtest::TempDir dir;
        const std::string vedlegg = dir.write(t.vedleggsnavn, alleBytes());
        const std::string brev = "Til alle arrangørklubbene!\n\nLinje to\nMed vennlig hilsen";
        const std::string eml = dir.file("ut.eml");
        mail::WriteEml({t.emne, t.mottaker, brev, vedlegg}, eml);

        auto m = ParseEml(eml);
        ASSERT_EQ(m.count("error"), 0u) << m["error"];
        EXPECT_EQ(m["subject"], t.emne);
        EXPECT_EQ(m["to"], t.forventetTil);
        EXPECT_EQ(m["bcc"], "<none>");
        // Text lines in a message end in CR LF.
        EXPECT_EQ(m["body"], "Til alle arrangørklubbene!\r\n\r\nLinje to\r\nMed vennlig hilsen");
        EXPECT_EQ(m["filename"], t.forventetNavn);
        EXPECT_EQ(m["attachment"], Hex(alleBytes()));
        EXPECT_EQ(m["unsent"], "1");
    }
}

TEST(Eml, EncodedWordsStayWithinTheLimitAndKeepCharactersWhole) {
    const std::string emne(100, 'x');
    const std::string ord = mail::EncodeHeaderWords(emne + "æøå");
    size_t fra = 0;
    int antall = 0;
    while (fra < ord.size()) {
        size_t slutt = ord.find("\r\n ", fra);
        if (slutt == std::string::npos) slutt = ord.size();
        EXPECT_LE(slutt - fra, 75u);
        fra = slutt + 3;
        ++antall;
    }
    EXPECT_EQ(antall, 3);
}

} // namespace
