// Saved messages read back with Python's email parser.
#include <gtest/gtest.h>

#include <algorithm>

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

// Each header line within 76 characters (the limit for lines with encoded words, and
// within the 78 of any line); a subject in plain ASCII is written as it is.
TEST(Eml, HeadersAreFoldedWithinTheLimitAndReadBackExactly) {
    struct Tilfelle {
        std::string emne, mottaker;
        std::string raEmne;   // the raw first Subject line when the subject goes plain, else ""
        std::string navn, adresser;
    };
    const std::string langtAscii =
        "Oversendelse av oppdatert dommerfil til klubbene i Sor-Trondelag, More og Romsdal og Nordland..";
    const Tilfelle tilfeller[] = {
        {"Oversendelse av oppdatert dommerfil til klubbene..", "Kari Ås <kari@eksempel.no>",
         "Subject: Oversendelse av oppdatert dommerfil til klubbene..", "Kari Ås", "kari@eksempel.no"},
        {langtAscii, "Per Lie <per@x.no>", "Subject: Oversendelse av oppdatert dommerfil til klubbene i Sor-Trondelag,",
         "Per Lie", "per@x.no"},
        // Double blanks survive the folding; a quoted name with a comma stays one name.
        {"To  blanke", "\"Ås, Kari\" <k@x.no>, per@x.no", "Subject: To  blanke", "Ås, Kari|", "k@x.no|per@x.no"},
        // Blanks at the edges, and a text that reads as an encoded word, go encoded.
        {" innrykk ", "", "", "", ""},
        {"=?UTF-8?B?SGVp?=", "", "", "", ""},
        // Domains outside ASCII go in their ASCII form, with a name or without.
        {"Til klubbene", "Ørnil IL <klubber@ørnil.no>, <post@bærum.no>, leder@Ærøskøbing.dk", "Subject: Til klubbene",
         "Ørnil IL||", "klubber@xn--rnil-fra.no|post@xn--brum-voa.no|leder@xn--rskbing-lxa7nc.dk"},
        {std::string(60, 'x') + " Ærlig talt: ååå øøø æææ ÅÆØ – dommerfil", "Ærlige Åsmund Øvrebø-Kristiansen <a@b.no>", "",
         "Ærlige Åsmund Øvrebø-Kristiansen", "a@b.no"},
    };
    for (const auto& t : tilfeller) {
        SCOPED_TRACE(t.emne);
        kdtest::TempDir dir;
        const std::string eml = dir.file("ut.eml");
        mail::WriteEml({t.emne, t.mottaker, "Brev", ""}, eml);
        EXPECT_LE(mailtest::LongestHeaderLine(eml), 76u);
        const std::string ra = kdtest::ReadFile(eml);
        if (!t.raEmne.empty()) {
            EXPECT_NE(ra.find("\r\n" + t.raEmne + "\r\n"), std::string::npos) << ra;
        } else {
            EXPECT_NE(ra.find("\r\nSubject: =?UTF-8?B?"), std::string::npos) << ra;
        }
        auto m = ParseEml(eml);
        ASSERT_EQ(m.count("error"), 0u) << m["error"];
        EXPECT_EQ(m["defects"], "0");
        EXPECT_EQ(m["subject"], t.emne);
        EXPECT_EQ(m["to.names"], t.navn);
        EXPECT_EQ(m["to.addrs"], t.adresser);
        // No raw UTF-8 in the headers.
        const std::string hoder = ra.substr(0, ra.find("\r\n\r\n"));
        EXPECT_EQ(std::count_if(hoder.begin(), hoder.end(), [](char c) { return (unsigned char)c > 127; }), 0);
    }
}

} // namespace
