// libFuzzer target for the player's statistics file: any bytes as its contents. Nothing may crash
// or hang; statistics that are read keep their rules, and writing them out and reading that back
// gives the same statistics.

#include "core/Statistics.h"

#include <cstdint>
#include <cstdlib>
#include <variant>

namespace {
void Check(bool ok)
{
    if (!ok) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto read = stats::Statistics::Read(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const auto* statistics = std::get_if<stats::Statistics>(&read);
    if (!statistics) return 0;
    for (int cars = 3; cars <= 5; ++cars)
        for (int kind = 0; kind < stats::kKinds; ++kind) {
            const stats::Figures& f = statistics->Of(cars, kind);
            Check(f.firstTry <= f.solved && f.run <= f.bestRun && f.times.size() <= std::size_t(stats::kKeptTimes));
            Check(!f.bestMs || !f.TypicalMs() || *f.bestMs <= *f.TypicalMs());
        }
    const auto again = stats::Statistics::Read(statistics->Write());
    Check(std::holds_alternative<stats::Statistics>(again) && std::get<stats::Statistics>(again) == *statistics);
    return 0;
}
