// A grid filled with the rows of a large result file as the review window fills it:
// the heap it takes per row (byte_per_rad) beside the bytes of the rows' text
// (tekst_per_rad), the least any keeping of the cells could take.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <string>
#include <vector>

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/Runtime.h"

namespace {

constexpr int Rader = 500000;

struct Rutenettvindu : forms::Form {
    Rutenettvindu() : Form("Rutenettvindu") {}
    forms::MSFlexGrid MSFlexGrid1{this, "MSFlexGrid1"};
};

// The eleven cells of a result file's row, tab-separated, as the review window shows them.
std::string rad(int i) {
    return std::to_string(1 + i % 999) + "\t0\tFornavn" + std::to_string(i % 97) + "\tEtternavn\tKlubb\tNM\t1. mai 2026\tBOCCIA\tLag" +
           std::to_string(i) + "\tØrn\t" + std::to_string(i % 13);
}

std::size_t iBruk() { return mallinfo2().uordblks; }

void BM_Rutenett(benchmark::State& s) {
    std::vector<std::string> rader;
    std::size_t tekst = 0;
    for (int i = 0; i < Rader; ++i) {
        rader.push_back(rad(i));
        tekst += rader.back().size() - 10;   // without the tabs
    }
    for (auto _ : s) {
        s.PauseTiming();
        forms::ResetDefaults();
        auto& grid = forms::Default<Rutenettvindu>().MSFlexGrid1;
        grid.SetCols(11);
        grid.SetRows(1);
        const std::size_t for_ = iBruk();
        s.ResumeTiming();
        for (const std::string& r : rader) grid.AddItem(r);
        s.PauseTiming();
        s.counters["byte_per_rad"] = static_cast<double>(iBruk() - for_) / Rader;
        s.ResumeTiming();
    }
    s.counters["tekst_per_rad"] = static_cast<double>(tekst) / Rader;
    forms::ResetDefaults();
}
BENCHMARK(BM_Rutenett)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
