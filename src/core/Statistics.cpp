#include "core/Statistics.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <utility>

namespace stats {
namespace {

constexpr const char* kKindNames[kKinds] = {"classico", "facile", "medio", "difficile"};
constexpr qint64 kMostCount = 1000000000;           // a billion turns: more is no count but damage
constexpr qint64 kLongestMs = 100LL * 24 * 3600 * 1000;  // a hundred days

int IndexOf(int cars, int kind) { return (std::clamp(cars, 3, 5) - 3) * kKinds + std::clamp(kind, 0, kKinds - 1); }

// A whole number from `low` to `high`, or nothing.
std::optional<qint64> Whole(const QJsonValue& value, qint64 low, qint64 high)
{
    if (!value.isDouble()) return std::nullopt;
    const double d = value.toDouble();
    if (!std::isfinite(d) || d != std::floor(d) || d < double(low) || d > double(high)) return std::nullopt;
    return qint64(d);
}

// A kind's counts, as the file names them.
constexpr std::pair<const char*, int Figures::*> kCounts[] = {
    {"solved", &Figures::solved}, {"firstTry", &Figures::firstTry}, {"wrong", &Figures::wrong},
    {"hints", &Figures::hints},   {"run", &Figures::run},           {"bestRun", &Figures::bestRun}};

std::optional<int> KindNamed(const QString& name)
{
    for (int k = 0; k < kKinds; ++k)
        if (name == QLatin1String(kKindNames[k])) return k;
    return std::nullopt;
}

// One kind's figures as the document lists them, if they keep every rule.
std::optional<Figures> ReadFigures(const QJsonObject& o)
{
    Figures f;
    for (const auto& [name, count] : kCounts) {
        const auto v = Whole(o.value(QLatin1String(name)), 0, kMostCount);
        if (!v) return std::nullopt;
        f.*count = int(*v);
    }
    const auto last = Whole(o.value(QLatin1String("lastPlayed")), 1, kMostCount * 4);
    if (!last) return std::nullopt;
    f.lastPlayed = *last;
    const QJsonValue times = o.value(QLatin1String("times"));
    if (!times.isArray() || times.toArray().size() > std::min<qint64>(kKeptTimes, f.solved)) return std::nullopt;
    for (const QJsonValue& t : times.toArray()) {
        const auto ms = Whole(t, 0, kLongestMs);
        if (!ms) return std::nullopt;
        f.times.push_back(*ms);
    }
    const QJsonValue best = o.value(QLatin1String("bestMs"));
    if (f.solved > 0) {
        const auto ms = Whole(best, 0, kLongestMs);
        if (!ms || std::any_of(f.times.begin(), f.times.end(), [&](qint64 t) { return t < *ms; })) return std::nullopt;
        f.bestMs = ms;
    } else if (!best.isUndefined()) {
        return std::nullopt;
    }
    if (f.firstTry > f.solved || f.run > f.bestRun || f.bestRun > f.firstTry) return std::nullopt;
    return f;
}

std::function<qint64()>& ClockSource()
{
    static std::function<qint64()> source;
    return source;
}

}  // namespace

std::optional<qint64> Figures::TypicalMs() const
{
    if (times.empty()) return std::nullopt;
    std::vector<qint64> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t half = sorted.size() / 2;
    return sorted.size() % 2 ? sorted[half] : (sorted[half - 1] + sorted[half]) / 2;
}

bool Figures::operator==(const Figures& o) const
{
    return solved == o.solved && firstTry == o.firstTry && wrong == o.wrong && hints == o.hints && run == o.run &&
           bestRun == o.bestRun && bestMs == o.bestMs && times == o.times && lastPlayed == o.lastPlayed;
}

const Figures& Statistics::Of(int cars, int kind) const { return figures_[size_t(IndexOf(cars, kind))]; }

Figures& Statistics::Played(int cars, int kind)
{
    Figures& f = figures_[size_t(IndexOf(cars, kind))];
    f.lastPlayed = ++clock_;
    return f;
}

void Statistics::Wrong(int cars, int kind)
{
    Figures& f = Played(cars, kind);
    ++f.wrong;
    f.run = 0;
}

void Statistics::Hint(int cars, int kind) { ++Played(cars, kind).hints; }

Records Statistics::Solved(int cars, int kind, qint64 ms, bool firstTry)
{
    Figures& f = Played(cars, kind);
    ms = std::clamp<qint64>(ms, 0, kLongestMs);
    Records records;
    records.bestTime = f.bestMs && ms < *f.bestMs;
    if (!f.bestMs || ms < *f.bestMs) f.bestMs = ms;
    ++f.solved;
    f.times.push_back(ms);
    if (f.times.size() > std::size_t(kKeptTimes)) f.times.erase(f.times.begin());
    if (firstTry) {
        ++f.firstTry;
        ++f.run;
        records.bestRun = f.bestRun > 0 && f.run > f.bestRun;
        f.bestRun = std::max(f.bestRun, f.run);
    }
    return records;
}

std::optional<std::pair<int, int>> Statistics::LastPlayed() const
{
    const auto last = std::max_element(figures_.begin(), figures_.end(),
                                       [](const Figures& a, const Figures& b) { return a.lastPlayed < b.lastPlayed; });
    if (!last->Played()) return std::nullopt;
    const int index = int(last - figures_.begin());
    return std::pair{3 + index / kKinds, index % kKinds};
}

QByteArray Statistics::Write() const
{
    QJsonArray kinds;
    for (int index = 0; index < int(figures_.size()); ++index) {
        const Figures& f = figures_[size_t(index)];
        if (!f.Played()) continue;
        QJsonArray times;
        for (const qint64 t : f.times) times.append(double(t));
        QJsonObject o{{QLatin1String("cars"), 3 + index / kKinds},
                      {QLatin1String("kind"), QLatin1String(kKindNames[index % kKinds])},
                      {QLatin1String("lastPlayed"), double(f.lastPlayed)},
                      {QLatin1String("times"), times}};
        for (const auto& [name, count] : kCounts) o.insert(QLatin1String(name), f.*count);
        if (f.bestMs) o.insert(QLatin1String("bestMs"), double(*f.bestMs));
        kinds.append(o);
    }
    const QJsonObject document{{QLatin1String("format"), QLatin1String("parcolo-statistics")},
                               {QLatin1String("version"), kVersion},
                               {QLatin1String("kinds"), kinds}};
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

std::variant<Statistics, ReadProblem> Statistics::Read(const QByteArray& bytes)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) return ReadProblem::NotJson;
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QLatin1String("format")).toString() != QLatin1String("parcolo-statistics"))
        return ReadProblem::NotStatistics;
    const auto version = Whole(root.value(QLatin1String("version")), 1, kMostCount);
    if (!version) return ReadProblem::Broken;
    if (*version > kVersion) return ReadProblem::LaterVersion;
    const QJsonValue kinds = root.value(QLatin1String("kinds"));
    if (!kinds.isArray()) return ReadProblem::Broken;
    Statistics s;
    for (const QJsonValue& entry : kinds.toArray()) {
        const QJsonObject o = entry.toObject();
        const auto cars = Whole(o.value(QLatin1String("cars")), 3, 5);
        const auto kind = KindNamed(o.value(QLatin1String("kind")).toString());
        const auto figures = ReadFigures(o);
        if (!entry.isObject() || !cars || !kind || !figures) return ReadProblem::Broken;
        Figures& slot = s.figures_[size_t(IndexOf(int(*cars), *kind))];
        if (slot.Played()) return ReadProblem::Broken;  // a kind listed twice
        slot = *figures;
        s.clock_ = std::max(s.clock_, slot.lastPlayed);
    }
    return s;
}

const char* KindName(int kind) { return kKindNames[std::clamp(kind, 0, kKinds - 1)]; }

QString TimeText(qint64 ms)
{
    const qint64 seconds = std::max<qint64>(ms, 0) / 1000;
    const qint64 h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
    const QString mmss = QStringLiteral("%1:%2").arg(m).arg(s, 2, 10, QLatin1Char('0'));
    return h ? QStringLiteral("%1:%2:%3").arg(h).arg(m, 2, 10, QLatin1Char('0')).arg(s, 2, 10, QLatin1Char('0')) : mmss;
}

qint64 NowMs()
{
    if (ClockSource()) return ClockSource()();
    static QElapsedTimer timer;
    if (!timer.isValid()) timer.start();
    return timer.elapsed();
}

void SetClockSource(std::function<qint64()> source) { ClockSource() = std::move(source); }

void ActiveTime::Start(bool active)
{
    banked_ = 0;
    since_ = active ? std::optional<qint64>(NowMs()) : std::nullopt;
}

void ActiveTime::SetActive(bool active)
{
    if (active && !since_) since_ = NowMs();
    if (!active && since_) {
        banked_ += NowMs() - *since_;
        since_.reset();
    }
}

qint64 ActiveTime::Elapsed() const { return banked_ + (since_ ? NowMs() - *since_ : 0); }

}  // namespace stats
