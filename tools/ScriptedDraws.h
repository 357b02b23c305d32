#pragma once
// Turns set up with scripted draws, for the tools that show the real windows (the screenshots,
// the text tour): every run, and every language, shows the same game.

#include "core/Rnd.h"

#include <QEventLoop>
#include <QTimer>

#include <deque>
#include <initializer_list>
#include <utility>
#include <vector>

namespace scripted {

inline std::deque<double>& Draws()
{
    static std::deque<double> draws;
    return draws;
}

// The next draws give Int(Rnd x k) = value for each (value, k).
inline void Script(std::initializer_list<std::pair<int, int>> picks)
{
    for (const auto& [value, k] : picks) Draws().push_back((value + 0.5) / k);
}

// A turn in that direction, the shuffle's draws, the colours of cars 1 to n, then pattern p.
inline void ScriptTurn(int n, bool fromLeft, std::vector<int> shuffle, std::vector<int> colours, int pattern, int patterns)
{
    Script({{fromLeft ? 0 : 1, 2}});
    for (const int r : shuffle) Script({{r, n}});
    for (const int c : colours) Script({{c - 1, 10}});
    Script({{pattern, patterns}});
}

// The scripted draws in place of the random source; past the script, a fixed sequence that
// varies (a loop that draws until a free row comes would never end on one value).
inline void UseScriptedDraws()
{
    SetRndSource([] {
        static unsigned fallback = 12345;
        fallback = fallback * 1103515245u + 12345u;
        if (Draws().empty()) return double((fallback >> 8) & 0xFFFF) / 65536.0;
        const double v = Draws().front();
        Draws().pop_front();
        return v;
    });
}

// Lets the windows paint and the window system answer for that long.
inline void Settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace scripted
