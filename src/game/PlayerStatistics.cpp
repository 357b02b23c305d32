#include "game/PlayerStatistics.h"

#include "text/StatisticsFile.h"
#include "text/TextLookup.h"
#include "ui/Form.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {

struct State {
    std::optional<LoadedStatistics> loaded;
    bool toldUnwritable = false;
};

State& Current()
{
    static State state;
    return state;
}

void TellUnwritable(QWidget* window)
{
    if (Current().toldUnwritable) return;
    Current().toldUnwritable = true;
    const QString folder = QDir::toNativeSeparators(QFileInfo(StatisticsFile()).absolutePath());
    TellWhenFree(window, MLSGetStringOr(QStringLiteral("0269"), QString::fromUtf8("Le statistiche non si possono salvare nella cartella "
                                                                          "%1: si gioca lo stesso, ma i risultati di questa "
                                                                          "sessione non verranno conservati."))
                     .replace(QLatin1String("%1"), folder));
}

LoadedStatistics& Loaded(QWidget* window)
{
    State& state = Current();
    if (!state.loaded) {
        state.loaded = LoadStatistics();
        if (!state.loaded->setAside.isEmpty())
            TellWhenFree(window, MLSGetStringOr(QStringLiteral("0268"), QString::fromUtf8("Non è stato possibile leggere le statistiche "
                                                                                 "salvate: il file è stato messo da parte con il "
                                                                                 "nome %1 e da ora si ricomincia con statistiche "
                                                                                 "nuove."))
                             .replace(QLatin1String("%1"), QDir::toNativeSeparators(state.loaded->setAside)));
        if (!state.loaded->writable) TellUnwritable(window);
    }
    return *state.loaded;
}

}  // namespace

const stats::Statistics& PlayerStatistics(QWidget* window) { return Loaded(window).statistics; }

void ChangePlayerStatistics(QWidget* window, const std::function<void(stats::Statistics&)>& change)
{
    LoadedStatistics& loaded = Loaded(window);
    change(loaded.statistics);
    if (!loaded.writable || !SaveStatistics(loaded.statistics)) {
        loaded.writable = false;
        TellUnwritable(window);
    }
}

void ForgetPlayerStatistics() { Current() = State{}; }
