#include "DbTest.h"

#include <algorithm>
#include <sstream>

#include "platform/forms/Form.h"
#include "state/ProgramState.h"
#include "database/Database.h"

namespace dbtest {

namespace {
constexpr int B = dao::dbBoolean, I = dao::dbInteger, L = dao::dbLong, T = dao::dbText, M = dao::dbMemo;

bool LeggesTilFraVersjon(int versjon, const std::string& tabell, const std::string& kolonne) {
    for (const Tillegg& t : TilleggFraVersjon(versjon))
        if (t.tabell == tabell && t.kol.navn == kolonne) return true;
    return false;
}

void LagTabell(dao::Database& db, const std::string& navn, const Kolonneliste& alle, int versjon) {
    dao::TableDef def = db.CreateTableDef(navn);
    for (const Kol& k : alle) {
        if (LeggesTilFraVersjon(versjon, navn, k.navn)) continue;
        dao::Field f(k.navn, k.type, k.type == T && k.storrelse != 255 ? k.storrelse : 0);
        f.AllowZeroLength = k.type == T || k.type == M;
        def.Fields_Append(f);
    }
    db.TableDefs_Append(def);
}
} // namespace

// "Navn:T50 Navn:I ..." -> columns; T = Text (size), M = Memo, I = Integer, L = Long, B = Boolean.
Kolonneliste Les(const std::string& spesifikasjon) {
    Kolonneliste k;
    std::istringstream in(spesifikasjon);
    for (std::string ord; in >> ord;) {
        const auto kolon = ord.find(':');
        const char t = ord[kolon + 1];
        const int type = t == 'T' ? T : t == 'M' ? M : t == 'I' ? I : t == 'L' ? L : B;
        k.push_back({ord.substr(0, kolon), type, t == 'T' ? std::stoi(ord.substr(kolon + 2)) : 0});
    }
    return k;
}

const Kolonneliste& Versjon9() {
    static const Kolonneliste k = Les(
        "LagetDato:T50 TurneringSted:T50 TurneringsNavn:T50 DatabaseID:I OpprettetAv:T50 ADDR1:T50 ADDR2:T50 "
        "PHON:T20 COMM:M Comm1:T50 Comm2:T50 Comm3:T50 Comm4:T50");
    return k;
}

const Kolonneliste& Dommere9() {
    static const Kolonneliste k = Les(
        "DommerNR:I Dommer_FNavn:T50 Dommer_ENavn:T50 Dommer_Lag:T50 Dommer_Curling:B Dommer_Boccia:B "
        "Dommer_Fotball:B Dommer_Handball:B Dommer_Petangue:B KlB_Aspirant1:B KlB_Aspirant2:B KlB_Aspirant3:B "
        "KlB_Dommer1:B KlB_Dommer2:B KlB_Dommer3:B KlC_Aspirant1:B KlC_Dommer1:B KlC_Dommer3:B Dommer_FDato:T255 "
        "Dommer_email:T255 Dommer_Adresse:T50 Dommer_Postnr:T50 Dommer_Poststed:T50 Dommer_Telefon:T16 "
        "Dommer_Mobil:T16 Dommer_DatoDKurs:T50 Dommer_DatoOppdBocKurs:T50 Dommer_DatoOppdCurKurs:T50 "
        "KlB_Overdommer:B KlC_Overdommer:B");
    return k;
}

const Kolonneliste& Dommertabell9() {
    static const Kolonneliste k = Les(
        "DommerNR:I SekvensNR:L Status:I Dommer_FNavn:T50 Dommer_ENavn:T50 Dommer_Lag:T50 TurneringsNavn:T50 "
        "Turneringsdato:T50 Dommer_HLag:T50 Dommer_BLag:T50 Dommer_HPoeng:I Dommer_BPoeng:I Typespill:T50 "
        "DatoEndret:T50");
    return k;
}

const Kolonneliste& Ranking9() {
    static const Kolonneliste k = Les(
        "Nr:I Rank_Nr:I Trukket:I ForNavn:T50 EtterNavn:T50 Klubb:T50 KlasseNr:I Klasse_Navn:T50 Klasse_Type:T50");
    return k;
}

const Kolonneliste& RankingKlData9() {
    static const Kolonneliste k = Les(
        "KlasseNr:I TypeSpill:T50 KlasseType:T50 KlasseNavn:T50 SpillOpsjon:T50 LagSpill:B IndiSpill:B TieBreak:B");
    return k;
}

// The upgrade table of the file format, step by step from `versjon` to 8.
std::vector<Tillegg> TilleggFraVersjon(int versjon) {
    static const std::vector<std::pair<std::string, std::string>> trinn[] = {
        {{"Dommere", "Dommer_Petangue:B KlB_Aspirant1:B KlB_Aspirant2:B KlB_Aspirant3:B KlB_Dommer1:B "
                     "KlB_Dommer2:B KlB_Dommer3:B KlC_Dommer1:B KlC_Dommer3:B KlC_Aspirant1:B Dommer_email:T50"}},
        {{"Dommertabell", "Dommer_HLag:T50 Dommer_BLag:T50 Dommer_HPoeng:I Dommer_BPoeng:I"}},
        {{"Dommertabell", "DatoEndret:T50"}},
        {{"Dommere", "Dommer_DatoDKurs:T50"}, {"Versjon", "Comm1:T50 Comm2:T50 Comm3:T50 Comm4:T50"}},
        {{"Versjon", "Comm1:T50 Comm2:T50 Comm3:T50 Comm4:T50"}},
        {{"Dommere", "Dommer_DatoOppdBocKurs:T50 Dommer_DatoOppdCurKurs:T50"}},
        {},
        {{"Dommere", "KlB_Overdommer:B KlC_Overdommer:B"}},
    };
    std::vector<Tillegg> alle;
    for (int v = std::max(versjon, 1); v <= 8; ++v)
        for (const auto& [tabell, kolonner] : trinn[v - 1])
            for (const Kol& k : Les(kolonner)) {
                const bool finnes = std::any_of(alle.begin(), alle.end(), [&](const Tillegg& a) {
                    return a.tabell == tabell && a.kol.navn == k.navn;
                });
                if (!finnes) alle.push_back({tabell, k});
            }
    return alle;
}

void LagGammelFil(const std::string& sti, int versjon) {
    dao::Workspace& ws = dao::DBEngine::Workspaces(0);
    dao::Database db = ws.CreateDatabase(sti);
    LagTabell(db, "Versjon", Versjon9(), versjon);
    LagTabell(db, "Dommere", Dommere9(), versjon);
    LagTabell(db, "Dommertabell", Dommertabell9(), versjon);
    // The ranking tables came with versions 6 and 7.
    if (versjon >= 8) {
        LagTabell(db, "Ranking", Ranking9(), versjon);
        LagTabell(db, "Ranking_KlData", RankingKlData9(), versjon);
    }
    db.Execute("INSERT INTO Versjon (DatabaseID, TurneringsNavn, LagetDato) VALUES (?, ?, ?)",
               {vb::Variant::Integer(versjon), "Gammel cup", "01.02.1999"});
    db.Execute("INSERT INTO Dommere (DommerNR, Dommer_FNavn, Dommer_ENavn, Dommer_Boccia) VALUES (?, ?, ?, ?)",
               {vb::Variant::Integer(7), "Åse", "Øvrebø", true});
    db.Execute("INSERT INTO Dommertabell (DommerNR, SekvensNR, Status, Typespill) VALUES (?, ?, ?, ?)",
               {vb::Variant::Integer(7), 1, vb::Variant::Integer(0), "BOCCIA"});
    db.Close();
}

Kolonneliste Kolonner(const dao::Database& db, const std::string& tabell) {
    Kolonneliste k;
    for (const dao::Field& f : db.TableDef_(tabell).Fields)
        k.push_back({f.Name, f.Type, f.Type == dao::dbText ? f.Size : 0});
    return k;
}

std::vector<std::string> Navnene(const Kolonneliste& k) {
    std::vector<std::string> n;
    for (const Kol& c : k) n.push_back(c.navn);
    return n;
}

void DbTest::SetUp() {
    state::ResetProgramState();
    forms::ResetRuntime();
    forms::ResetDefaults();
    kdtest::PinClock(kdtest::PinnedNow());
    forms::App.Path = tmp.path();
    state::Arbeidsomrade = &dao::DBEngine::Workspaces(0);
    state::Turnering_Navn = "Norges Valmorisk";
    state::Opprettet_Av = "Norges Valmorisk";
}

void DbTest::TearDown() {
    kdtest::NullstillProgrammet();
}

std::string DbTest::NyFil(const std::string& navn) {
    state::Databasenavn = iProgram(navn + ".kvx");
    state::DatabaseFilnavn = navn + ".kvx";
    Opprett_Ny_Database();
    return state::Databasenavn;
}

void DbTest::Apne(const std::string& sti) {
    const auto skille = sti.rfind('/');
    state::Katalog = sti.substr(0, skille + 1);
    state::Filnavn = sti.substr(skille + 1);
    Sett_Databasenavn();
    Oppgrader_Database();
}

} // namespace dbtest
