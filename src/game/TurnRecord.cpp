#include "game/TurnRecord.h"

#include "game/PlayerStatistics.h"
#include "text/TextLookup.h"

#include <QStringList>

void TurnRecord::Start(int cars, int kind, bool active)
{
    cars_ = cars;
    kind_ = kind;
    wrongBefore_ = false;
    solved_ = false;
    time_.Start(active);
}

void TurnRecord::Wrong(QWidget* window)
{
    if (solved_) return;
    wrongBefore_ = true;
    ChangePlayerStatistics(window, [this](stats::Statistics& s) { s.Wrong(cars_, kind_); });
}

void TurnRecord::Hint(QWidget* window)
{
    if (solved_) return;
    ChangePlayerStatistics(window, [this](stats::Statistics& s) { s.Hint(cars_, kind_); });
}

QString TurnRecord::Solved(QWidget* window)
{
    if (solved_) return QString();
    solved_ = true;
    const qint64 ms = time_.Elapsed();
    stats::Records records;
    ChangePlayerStatistics(window, [&](stats::Statistics& s) { records = s.Solved(cars_, kind_, ms, !wrongBefore_); });
    QStringList said;
    if (records.bestTime)
        said << MLSGetStringOr(QStringLiteral("0270"), QStringLiteral("Nuovo record di tempo: %1!")).replace(QLatin1String("%1"), stats::TimeText(ms));
    if (records.bestRun)
        said << MLSGetStringOr(QStringLiteral("0271"), QStringLiteral("Nuovo record di turni di fila risolti al primo colpo: %1!"))
                    .replace(QLatin1String("%1"), QString::number(PlayerStatistics(window).Of(cars_, kind_).run));
    return said.join(u' ');
}
