// The match windows on a full database: 999 referees, 100,000 active matches
// and a tenth as many deleted ones (and ten times that); the refills and the showing also with
// the window on screen; beside floors that read the same rows with SQLite alone.
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

#include "BenchBase.h"
#include "Skjerm.h"
#include "matches/Dommer.h"
#include "matches/ValgtKamp.h"
#include "reports/Rapporter.h"
#include "matches/VisSletteData.h"
#include "platform/dao/Dao.h"
#include "platform/forms/Runtime.h"
#include "platform/printer/Printer.h"
#include "platform/printer/Recording.h"
#include "qtview/Convert.h"
#include "qtview/PrinterBackend.h"
#include "state/ProgramState.h"

namespace {

constexpr int Dommere = 999;
using benchbase::Kamper;

void fyll(int kamper) {
    const int slettede = kamper / 10;
    for (int nr = 1; nr <= Dommere; ++nr)
        state::DBase.Execute("Insert Into Dommere (DommerNR, Dommer_FNavn, Dommer_ENavn, Dommer_Lag) Values (?, ?, ?, ?)",
                             {vb::Variant::Integer(nr), "Fornavn" + std::to_string(nr), "Etternavn", "Klubb"});
    for (int i = 0; i < kamper + slettede; ++i)
        state::DBase.Execute(
            "Insert Into Dommertabell (DommerNR, SekvensNR, Status, TurneringsNavn, Turneringsdato, Dommer_HLag, "
            "Dommer_BLag, Dommer_HPoeng, Dommer_BPoeng, Typespill, DatoEndret) "
            "Values (?, ?, ?, ?, '12. mai 2026', ?, ?, ?, ?, 'BOCCIA', ?)",
            {vb::Variant::Integer(1 + i % Dommere), vb::Variant::Long(i + 1), vb::Variant::Integer(i < kamper ? 0 : 3),
             "Turnering " + std::to_string(i % 50), "Lag " + std::to_string(i % 37), "Lag " + std::to_string(i % 41),
             vb::Variant::Integer(i % 7), vb::Variant::Integer(i % 5),
             i < kamper ? vb::Variant(vb::Null) : vb::Variant("8. des 2026")});
    // Some matches entered twice, each pair once with the game in other letters.
    state::DBase.Execute("Insert Into Dommertabell (DommerNR, SekvensNR, Status, TurneringsNavn, Turneringsdato, "
                         "Dommer_HLag, Dommer_BLag, Dommer_HPoeng, Dommer_BPoeng, Typespill) "
                         "Select DommerNR, SekvensNR + 1000000, Status, TurneringsNavn, Turneringsdato, Dommer_HLag, "
                         "Dommer_BLag, Dommer_HPoeng, Dommer_BPoeng, Case When SekvensNR % 200 = 0 Then 'BOCCIA' "
                         "Else 'Boccia' End From Dommertabell Where SekvensNR % 100 = 0");
}

// A full tournament database with this many active matches, made once, open, with the match window shown on it.
Dommer& vindu(int kamper = Kamper) {
    benchbase::ApneTurnering("matches", kamper, [kamper] { benchbase::IEnTransaksjon([kamper] { fyll(kamper); }); });
    auto& form = forms::Default<Dommer>();
    form.Show();
    return form;
}

// With the window on screen, until it has drawn the refill.
void BM_Dommerliste(benchmark::State& s) {
    Dommer& f = vindu(static_cast<int>(s.range(0)));
    benchbase::Skjerm skjerm(s.range(1) != 0);
    skjerm.vis(f);
    benchbase::TidMedTegning(s, [&f] { f.Fyll_Dommerliste(); });
    s.counters["rader"] = f.MSFlexGrid2.Rows() - 1;
}
BENCHMARK(BM_Dommerliste)->Apply(benchbase::MedOgUtenSkjerm);

void BM_Kampliste(benchmark::State& s) {
    Dommer& f = vindu(static_cast<int>(s.range(0)));
    benchbase::Skjerm skjerm(s.range(1) != 0);
    skjerm.vis(f);
    f.Text4.SetText("500");
    benchbase::TidMedTegning(s, [&f] { f.Fyll_Kampliste(); });
    s.counters["rader"] = f.MSFlexGrid1.Rows() - 1;
}
BENCHMARK(BM_Kampliste)->Apply(benchbase::MedOgUtenSkjerm);

void BM_VisKampvinduet(benchmark::State& s) {
    vindu(static_cast<int>(s.range(0)));
    benchbase::Skjerm skjerm(s.range(1) != 0);
    benchbase::TidApning<Dommer>(s, skjerm);
    s.counters["rader"] = forms::Default<Dommer>().MSFlexGrid2.Rows() - 1;
}
BENCHMARK(BM_VisKampvinduet)->Apply(benchbase::MedOgUtenSkjerm);

// A match of referee 500 typed into the entry boxes, ready to be saved.
void fyllUtKamp(Dommer& f) {
    f.Text4.SetText("500");
    f.Text1.SetText("Fornavn500");
    f.Text5.SetText("Vårcup");
    f.Text6.SetText("3. mai 2026");
    f.SSCheck1.SetValue(1);
}

void BM_ManuellLagring(benchmark::State& s) {
    Dommer& f = vindu(static_cast<int>(s.range(0)));
    benchbase::Skjerm skjerm(s.range(1) != 0);
    skjerm.vis(f);
    for (auto _ : s) {
        s.PauseTiming();
        fyllUtKamp(f);
        f.Text8(2).SetText("3");
        benchbase::Skjerm::tegn();
        s.ResumeTiming();
        f.SSCommand2_Click();
        benchbase::Skjerm::tegn();
    }
}
BENCHMARK(BM_ManuellLagring)->Apply(benchbase::MedOgUtenSkjerm);

// Deleting one active match of referee 500 with the list refilled; each iteration a match
// that a save just added, so the table keeps its size.
void BM_Sletting(benchmark::State& s) {
    Dommer& f = vindu(static_cast<int>(s.range(0)));
    benchbase::Skjerm skjerm(s.range(1) != 0);
    skjerm.vis(f);
    for (auto _ : s) {
        s.PauseTiming();
        fyllUtKamp(f);
        f.SSCommand2_Click();
        f.Text4.SetText("500");
        f.Fyll_Kampliste();
        kamper::ValgtKamp = kamper::Kampvalg{500, state::Sekvensnummer + 1};
        forms::Headless().setNextAnswer(forms::vbYes);
        benchbase::Skjerm::tegn();
        s.ResumeTiming();
        f.SSCommand3_Click();
        benchbase::Skjerm::tegn();
    }
}
BENCHMARK(BM_Sletting)->Apply(benchbase::MedOgUtenSkjerm);

// The counts of refereed matches, printed.
void BM_AntallDomteKamper(benchmark::State& s) {
    vindu(static_cast<int>(s.range(0)));
    printer::ResetPrinter();
    for (auto _ : s) {
        Print_Antall_Domte_Kamper();
        s.PauseTiming();
        printer::Recorder().clear();
        s.ResumeTiming();
    }
}
BENCHMARK(BM_AntallDomteKamper)->Arg(benchbase::Kamper)->Arg(benchbase::MangeKamper)->Unit(benchmark::kMillisecond);

// The first reading of the whole table after a change from outside the program's own
// saves: what a cold list or count pays once.
void BM_DommerlisteEtterEndring(benchmark::State& s) {
    Dommer& f = vindu(static_cast<int>(s.range(0)));
    for (auto _ : s) {
        s.PauseTiming();
        state::DBase.Execute("Update Dommertabell Set DatoEndret = Null Where SekvensNR = 1");
        s.ResumeTiming();
        f.Fyll_Dommerliste();
    }
}
BENCHMARK(BM_DommerlisteEtterEndring)->Arg(benchbase::Kamper)->Arg(benchbase::MangeKamper)->Unit(benchmark::kMillisecond);

// Floors: SQLite alone on a copy of the file made after the fill, with the program's page cache.
// The file is committed, so its bytes are a whole database while the program holds it.
sqlite3* gulvbase(int kamper) {
    static std::map<int, sqlite3*> baser;
    sqlite3*& db = baser[kamper];
    if (!db) {
        vindu(kamper);
        const std::string kopi = benchbase::Mappe("matches-gulv-" + std::to_string(kamper)) + "/Gulv.KVX";
        std::filesystem::copy_file(state::Databasenavn, kopi);
        sqlite3_open_v2(kopi.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_exec(db, "PRAGMA cache_size = -262144", nullptr, nullptr, nullptr);
    }
    return db;
}

void gulv(benchmark::State& s, const char* sql) {
    sqlite3* c = gulvbase(static_cast<int>(s.range(0)));
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(c, sql, -1, &st, nullptr);
    for (auto _ : s) {
        long rader = 0;
        while (sqlite3_step(st) == SQLITE_ROW) ++rader;
        sqlite3_reset(st);
        benchmark::DoNotOptimize(rader);
    }
    sqlite3_finalize(st);
}

// One referee's active matches, every column: what a refill reads.
void BM_GulvEnDommersKamper(benchmark::State& s) {
    gulv(s, "Select * From Dommertabell Where DommerNR = 500 And Status < 3");
}
BENCHMARK(BM_GulvEnDommersKamper)->Arg(benchbase::Kamper)->Arg(benchbase::MangeKamper)->Unit(benchmark::kMillisecond);

// The whole table once, the columns the counts read.
void BM_GulvHeleTabellen(benchmark::State& s) {
    gulv(s, "Select DommerNR, SekvensNR, Status < 3, Typespill = 'BOCCIA' Collate Binary From Dommertabell");
}
BENCHMARK(BM_GulvHeleTabellen)->Arg(benchbase::Kamper)->Arg(benchbase::MangeKamper)->Unit(benchmark::kMillisecond);

// The seven compared fields of every active row, grouped: the duplicate search in SQL alone.
void BM_GulvDuplikater(benchmark::State& s) {
    gulv(s, "Select DommerNR, Turneringsdato, TurneringsNavn, Typespill, Dommer_HLag, Dommer_BLag, Dommer_HPoeng, "
            "Dommer_BPoeng From Dommertabell Where Status < 3 Group By 1, 2, 3, 4, 5, 6, 7, 8 Having Count(*) > 1");
}
BENCHMARK(BM_GulvDuplikater)->Arg(benchbase::Kamper)->Arg(benchbase::MangeKamper)->Unit(benchmark::kMillisecond);

// The search and its list drawn; leaving list mode again is not timed.
void BM_Duplikatsok(benchmark::State& s) {
    Dommer& f = vindu(static_cast<int>(s.range(0)));
    benchbase::Skjerm skjerm(s.range(1) != 0);
    skjerm.vis(f);
    for (auto _ : s) {
        f.SSCommand5_Click();
        benchbase::Skjerm::tegn();
        s.PauseTiming();
        s.counters["linjer"] = f.MSFlexGrid1.Rows() - 1;
        f.SSCommand5_Click();
        benchbase::Skjerm::tegn();
        s.ResumeTiming();
    }
}
BENCHMARK(BM_Duplikatsok)->Apply(benchbase::MedOgUtenSkjerm);

// The window of deleted matches (a tenth of the table) opened, filled and drawn.
void BM_VisSletteData(benchmark::State& s) {
    vindu(static_cast<int>(s.range(0)));
    benchbase::Skjerm skjerm(s.range(1) != 0);
    benchbase::TidApning<VisSletteData>(s, skjerm);
    s.counters["rader"] = forms::Default<VisSletteData>().MSFlexGrid1.Rows() - 1;
    forms::Default<VisSletteData>().Unload();
}
BENCHMARK(BM_VisSletteData)->Apply(benchbase::MedOgUtenSkjerm);

// Every column of the current row read as the program reads it: numbers as numbers, texts as their bytes.
long long lesRad(sqlite3_stmt* st) {
    long long sum = 0;
    for (int k = 0, n = sqlite3_column_count(st); k < n; ++k) {
        switch (sqlite3_column_type(st, k)) {
        case SQLITE_INTEGER: sum += sqlite3_column_int64(st, k); break;
        case SQLITE_FLOAT: sum += static_cast<long long>(sqlite3_column_double(st, k)); break;
        case SQLITE_NULL: break;
        default: sum += *sqlite3_column_text(st, k) + sqlite3_column_bytes(st, k); break;
        }
    }
    return sum;
}

// Floor of the report of all referees: its reads with SQLite alone, the referees and then each
// one's active matches through one prepared statement, every column of every row read.
class GulvKamprapport {
public:
    explicit GulvKamprapport(sqlite3* c) {
        sqlite3_prepare_v2(c, "Select * from Dommere", -1, &dommere_, nullptr);
        sqlite3_prepare_v2(c, "Select * from Dommertabell where Dommernr= ? AND Status<3", -1, &kamper_, nullptr);
        for (int k = 0; k < sqlite3_column_count(dommere_); ++k)
            if (std::string_view(sqlite3_column_name(dommere_, k)) == "DommerNR") nummer_ = k;
        if (nummer_ < 0) std::abort();
    }
    ~GulvKamprapport() {
        sqlite3_finalize(dommere_);
        sqlite3_finalize(kamper_);
    }
    GulvKamprapport(const GulvKamprapport&) = delete;
    GulvKamprapport& operator=(const GulvKamprapport&) = delete;
    // The match rows read.
    long long les() {
        long long sum = 0, rader = 0;
        while (sqlite3_step(dommere_) == SQLITE_ROW) {
            sum += lesRad(dommere_);
            sqlite3_bind_value(kamper_, 1, sqlite3_column_value(dommere_, nummer_));
            while (sqlite3_step(kamper_) == SQLITE_ROW) {
                sum += lesRad(kamper_);
                ++rader;
            }
            sqlite3_reset(kamper_);
        }
        sqlite3_reset(dommere_);
        benchmark::DoNotOptimize(sum);
        return rader;
    }

private:
    sqlite3_stmt *dommere_ = nullptr, *kamper_ = nullptr;
    int nummer_ = -1;
};

// The same run to a backend that measures as the recording one does but keeps nothing:
// what the report itself costs, apart from the recorder's storage of its 700,000 (or 7 million) texts.
class Tellebakende : public printer::Backend {
public:
    printer::PageSize pageSize() override { return printer::Recorder().page; }
    double textWidth(const std::string& t, const printer::Font& f) override { return printer::Recorder().textWidth(t, f); }
    double lineHeight(const printer::Font& f) override { return printer::Recorder().lineHeight(f); }
    void startDoc() override {}
    void text(const printer::PrintedText&) override { ++tekster; }
    void newPage() override {}
    void endDoc() override {}
    void killDoc() override {}
    long tekster = 0;
};

// The report of all referees ("Kamprapport, alle dommere") beside its floor, the two taking turns
// at going first: the time is the report's, the floor's time (gulv_ms) and the ratio (forhold)
// are counters. With lagring 1 it goes to the recording backend, which keeps every text; with 0 to
// one that only counts them: what the report itself costs.
void BM_KamprapportAlleDommere(benchmark::State& s) {
    Dommer& f = vindu(static_cast<int>(s.range(0)));
    GulvKamprapport gulv(gulvbase(static_cast<int>(s.range(0))));
    const bool lagring = s.range(1) != 0;
    printer::ResetPrinter();
    Tellebakende bakende;
    if (!lagring) printer::SetBackend(&bakende);
    using Klokke = std::chrono::steady_clock;
    const auto tid = [](auto&& kall) {
        const auto start = Klokke::now();
        kall();
        return std::chrono::duration<double>(Klokke::now() - start).count();
    };
    double rapport = 0, gulvtid = 0;
    long runde = 0, rader = 0;
    for (auto _ : s) {
        const bool gulvForst = ++runde % 2 == 0;
        if (gulvForst) gulvtid += tid([&] { rader = gulv.les(); });
        const double r = tid([&] { f.SSCommand7_Click(); });
        if (!gulvForst) gulvtid += tid([&] { rader = gulv.les(); });
        rapport += r;
        s.SetIterationTime(r);
        if (lagring) {
            s.counters["sider"] = printer::Recorder().last().pages;
            printer::Recorder().clear();
        }
    }
    printer::SetBackend(nullptr);
    s.counters["rader"] = static_cast<double>(rader);
    s.counters["gulv_ms"] = gulvtid * 1000 / static_cast<double>(runde);
    s.counters["forhold"] = rapport / gulvtid;
}
BENCHMARK(BM_KamprapportAlleDommere)
    ->ArgsProduct({{benchbase::Kamper, benchbase::MangeKamper}, {0, 1}})
    ->ArgNames({"kamper", "lagring"})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();

// The report to a PDF file through the program's printer backend.
void BM_KamprapportTilPdf(benchmark::State& s) {
    Dommer& f = vindu();
    qtview::QtPrinterBackend bakende;
    const std::string pdf = benchbase::Mappe("matches-pdf") + "/rapport.pdf";
    bakende.setPdfFile(QString::fromStdString(pdf));
    printer::SetBackend(&bakende);
    for (auto _ : s) f.SSCommand7_Click();
    printer::SetBackend(nullptr);
    s.counters["bytes"] = static_cast<double>(std::filesystem::file_size(pdf));
}
BENCHMARK(BM_KamprapportTilPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

// The texts that backend is given, measured by it: what the floor below draws.
class Opptak : public printer::Backend {
public:
    explicit Opptak(printer::Backend& maler) : maler_(maler) {}
    printer::PageSize pageSize() override { return maler_.pageSize(); }
    double textWidth(const std::string& t, const printer::Font& f) override { return maler_.textWidth(t, f); }
    double lineHeight(const printer::Font& f) override { return maler_.lineHeight(f); }
    void startDoc() override { sider.assign(1, {}); }
    void text(const printer::PrintedText& t) override { sider.back().push_back(t); }
    void newPage() override { sider.emplace_back(); }
    void endDoc() override {}
    void killDoc() override {}
    std::vector<std::vector<printer::PrintedText>> sider;

private:
    printer::Backend& maler_;
};

// Floor: QPainter alone drawing the same texts into a PDF, each font made once.
void BM_GulvQPainterTilPdf(benchmark::State& s) {
    Dommer& f = vindu();
    qtview::QtPrinterBackend maler;
    Opptak opptak(maler);
    printer::SetBackend(&opptak);
    f.SSCommand7_Click();
    printer::SetBackend(nullptr);
    const std::string pdf = benchbase::Mappe("matches-gulvpdf") + "/gulv.pdf";
    for (auto _ : s) {
        QPrinter p(QPrinter::HighResolution);
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                    QPageLayout::Millimeter));
        p.setOutputFileName(QString::fromStdString(pdf));
        std::vector<std::pair<printer::Font, std::pair<QFont, double>>> fonter;
        QPainter maling(&p);
        const double skala = p.resolution() / 1440.0;
        for (size_t i = 0; i < opptak.sider.size(); ++i) {
            if (i > 0) p.newPage();
            for (const printer::PrintedText& t : opptak.sider[i]) {
                auto it = std::find_if(fonter.begin(), fonter.end(), [&](const auto& e) { return e.first == t.font; });
                if (it == fonter.end()) {
                    const QFont q = qtview::ToQFont(
                        forms::Font{.Name = t.font.Name, .Size = t.font.Size, .Bold = t.font.Bold, .Underline = t.font.Underline});
                    fonter.push_back({t.font, {q, QFontMetricsF(q, &p).ascent()}});
                    it = fonter.end() - 1;
                }
                maling.setFont(it->second.first);
                maling.drawText(QPointF(t.x * skala, t.y * skala + it->second.second), QString::fromStdString(t.text));
            }
        }
        maling.end();
    }
    s.counters["bytes"] = static_cast<double>(std::filesystem::file_size(pdf));
}
BENCHMARK(BM_GulvQPainterTilPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) { return benchbase::KjorMedSkjerm(argc, argv); }
