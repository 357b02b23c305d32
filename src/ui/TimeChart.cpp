#include "ui/TimeChart.h"

#include "core/Statistics.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

constexpr QRgb kBar = 0x4F7FBF;      // a mid blue, 4.1:1 on white: a shape, no text
constexpr QRgb kBarEdge = 0x2B4F80;
constexpr QRgb kLine = 0x1D2A38;     // the axis and the best time's line: drawings, not text

// A round step for the time axis: 1, 2 or 5 times a power of ten seconds, or minutes.
qint64 AxisStep(qint64 largest)
{
    static const qint64 steps[] = {1000, 2000, 5000, 10000, 15000, 30000, 60000, 120000, 300000, 600000, 900000, 1800000, 3600000};
    for (const qint64 step : steps)
        if (largest / step <= 5) return step;
    return 3600000 * (largest / 3600000 / 5 + 1);
}

}  // namespace

TimeChart::TimeChart(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(false);
    setFocusPolicy(Qt::TabFocus);
}

void TimeChart::SetTimes(std::vector<qint64> times, std::optional<qint64> best, int firstNumber, const QString& bestLabel,
                         const QString& empty)
{
    times_ = std::move(times);
    best_ = best;
    firstNumber_ = firstNumber;
    bestLabel_ = bestLabel;
    empty_ = empty;
    update();
}

void TimeChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::Text);
    p.fillRect(rect(), palette().color(QPalette::Base));
    p.setPen(QPen(palette().color(QPalette::Mid), 1));
    p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(ink);
    const QFontMetrics fm(font());
    if (times_.empty()) {
        p.drawText(rect().adjusted(fm.height(), 0, -fm.height(), 0), Qt::AlignCenter | Qt::TextWordWrap, empty_);
        return;
    }

    const qint64 largest = std::max<qint64>(*std::max_element(times_.begin(), times_.end()), 1000);
    const qint64 step = AxisStep(largest);
    const qint64 top = (largest / step + 1) * step;
    const int axisWidth = fm.horizontalAdvance(stats::TimeText(top)) + fm.height();
    const QRectF plot(axisWidth, fm.height() * 1.5, width() - axisWidth - fm.height(), height() - fm.height() * 3.5);
    if (plot.width() < 10 || plot.height() < 10) return;
    const auto yOf = [&](qint64 ms) { return plot.bottom() - plot.height() * double(ms) / double(top); };

    // The time axis: a faint line and its time at every step.
    for (qint64 t = 0; t <= top; t += step) {
        const double y = yOf(t);
        p.setPen(QPen(palette().color(QPalette::Midlight).darker(110), 1));
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(ink);
        p.drawText(QRectF(0, y - fm.height(), axisWidth - fm.height() / 3.0, fm.height() * 2), Qt::AlignRight | Qt::AlignVCenter,
                   stats::TimeText(t));
    }

    // The bars, numbered under the axis (a number where there is room for it).
    const double slot = plot.width() / double(times_.size());
    const double bar = std::max(2.0, slot * 0.7);
    const int every = std::max(1, int(std::ceil(fm.horizontalAdvance(QString::number(firstNumber_ + int(times_.size()))) * 1.6 / slot)));
    for (std::size_t i = 0; i < times_.size(); ++i) {
        const double x = plot.left() + slot * double(i) + (slot - bar) / 2;
        const QRectF r(x, yOf(times_[i]), bar, plot.bottom() - yOf(times_[i]));
        const bool isBest = best_ && times_[i] == *best_;
        p.setPen(QPen(QColor(kBarEdge), 1));
        p.setBrush(QColor(kBar));
        p.drawRect(r);
        if (isBest) p.fillRect(r, QBrush(QColor(Qt::white), Qt::BDiagPattern));
        const int number = firstNumber_ + int(i);
        if ((times_.size() - 1 - i) % every == 0) {
            p.setPen(ink);
            p.drawText(QRectF(x + bar / 2 - slot, plot.bottom() + 2, slot * 2, fm.height()), Qt::AlignHCenter | Qt::AlignTop,
                       QString::number(number));
        }
    }
    p.setPen(QPen(QColor(kLine), 1));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());

    // The best time: a dashed line across, and in the key above the bars a piece of the line
    // with its label, where no bar can hide it.
    if (best_) {
        const double y = yOf(std::min(*best_, top));
        p.setPen(QPen(QColor(kLine), 2, Qt::DashLine));
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        const QString label = QString(bestLabel_).replace(QLatin1String("%1"), stats::TimeText(*best_));
        const double labelWidth = fm.horizontalAdvance(label), sample = fm.height() * 2.0;
        const double keyY = fm.height() * 0.75, keyRight = plot.right();
        p.drawLine(QPointF(keyRight - labelWidth - sample - 6, keyY), QPointF(keyRight - labelWidth - 6, keyY));
        p.setPen(ink);
        p.drawText(QRectF(keyRight - labelWidth, 0, labelWidth, fm.height() * 1.5), Qt::AlignRight | Qt::AlignVCenter, label);
    }
}
