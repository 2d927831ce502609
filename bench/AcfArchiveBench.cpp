// Store and load of an autocorrelation record holding 100,000 variables in each list, against a plain
// copy of as many bytes: how far the archive is from the memory bandwidth.

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "Platform/CArchive.h"
#include "Private/AcfData.h"

namespace {

constexpr int kVariables = 100'000;

const CAcfData& BigRecord() {
    static const CAcfData record = [] {
        CAcfData r;
        for (int i = 0; i < kVariables; ++i) {
            const CGUIDataVariable v(CString(L"series_" + std::to_wstring(i)), kVariableTypeNumeric);
            r.ListOfVariablesList.Add(v);
            r.SelectedVariablesList.Add(v);
        }
        r.SaveFileEdit = L"results.tvz";
        r.SaveFileCheck = 1;
        return r;
    }();
    return record;
}

std::size_t ArchiveSize() {
    CAcfData copy = BigRecord();
    CArchive ar;
    copy.Serialize(ar);
    return ar.GetBuffer().size();
}

void BM_AcfStoreAndLoad(benchmark::State& state) {
    CAcfData source = BigRecord();
    std::size_t bytes = 0;
    for (auto _ : state) {
        CArchive out;
        source.Serialize(out);
        CArchive in(out.GetBuffer());
        CAcfData loaded;
        loaded.LoadFromArchive(in);
        bytes = out.GetBuffer().size();
        benchmark::DoNotOptimize(loaded.SelectedVariablesList.GetSize());
    }
    // What was timed must also be right.
    CArchive out;
    source.Serialize(out);
    CArchive in(out.GetBuffer());
    CAcfData loaded;
    loaded.LoadFromArchive(in);
    if (!(loaded.ListOfVariablesList == source.ListOfVariablesList &&
          loaded.SelectedVariablesList == source.SelectedVariablesList))
        state.SkipWithError("the record did not read back whole");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["archive_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_AcfStoreAndLoad)->Unit(benchmark::kMillisecond);

void BM_MemcpySameBytes(benchmark::State& state) {
    const std::size_t bytes = ArchiveSize();
    std::vector<char> from(bytes, 'x');
    std::vector<char> to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["archive_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_MemcpySameBytes)->Unit(benchmark::kMillisecond);

}  // namespace
