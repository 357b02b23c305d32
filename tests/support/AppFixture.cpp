#include "support/AppFixture.h"

#include "forms/Form.h"
#include "language/modLanguageSupport.h"
#include "shell/Modulo1.h"
#include "shell/Rnd.h"

#include <QCoreApplication>
#include <QEvent>

void AppTest::SetUp()
{
    folder_ = std::make_unique<TestFolder>();
    folder_->CopyShipped(QStringLiteral("Italiano.lng"));
    folder_->CopyShipped(QStringLiteral("immagini"));
    folder_->SetLanguage(QStringLiteral("Italiano"));
    SetScreenSizeTwipsForTesting(1280 * 15, 800 * 15);
    SetRndSource([this] {
        ++drawsTaken_;
        if (!draws_.empty()) {
            const double v = draws_.front();
            draws_.pop_front();
            return v;
        }
        fallback_ = fallback_ * 1103515245u + 12345u;
        return double((fallback_ >> 8) & 0xFFFF) / 65536.0;
    });
    SetMsgBoxHandler([this](const MsgBoxRequest& r) {
        boxes_.push_back(r);
        return r.buttons == MsgButtons::Ok ? MsgResult::Ok : answer_;
    });
    SetSoundPlayer([this](const QString& file) { played_.append(file); });
    SetProgramEndHandler([this](bool atOnce) { ++(atOnce ? endedAtOnce_ : endedLastForm_); });
    SuoniAttivi = true;
    LoadParole();
}

void AppTest::TearDown()
{
    UnloadAll();
    SetProgramEndHandler([](bool) {});
    SetRndSource({});
    SetMsgBoxHandler({});
    SetSoundPlayer({});
    Ridimensionatore.reset();
    folder_.reset();
}

void AppTest::ProcessDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void AppTest::UnloadAll()
{
    for (Form* f : LoadedForms()) f->Unload();
    ProcessDeletes();
}
