// SetDate over every day of 1900-2099; the counter "per_day" is the time
// of one SetDate (shown in ns).
#include "Apaqty.h"

#include <benchmark/benchmark.h>

static void BM_SetDateEveryDay1900To2099(benchmark::State& state) {
    const QDate first(1900, 1, 1);
    const QDate last(2099, 12, 31);
    const qint64 days = first.daysTo(last) + 1;
    TApaqty a;
    for (auto _ : state) {
        for (QDate d = first; d <= last; d = d.addDays(1)) {
            a.SetDate(d);
            benchmark::DoNotOptimize(a.DayType);
        }
    }
    state.SetItemsProcessed(state.iterations() * days);
    state.counters["per_day"] =
        benchmark::Counter(static_cast<double>(state.iterations() * days),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SetDateEveryDay1900To2099)->Unit(benchmark::kMillisecond);
