#pragma once
// The statistics window: the player's figures (game/PlayerStatistics.h) in a table, one row per
// kind of turn played (cars, clues, turns solved, at the first try, wrong answers, hints, best
// and typical time, current and best run); under it a chart of the times of the last turns of
// the kind chosen in the table (at first the kind played last), the best time marked.
// "Azzera statistiche" clears everything, after a question; "Chiudi" closes the window.

#include "ui/Form.h"

#include <optional>
#include <utility>

class QLabel;
class QPushButton;
class QTableWidget;
class TimeChart;

class FormStatisticsWindow : public Form {
    Q_OBJECT
public:
    FormStatisticsWindow();

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_LanguageChanged(const QString& language) override;
    void Command1_Click();  // "Chiudi"
    void Command2_Click();  // "Azzera statistiche", after a question

    // The chart shows this kind of turn (3 to 5 cars; 0 Classico … 3 Difficile).
    void ChooseKind(int cars, int kind);

    QTableWidget* grdFigures() const { return table_; }
    TimeChart* picChart() const { return chart_; }
    QLabel* lblChart() const { return chartTitle_; }
    QLabel* lblEmpty() const { return empty_; }
    QPushButton* Command1() const { return command1_; }
    QPushButton* Command2() const { return command2_; }

    // How many of the last times the chart shows.
    static constexpr int kChartTurns = 20;

private:
    // The table and the chart written anew from the figures, in the current language.
    void Fill();
    void FillChart();

    QTableWidget* table_;
    QLabel* empty_;
    QLabel* chartTitle_;
    TimeChart* chart_;
    QPushButton* command1_;
    QPushButton* command2_;
    std::optional<std::pair<int, int>> chosen_;  // cars, kind
};
