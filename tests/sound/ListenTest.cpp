// Listens to the answers' sounds: a private PulseAudio server plays into a null sink whose monitor
// is recorded, while the real player module plays every answer. Each answer must be heard as its
// file, sample for sample, from its first audible sample on; a sound still playing is cut off by
// the next one without leaving a piece of it behind; and with sounds off the recording is silent.

#include "app/Sounds.h"
#include "core/Rnd.h"
#include "text/ProgramFolder.h"
#include "ui/Form.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

constexpr int kRate = 22050;      // the sound files: 16-bit mono at this rate, so nothing resamples
constexpr int kAudible = 800;     // a sample at least this loud is sound, anything below silence
constexpr int kSameSample = 64;   // mixing and volume may move a sample by this much

std::vector<qint16> Samples(const QByteArray& bytes)
{
    const auto* begin = reinterpret_cast<const qint16*>(bytes.constData());
    return std::vector<qint16>(begin, begin + bytes.size() / 2);
}

std::vector<qint16> WavSamples(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray bytes = f.readAll();
    const int data = bytes.indexOf("data");
    EXPECT_EQ(bytes.mid(22, 10), QByteArray::fromHex("01002256000044ac0000")) << "mono at 22050 Hz";
    return Samples(bytes.mid(data + 8));
}

int FirstAudible(const std::vector<qint16>& s, size_t from = 0)
{
    while (from < s.size() && std::abs(s[from]) < kAudible) ++from;
    return int(from);
}

int LastAudible(const std::vector<qint16>& s)
{
    int k = int(s.size()) - 1;
    while (k >= 0 && std::abs(s[size_t(k)]) < kAudible) --k;
    return k;
}

void Wait(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// The server, a silent stream that keeps the monitor's timeline going, and the recorder.
class PrivateServer {
public:
    bool Start(QString* why)
    {
        const QString sock = dir_.filePath(QStringLiteral("socket"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "PULSE_RUNTIME_PATH", "PULSE_STATE_PATH"})
            env.insert(QString::fromLatin1(name), dir_.path());
        env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + sock);
        env.insert(QStringLiteral("PULSE_COOKIE"), dir_.filePath(QStringLiteral("cookie")));
        for (QProcess* p : {&daemon_, &silence_, &recorder_}) p->setProcessEnvironment(env);
        daemon_.setProcessChannelMode(QProcess::MergedChannels);
        // Also as root (CI): a user server of this test's own, nothing loaded but what it names.
        daemon_.start(QStringLiteral("pulseaudio"),
                      {QStringLiteral("--system=false"), QStringLiteral("--exit-idle-time=-1"), QStringLiteral("-n"),
                       QStringLiteral("--daemonize=no"), QStringLiteral("--use-pid-file=false"),
                       QStringLiteral("--disable-shm"), QStringLiteral("-F"), QStringLiteral("/dev/null"),
                       QStringLiteral("-L"), QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + sock,
                       QStringLiteral("-L"),
                       QStringLiteral("module-null-sink sink_name=parcolo format=s16le rate=%1 channels=1").arg(kRate)});
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 10000 && daemon_.state() != QProcess::NotRunning) {
            QProcess ask;
            ask.start(QStringLiteral("pactl"), {QStringLiteral("-s"), sock, QStringLiteral("info")});
            if (ask.waitForFinished(3000) && ask.exitStatus() == QProcess::NormalExit && ask.exitCode() == 0) {
                for (const char* name : {"PULSE_SERVER", "PULSE_COOKIE"})  // for this program's player
                    qputenv(name, env.value(QString::fromLatin1(name)).toLocal8Bit());
                const QStringList raw = {QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                                         QStringLiteral("--rate=%1").arg(kRate), QStringLiteral("--channels=1")};
                silence_.start(QStringLiteral("pacat"), raw + QStringList{QStringLiteral("-d"), QStringLiteral("parcolo"),
                                                                         QStringLiteral("/dev/zero")});
                recorder_.setStandardOutputFile(dir_.filePath(QStringLiteral("monitor.raw")));
                recorder_.start(QStringLiteral("parec"), raw + QStringList{QStringLiteral("--latency-msec=10"),
                                                                          QStringLiteral("-d"), QStringLiteral("parcolo.monitor")});
                // The recorder takes a while to connect: the answers wait for its first bytes.
                while (t.elapsed() < 20000 && QFileInfo(dir_.filePath(QStringLiteral("monitor.raw"))).size() == 0)
                    Wait(20);
                return true;
            }
            Wait(100);
        }
        daemon_.waitForFinished(1000);
        *why = QStringLiteral("PulseAudio did not start: ") + daemon_.errorString() + u'\n' +
               QString::fromLocal8Bit(daemon_.readAll());
        return false;
    }

    std::vector<qint16> StopRecording()
    {
        recorder_.terminate();
        recorder_.waitForFinished(5000);
        QFile f(dir_.filePath(QStringLiteral("monitor.raw")));
        return f.open(QIODevice::ReadOnly) ? Samples(f.readAll()) : std::vector<qint16>();
    }

    ~PrivateServer()
    {
        for (QProcess* p : {&recorder_, &silence_, &daemon_}) {
            p->terminate();
            if (!p->waitForFinished(3000)) p->kill();
            p->waitForFinished(1000);
        }
    }

private:
    QTemporaryDir dir_;
    QProcess daemon_, silence_, recorder_;
};

struct Answer {
    QString file;
    qint64 at;  // ms since the first answer was given
    bool whole; // false: the next answer cuts it off
};

}  // namespace

TEST(ListenTest, EveryAnswerIsHeardWholeOrCutCleanlyAndSoundsOffIsSilent)
{
    PrivateServer server;
    QString why;
    if (!server.Start(&why)) GTEST_SKIP() << "No audio server could be started here: " << why.toStdString();

    SetProgramFolder(QStringLiteral(PARCOLO_PROGRAM_DIR));
    const int picks[] = {0, 0, 1, 2, 3, 0, 1};  // right answers: si1 twice while still new, then each file
    int draw = 0;
    SetRndSource([&] { return (picks[draw++ % 7] + 0.5) / 4; });
    std::vector<Answer> answers;
    QElapsedTimer clock;
    const auto answer = [&](bool right, bool whole, int thenWait) {
        if (answers.empty()) clock.start();
        answers.push_back({right ? QStringLiteral("si%1.wav").arg(picks[draw % 7] + 1) : QStringLiteral("no.wav"),
                           clock.elapsed(), whole});
        right ? SuonoEsatto() : SuonoErrato();
        Wait(thenWait);
    };
    Wait(300);
    SuoniAttivi = true;
    for (int i = 0; i < 20; ++i) answer(false, true, 600);
    answer(true, false, 150);  // two quick answers: the first is cut off, the second heard whole
    answer(true, true, 1000);
    for (int i = 0; i < 5; ++i) answer(true, true, 1000);
    SuoniAttivi = false;
    SuonoErrato();
    SuonoEsatto();
    Wait(600);
    const std::vector<qint16> rec = server.StopRecording();
    SetRndSource({});
    SuoniAttivi = true;

    // Each answer: its file from its first audible sample on, as long after the one before as it
    // was given; between them, only silence.
    size_t pos = size_t(FirstAudible(rec));
    EXPECT_GT(pos, size_t(0.2 * kRate)) << "sound before any answer";
    size_t lastOnset = 0;
    for (size_t i = 0; i < answers.size(); ++i) {
        const Answer& a = answers[i];
        SCOPED_TRACE("answer " + std::to_string(i + 1) + ", " + a.file.toStdString());
        const std::vector<qint16> wav = WavSamples(InProgramFolder(QStringLiteral("suoni/") + a.file));
        const size_t onset = size_t(FirstAudible(rec, pos));
        ASSERT_LT(onset, rec.size()) << "not heard";
        if (i >= 2)  // the first sound comes later than the others: it loads the player
            EXPECT_NEAR(double(onset - lastOnset) * 1000 / kRate, double(a.at - answers[i - 1].at), 150.0)
                << "heard at the wrong time";
        lastOnset = onset;
        // The longest stretch that equals the file. The monitor misses up to some 10 ms of a new
        // stream's start, from paplay just the same (the sink had rendered ahead), so the
        // stretch may begin up to 30 ms into the file.
        size_t end = onset;
        qint64 from = 0;
        for (qint64 j = 0; j < kRate * 3 / 100; ++j) {
            size_t k = onset;
            while (k < rec.size() && j + qint64(k - onset) < qint64(wav.size()) &&
                   std::abs(rec[k] - wav[size_t(j + qint64(k - onset))]) <= kSameSample)
                ++k;
            if (k > end) end = k, from = j;
        }
        const qint64 audibleEnd = qint64(onset) - from + LastAudible(wav) + 1;
        if (a.whole) {
            EXPECT_GE(qint64(end), audibleEnd) << "cut short after " << (end - onset) * 1000 / kRate << " ms";
        } else {
            EXPECT_GT(end - onset, size_t(0.08 * kRate)) << "the cut-off sound was hardly heard";
            EXPECT_LT(end - onset, size_t(0.3 * kRate)) << "the sound was not cut off";
        }
        pos = end;
    }
    const size_t stray = size_t(FirstAudible(rec, pos));
    EXPECT_EQ(stray, rec.size()) << "sound " << (stray - pos) * 1000 / kRate << " ms after the last answer";
}
