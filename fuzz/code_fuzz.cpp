// libFuzzer target for turn codes: any bytes as a pasted code. Nothing may crash or hang; a code
// taken is a turn that can be played, and its own code gives it back unchanged.

#include "clues/Hint.h"
#include "clues/TurnCode.h"

#include <QString>

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
    const QString pasted = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto decoded = clues::DecodeTurn(pasted);
    const auto* turn = std::get_if<clues::Turn>(&decoded);
    if (!turn) return 0;
    Check(turn->cars >= 3 && turn->cars <= 5);
    if (turn->level) Check(clues::ClueLogic::OfFacts(turn->cars, turn->facts).Orders() == 1);
    const auto again = clues::DecodeTurn(clues::EncodeTurn(*turn));
    Check(std::holds_alternative<clues::Turn>(again) && std::get<clues::Turn>(again) == *turn);
    return 0;
}
