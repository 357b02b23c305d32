#include "app/FormStatistics.h"

#include "core/Statistics.h"
#include "game/PlayerStatistics.h"
#include "text/Captions.h"
#include "text/TextLookup.h"
#include "ui/clsResize.h"
#include "ui/Design.h"
#include "ui/MLSTranslateForm.h"
#include "ui/MsgBox.h"
#include "ui/Properties.h"
#include "ui/TimeChart.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace {


// The columns of the table: the key of the heading and its built-in text.
constexpr std::pair<const char*, const char*> kColumns[] = {
    {"0273", "Auto"},           {"0274", "Indizi"},         {"0275", "Risolti"},        {"0276", "Al primo colpo"},
    {"0277", "Errate"},         {"0278", "Suggerimenti"},   {"0279", "Tempo migliore"}, {"0280", "Tempo tipico"},
    {"0281", "Serie attuale"},  {"0282", "Serie migliore"},
};

QString TimeOrDash(const std::optional<qint64>& ms) { return ms ? stats::TimeText(*ms) : QStringLiteral("–"); }

}  // namespace

FormStatisticsWindow::FormStatisticsWindow() : Form(QStringLiteral("FormStatistics"), 11535, 6495)
{
    setWindowTitle(QStringLiteral("Parcolo - statistiche"));
    const QFont font = DesignFont(QStringLiteral("Arial"), 11, false);
    table_ = Place(new QTableWidget(0, int(std::size(kColumns))), QStringLiteral("grdFigures"), -1, 120, 120, 11295, 2415);
    table_->setFont(font);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->setTabKeyNavigation(false);
    empty_ = Place(new QLabel, QStringLiteral("lblEmpty"), -1, 120, 120, 11295, 2415);
    empty_->setFont(DesignFont(QStringLiteral("Arial"), 14.25, false));
    empty_->setWordWrap(true);
    empty_->setAlignment(Qt::AlignCenter);
    chartTitle_ = Place(new QLabel, QStringLiteral("lblChart"), -1, 120, 2640, 8640, 375);
    chartTitle_->setFont(DesignFont(QStringLiteral("Arial"), 12, true));
    chart_ = Place(new TimeChart, QStringLiteral("picChart"), -1, 120, 3060, 8640, 3315);
    chart_->setFont(font);
    command2_ = Place(DesignButton(QStringLiteral("Azzera statistiche"), DesignFont(QStringLiteral("Arial"), 14.25, false)),
                      QStringLiteral("Command2"), -1, 8985, 3960, 2430, 870);
    command1_ = Place(DesignButton(QStringLiteral("Chiudi"), DesignFont(QStringLiteral("Arial"), 14.25, false)),
                      QStringLiteral("Command1"), -1, 8985, 5160, 2430, 870);
    connect(command1_, &QPushButton::clicked, this, Action(&FormStatisticsWindow::Command1_Click));
    connect(command2_, &QPushButton::clicked, this, Action(&FormStatisticsWindow::Command2_Click));
    connect(table_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row < 0 || !table_->item(row, 0)) return;
        ChooseKind(table_->item(row, 0)->data(Qt::UserRole).toInt(), table_->item(row, 1)->data(Qt::UserRole).toInt());
    });
}

void FormStatisticsWindow::Form_Load()
{
    MLSTranslateForm(this);
    BindResizer(this);
    chosen_ = PlayerStatistics(this).LastPlayed();
    Fill();
}

// Turns played while the window stood open behind a game are shown when it comes back.
void FormStatisticsWindow::Form_Activate()
{
    FillScreen();
    Fill();
}

void FormStatisticsWindow::Form_Resize() { ResizeForm(this); }

void FormStatisticsWindow::Form_LanguageChanged(const QString&) { Fill(); }

void FormStatisticsWindow::Command1_Click() { Unload(); }

void FormStatisticsWindow::Command2_Click()
{
    if (MsgBox(this, MLSGetStringOr("0272", "Vuoi davvero azzerare tutte le statistiche? Non si potranno recuperare."), MsgButtons::YesNo,
               MsgIcon::Question, QStringLiteral("Parcolo")) != MsgResult::Yes)
        return;
    ChangePlayerStatistics(this, [](stats::Statistics& s) { s = stats::Statistics(); });
    chosen_.reset();
    Fill();
}

void FormStatisticsWindow::ChooseKind(int cars, int kind)
{
    chosen_ = std::pair{cars, kind};
    for (int row = 0; row < table_->rowCount(); ++row)
        if (table_->item(row, 0)->data(Qt::UserRole).toInt() == cars && table_->item(row, 1)->data(Qt::UserRole).toInt() == kind &&
            table_->currentRow() != row)
            table_->selectRow(row);
    FillChart();
}

void FormStatisticsWindow::Fill()
{
    const stats::Statistics& all = PlayerStatistics(this);
    QStringList headings;
    for (const auto& [key, builtIn] : kColumns) headings << MLSGetStringOr(key, builtIn);
    table_->setHorizontalHeaderLabels(headings);
    table_->setAccessibleName(MLSGetStringOr("0288", "Statistiche per tipo di turno"));
    const QSignalBlocker quiet(table_);
    table_->setRowCount(0);
    for (int cars = 3; cars <= 5; ++cars)
        for (int kind = 0; kind < stats::kKinds; ++kind) {
            const stats::Figures& f = all.Of(cars, kind);
            if (!f.Played()) continue;
            const int row = table_->rowCount();
            table_->insertRow(row);
            const QString cells[] = {QString::number(cars), KindCaption(kind), QString::number(f.solved),
                                     QString::number(f.firstTry), QString::number(f.wrong), QString::number(f.hints),
                                     TimeOrDash(f.bestMs), TimeOrDash(f.TypicalMs()), QString::number(f.run),
                                     QString::number(f.bestRun)};
            for (int column = 0; column < int(std::size(cells)); ++column) {
                auto* item = new QTableWidgetItem(cells[column]);
                item->setTextAlignment(column == 1 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
                table_->setItem(row, column, item);
            }
            table_->item(row, 0)->setData(Qt::UserRole, cars);
            table_->item(row, 1)->setData(Qt::UserRole, kind);
        }
    const bool any = table_->rowCount() > 0;
    table_->setVisible(any);
    empty_->setVisible(!any);
    SetCaption(empty_, MLSGetStringOr("0285", "Nessun turno giocato finora: le statistiche compaiono qui dopo il primo turno."));
    command2_->setEnabled(any);
    if (!chosen_ || !all.Of(chosen_->first, chosen_->second).Played()) chosen_ = all.LastPlayed();
    if (chosen_) ChooseKind(chosen_->first, chosen_->second);
    else FillChart();
}

void FormStatisticsWindow::FillChart()
{
    if (!chosen_) {
        SetCaption(chartTitle_, QString());
        chart_->SetTimes({}, std::nullopt, 1, QString(), QString());
        chart_->setAccessibleName(QString());
        return chart_->setVisible(false);
    }
    chart_->setVisible(true);
    const auto [cars, kind] = *chosen_;
    const stats::Figures& f = PlayerStatistics(this).Of(cars, kind);
    const int shown = int(std::min<std::size_t>(f.times.size(), kChartTurns));
    std::vector<qint64> times(f.times.end() - shown, f.times.end());
    const QString kindName = CarsCaption(cars) + QStringLiteral(", ") + KindCaption(kind);
    SetCaption(chartTitle_, shown == 0 ? kindName
                                       : MLSGetStringOr("0283", "Tempi degli ultimi turni risolti (%1) – %2")
                                             .replace(QLatin1String("%1"), QString::number(shown))
                                             .replace(QLatin1String("%2"), kindName));
    chart_->SetTimes(times, f.bestMs, f.solved - shown + 1, MLSGetStringOr("0284", "migliore: %1"),
                     MLSGetStringOr("0287", "Nessun turno di questo tipo è stato ancora risolto."));
    chart_->setAccessibleName(chartTitle_->text());
    QStringList said;
    for (const qint64 t : times) said << stats::TimeText(t);
    chart_->setAccessibleDescription(shown == 0 ? MLSGetStringOr("0287", "Nessun turno di questo tipo è stato ancora risolto.")
                                                : MLSGetStringOr("0286", "Dal più vecchio al più recente, in minuti e secondi: %1. Tempo migliore: %2.")
                                                      .replace(QLatin1String("%1"), said.join(QStringLiteral(", ")))
                                                      .replace(QLatin1String("%2"), TimeOrDash(f.bestMs)));
}
