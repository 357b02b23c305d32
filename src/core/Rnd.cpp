#include "core/Rnd.h"

#include <chrono>
#include <cmath>
#include <random>

qint16 Caso = 0;

namespace {
std::mt19937_64& Engine()
{
    static std::mt19937_64 engine;
    return engine;
}
std::function<double()>& Source()
{
    static std::function<double()> source;
    return source;
}
}  // namespace

double Rnd()
{
    if (Source()) return Source()();
    // 53 random bits: every double in [0, 1) that a uniform draw can give.
    return double(Engine()() >> 11) * (1.0 / 9007199254740992.0);
}

int RndInt(int k)
{
    const int r = int(std::floor(Rnd() * k));
    return r < 0 ? 0 : (r >= k ? k - 1 : r);
}

void Randomize()
{
    Engine().seed(std::uint64_t(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

void SetRndSource(std::function<double()> source) { Source() = std::move(source); }
