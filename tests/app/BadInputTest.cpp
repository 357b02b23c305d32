// The whole program under bad input: it keeps running and nothing on disk is damaged.
//
// Each row prepares the program folder, then the program is played from start-up through every
// window: a turn of each game with the grid, a right and a wrong answer, leaving, the
// information box, the manual, a language pick and the exit question.

#include "app/DocumentOpener.h"
#include "app/FormAvvio.h"
#include "app/FormInfo.h"
#include "app/FormMenu.h"
#include "app/Instances.h"
#include "app/Sounds.h"
#include "app/Startup.h"
#include "core/Score.h"
#include "game/GameForm.h"
#include "support/AppFixture.h"
#include "text/IniReadWrite.h"
#include "text/LanguageSetting.h"
#include "ui/Controls.h"
#include "ui/Properties.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include <functional>
#include <map>

namespace {

struct BadInput {
    const char* name;
    std::function<void(TestFolder&)> prepare;
    bool readOnly = false;
};

// Every file of the folder with its bytes.
std::map<QString, QByteArray> Snapshot(const QString& root)
{
    std::map<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        files[path.mid(root.size())] = it.fileInfo().isDir() ? QByteArray("<folder>")
                                       : f.open(QIODevice::ReadOnly) ? f.readAll()
                                                                    : QByteArray("<unreadable>");
    }
    return files;
}

QByteArray Shipped(const char* name)
{
    QFile f(QStringLiteral(PARCOLO_DATA_DIR "/") + QString::fromLatin1(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const BadInput kRows[] = {
    {"NoDataFilesAtAll", [](TestFolder& f) {
         QFile::remove(f.File(QStringLiteral("Italiano.lng")));
         QFile::remove(f.File(QStringLiteral("LangSetting.ini")));
         QDir(f.File(QStringLiteral("immagini"))).removeRecursively();
     }},
    {"EmptyLanguageFile", [](TestFolder& f) { f.Write(QStringLiteral("Italiano.lng"), QByteArray()); }},
    {"BinaryLanguageFile", [](TestFolder& f) {
         QByteArray junk;
         for (int i = 0; i < 70000; ++i) junk += char((i * 7919 + i / 13) & 0xFF);
         f.Write(QStringLiteral("Italiano.lng"), junk);
     }},
    {"TenMegabyteLanguageFile", [](TestFolder& f) {
         QByteArray big = "[Padding]\r\n";
         const QByteArray line = "riga=\"" + QByteArray(100, 'x') + "\"\r\n";
         while (big.size() < 10 * 1024 * 1024) big += line;
         f.Write(QStringLiteral("Italiano.lng"), big + Shipped("Italiano.lng"));
     }},
    {"CarriageReturnLineEnds", [](TestFolder& f) {
         f.Write(QStringLiteral("Italiano.lng"), Shipped("Italiano.lng").replace("\r\n", "\r"));
     }},
    {"ValueOf2000Characters", [](TestFolder& f) {
         QByteArray lng = Shipped("Italiano.lng");
         lng.replace("0032=\"rossa\"", "0032=\"" + QByteArray(2000, 'r') + "\"");
         lng.replace("FormMenu.Caption=", "FormMenu.Caption=\"" + QByteArray(2000, 'm') + "\"\r\nx=");
         f.Write(QStringLiteral("Italiano.lng"), lng);
     }},
    {"SectionHeaderWithoutBracket", [](TestFolder& f) {
         f.Write(QStringLiteral("Italiano.lng"), QByteArray(Shipped("Italiano.lng")).replace("[FormMenu]", "[FormMenu"));
     }},
    {"ReadOnlyProgramFolder", [](TestFolder&) {}, true},
    {"SettingIsAFolder", [](TestFolder& f) {
         QFile::remove(f.File(QStringLiteral("LangSetting.ini")));
         QDir(f.Path()).mkdir(QStringLiteral("LangSetting.ini"));
     }},
    {"MissingPictureAndSound", [](TestFolder& f) {
         for (int c = 1; c <= 10; ++c) QFile::remove(f.File(QStringLiteral("immagini/%1s.gif").arg(c)));
         QFile::remove(f.File(QStringLiteral("suoni/no.wav")));
         QFile::remove(f.File(QStringLiteral("suoni/si1.wav")));
     }},
};

class BadInputTest : public AppTest, public ::testing::WithParamInterface<BadInput> {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        folder_->CopyShipped(QStringLiteral("English.lng"));
        folder_->CopyShipped(QStringLiteral("suoni"));
        // A lock folder of the test's own, apart from the program folder that may turn read-only.
        qputenv("XDG_RUNTIME_DIR", run_.path().toLocal8Bit());
        SetSoundPlayer({});  // the real path: a missing file is silence
        SetDocumentOpener([](const QString&, const std::function<void()>&) {});
    }
    void TearDown() override
    {
        SetDocumentOpener({});
        AppTest::TearDown();
    }

    QTemporaryDir run_;

    void PlayEverything()
    {
        ASSERT_TRUE(Main());
        FormAvvio.As<FormAvvioWindow>()->Command1_Click();
        for (const int n : {3, 4, 5}) {
            auto* g = OpenGame(n);
            g->Command1_Click();
            g->Image_Click(2, 0);
            g->Image1_DragDrop(0, g->Image1(1));
            g->BottoneConferma_Click();
            NumEsatti = 32767;
            NumErrati = 32767;
            SolveByDrops(g);
            g->BottoneConferma_Click();
            EXPECT_EQ(NumEsatti, 32767);
            EXPECT_FALSE(g->BottoneConferma()->isEnabled());
            g->BottoneAvanti_Click();
            g->BottoneConferma_Click();
            EXPECT_EQ(NumErrati, 32767);
            g->resize(g->width() / 2, g->height() / 2);
            g->MenuAzzera_Click();
            answer_ = MsgResult::Yes;
            g->mnuEsci_Click();
            ProcessDeletes();
            ASSERT_TRUE(FormMenu.IsLoaded()) << n;
        }
        auto* menu = FormMenu.As<FormMenuWindow>();
        EXPECT_FALSE(menu->Command4()->text().isEmpty());
        menu->mnuabout_Click();
        FormInfo.As<FormInfoWindow>()->Command1_Click();
        ProcessDeletes();
        menu->mnudoc_Click();
        menu->Check1()->setChecked(false);
        for (int k = menu->mnuLanguageCount() - 1; k >= 0; --k) menu->mnuLanguage(k)->trigger();
        EXPECT_FALSE(menu->Command4()->text().isEmpty());
        answer_ = MsgResult::No;
        menu->Command1_Click();
        EXPECT_EQ(endedAtOnce_, 0);
        answer_ = MsgResult::Yes;
        menu->Command1_Click();
        EXPECT_EQ(endedAtOnce_, 1);
    }
};

}  // namespace

TEST_P(BadInputTest, TheProgramRunsAndNothingOnDiskIsDamaged)
{
    GetParam().prepare(*folder_);
    if (GetParam().readOnly && !folder_->MakeReadOnly()) GTEST_SKIP() << "cannot make a folder read-only here";
    auto before = Snapshot(folder_->Path());
    PlayEverything();
    auto after = Snapshot(folder_->Path());
    // Picking a language may store it, when the folder takes the file; nothing else changes.
    if (!GetParam().readOnly && after.count(QStringLiteral("/LangSetting.ini")) &&
        !QFileInfo(folder_->File(QStringLiteral("LangSetting.ini"))).isDir()) {
        EXPECT_EQ(MLSReadIni(folder_->File(QStringLiteral("LangSetting.ini")), QStringLiteral("Language"),
                             QStringLiteral("CurrentLanguage")).value_or(QString()),
                  MLSCurrentLanguage);
        before.erase(QStringLiteral("/LangSetting.ini"));
        after.erase(QStringLiteral("/LangSetting.ini"));
    }
    EXPECT_TRUE(before == after) << "files changed on disk";
}

INSTANTIATE_TEST_SUITE_P(Rows, BadInputTest, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<BadInput>& info) { return std::string(info.param.name); });

namespace {
class MissingPictureTest : public AppTest {};
}  // namespace

// A car whose picture is missing or no picture is still seen: a plain car of its colour with its
// name, on its road, in the car's place and in the note pad; the player hears of it once.
TEST_F(MissingPictureTest, ACarWithoutAPictureIsDrawnInItsColourAndThePlayerIsToldOnce)
{
    QFile::remove(folder_->File(QStringLiteral("immagini/1s.gif")));
    QFile broken(folder_->File(QStringLiteral("immagini/2s.gif")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("GIF89a, cut short");
    broken.close();
    Script({Pick(0, 2),                                // counted from the left: the "s" pictures
            Pick(0, 3), Pick(0, 3), Pick(0, 3),        // car 0 in slot 0, car 1 in slot 1, car 2 in slot 2
            Pick(0, 10), Pick(1, 10), Pick(2, 10)});   // colours 1, 2, 3
    GameForm* g = OpenGame(3);
    QCoreApplication::processEvents();
    for (int car : {0, 1}) {
        const QImage drawn = g->Image1(car)->Picture().toImage();
        ASSERT_FALSE(drawn.isNull()) << car;
        // Between the wheels, behind the name: the body's colour.
        const double dpr = drawn.devicePixelRatio();
        const QRgb body = car == 0 ? qRgb(0xCF, 0x3C, 0x39) : qRgb(0x0B, 0x51, 0xEE);
        EXPECT_EQ(drawn.pixel(int(420 * dpr), int(100 * dpr)), body) << car;
    }
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_TRUE(boxes_[0].text.contains(QStringLiteral("1s.gif"))) << boxes_[0].text.toStdString();
    g->Command1_Click();
    EXPECT_EQ(g->Grid(2, 0)->Picture().cacheKey(), g->Image1(g->Model().CarInRow(0))->Picture().cacheKey());
    SolveByDrops(g);
    g->BottoneConferma_Click();
    g->BottoneAvanti_Click();
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes_.size(), 1u);
}
