#pragma once

#include <QtGlobal>

namespace agentsim {

// SplitMix64: the same numbers for the same seed on every platform and library, which the standard distributions
// do not promise. A chaos run is worth only as much as its replay.
class ChaosRandom
{
public:
    explicit ChaosRandom(quint64 seed) : m_state(seed) {}

    quint64 next()
    {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. n-1; n above 0.
    int below(int n) { return int(next() % quint64(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool percent(int chance) { return below(100) < chance; }

private:
    quint64 m_state;
};

} // namespace agentsim
