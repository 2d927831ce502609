// The typed starting configuration of multidimensional scaling at sizes no one types by hand: the
// dialog's check and the CONFIG line over 80,000 and 1.5 million rows of two numbers, as an edit holds
// them (rows ending in a carriage return and a line feed). Both pass over the text once.

#include <benchmark/benchmark.h>

#include <string>

#include "Private/MdsData.h"
#include "Private/MdsDlg.h"
#include "TvkBaseGui/CMatrixText.h"

namespace {

CString Matrix(int rows) {
    std::wstring text;
    text.reserve(static_cast<std::size_t>(rows) * 10);
    for (int i = 0; i < rows; ++i)
        text += std::to_wstring(i % 97) + L".5 -" + std::to_wstring(i % 13) + L"\r\n";
    return CString(std::move(text));
}

void BM_MdsMatrixCheck(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const CString matrix = Matrix(rows);
    for (auto _ : state)
        benchmark::DoNotOptimize(CMdsConfigDlg::IsMatrixCorrect(matrix, 2, rows));
    state.SetItemsProcessed(state.iterations() * rows);
}

void BM_MdsConfigLine(benchmark::State& state) {
    CMdsConfigData config;
    config.ConfigEdit = Matrix(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(GetSingleLineMatrixString(config.GetCountedRowsText(2)));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(BM_MdsMatrixCheck)->Arg(80'000)->Arg(1'500'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MdsConfigLine)->Arg(80'000)->Arg(1'500'000)->Unit(benchmark::kMillisecond);
