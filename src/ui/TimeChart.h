#pragma once
// A bar chart of times, read at a glance: one bar per turn, oldest on the left, numbered as the
// turns were; a dashed line at the best time with its label, and the bar that made it drawn
// hatched (not told by its colour alone). Texts in the window's ink on white, so they keep the
// program's contrast; the chart fills whatever size its window scales it to.

#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

class TimeChart : public QWidget {
    Q_OBJECT
public:
    explicit TimeChart(QWidget* parent = nullptr);

    // The times (ms) of turns firstNumber, firstNumber + 1, …; the best time ever, which may be
    // older than every bar; its label ("migliore: %1", %1 the time); the text shown without times.
    void SetTimes(std::vector<qint64> times, std::optional<qint64> best, int firstNumber, const QString& bestLabel,
                  const QString& empty);

    const std::vector<qint64>& Times() const { return times_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::vector<qint64> times_;
    std::optional<qint64> best_;
    int firstNumber_ = 1;
    QString bestLabel_;
    QString empty_;
};
