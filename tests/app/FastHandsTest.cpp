// Fast hands: input that is queued before the window it started has finished loading, or that
// lands where a window has just closed, never reaches a half-made or half-gone window.

#include "app/FormAvvio.h"
#include "app/FormInfo.h"
#include "app/FormMenu.h"
#include "app/Instances.h"
#include "core/Score.h"
#include "game/GameForm.h"
#include "text/LanguageSetting.h"
#include "support/AppFixture.h"
#include "ui/Form.h"

#include <QAction>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class FastHandsTest : public AppTest {
protected:
    // Queues a press and a release (or, for the second press of a double click, the double-click
    // event Qt makes of it and a release) in the middle of the button.
    static void QueueClick(QPushButton* b, bool second = false)
    {
        const QPointF at(b->width() / 2.0, b->height() / 2.0);
        const QPointF global = b->mapToGlobal(at);
        QCoreApplication::postEvent(b, new QMouseEvent(second ? QEvent::MouseButtonDblClick : QEvent::MouseButtonPress,
                                                        at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
        QCoreApplication::postEvent(b, new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton,
                                                        Qt::NoButton, Qt::NoModifier));
    }
    static void Handle()
    {
        QCoreApplication::processEvents();
        ProcessDeletes();
    }
    static bool FillsTheScreen(const Form* f) { return f->frameGeometry() == QRect(0, 0, 1280, 800); }

    FormMenuWindow* Menu()
    {
        FormMenu.Show();
        return FormMenu.As<FormMenuWindow>();
    }
    // Message boxes that wait in a loop of their own, as a person reading them would, then say No.
    void SlowReaderSaysNo()
    {
        SetMsgBoxHandler([this](const MsgBoxRequest& r) {
            boxes_.push_back(r);
            QEventLoop reading;
            QTimer::singleShot(300, &reading, &QEventLoop::quit);
            reading.exec();
            return MsgResult::No;
        });
    }
    static void Wait(int ms)
    {
        QTest::qWait(ms);
        ProcessDeletes();
    }
};

}  // namespace

TEST_F(FastHandsTest, TwoClicksOnAGameButtonOpenOneWholeGameWindow)
{
    QueueClick(Menu()->Command4());
    QueueClick(Menu()->Command4());
    Handle();
    ASSERT_TRUE(FormAuto3.IsLoaded());
    EXPECT_FALSE(FormMenu.IsLoaded());
    auto* g = FormAuto3.As<GameForm>();
    EXPECT_TRUE(FillsTheScreen(g));
    EXPECT_EQ(LoadedForms(), QList<Form*>({g}));
}

TEST_F(FastHandsTest, AClickOnAnotherGameButtonBeforeTheFirstIsHandledOpensNoSecondGame)
{
    QueueClick(Menu()->Command4());
    QueueClick(Menu()->Command2());
    Handle();
    EXPECT_TRUE(FormAuto3.IsLoaded());
    EXPECT_FALSE(FormAuto4.IsLoaded());
    EXPECT_EQ(LoadedForms().size(), 1);
}

TEST_F(FastHandsTest, ADoubleClickOnAvvioOpensAWholeMenuAndNothingUnderIt)
{
    FormAvvio.Show();
    QPushButton* avvio = FormAvvio.As<FormAvvioWindow>()->Command1();
    QueueClick(avvio);
    QueueClick(avvio, true);
    Handle();
    ASSERT_TRUE(FormMenu.IsLoaded());
    EXPECT_FALSE(FormAvvio.IsLoaded());
    EXPECT_TRUE(FillsTheScreen(FormMenu.Instance()));
    // The second click lands on the menu, whose "Esci" lies under "Avvio": no exit question.
    QueueClick(FormMenu.As<FormMenuWindow>()->Command1(), true);
    Handle();
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(FastHandsTest, ADoubleClickOnChiudiDoesNotGoThroughToTheMenu)
{
    Menu()->mnuabout_Click();
    QueueClick(FormInfo.As<FormInfoWindow>()->Command1());
    Handle();
    ASSERT_FALSE(FormInfo.IsLoaded());
    // Qt gives the second press to what now lies under the pointer: the menu's "Esci".
    QueueClick(Menu()->Command1(), true);
    Handle();
    EXPECT_TRUE(boxes_.empty());
    EXPECT_TRUE(FormMenu.IsLoaded());
    // A click of its own still asks.
    QueueClick(Menu()->Command1());
    Handle();
    EXPECT_EQ(boxes_.size(), 1u);
}

// An access key clicks its button a tenth of a second late, from a timer, and that timer may
// fire inside the loop of a message box or of a window's translation: one action runs at a
// time, and no window goes while code of it runs.
TEST_F(FastHandsTest, AccessKeysPressedTogetherRunOneActionAndFreeNoWindowInUse)
{
    SlowReaderSaysNo();
    FormMenuWindow* menu = Menu();
    // Alt+E, Alt+T: "Tre automobili" comes while the exit question waits for its answer.
    menu->Command1()->animateClick();
    menu->Command4()->animateClick();
    Wait(600);
    EXPECT_EQ(boxes_.size(), 1u);
    ASSERT_TRUE(FormMenu.IsLoaded());
    EXPECT_EQ(LoadedForms(), QList<Form*>({menu}));
    // Alt+T, Alt+Q: "Quattro automobili" comes while "Tre automobili" opens its window.
    menu->Command4()->animateClick();
    menu->Command2()->animateClick();
    Wait(400);
    ASSERT_TRUE(FormAuto3.IsLoaded());
    EXPECT_EQ(LoadedForms(), QList<Form*>({FormAuto3.Instance()}));
    // In the game: Alt+E asks, "avanti" and "Conferma" come while the question waits.
    auto* g = FormAuto3.As<GameForm>();
    const Board before = g->Model();
    QTimer::singleShot(0, g->mnuEsci(), &QAction::trigger);
    g->BottoneConferma()->animateClick();
    Wait(600);
    EXPECT_EQ(boxes_.size(), 2u);
    EXPECT_EQ(NumEsatti + NumErrati, 0);
    EXPECT_EQ(g->Model().ColoreAuto, before.ColoreAuto);
}

TEST_F(FastHandsTest, ALanguagePickedWhileTheMenuGivesWayToAGameChangesNothing)
{
    folder_->CopyShipped(QStringLiteral("English.lng"));
    FormMenuWindow* menu = Menu();
    ASSERT_EQ(menu->mnuLanguageCount(), 2);
    QAction* english = menu->mnuLanguage(menu->mnuLanguage(0)->data() == QStringLiteral("English") ? 0 : 1);
    // The pick waits in the queue; the click runs at once and opens the game, whose translation
    // lets queued events run: the pick comes while the menu gives way.
    QTimer::singleShot(0, english, &QAction::trigger);
    menu->Command3()->click();
    Wait(100);
    ASSERT_TRUE(FormAuto5.IsLoaded());
    EXPECT_EQ(LoadedForms().size(), 1);
    EXPECT_EQ(MLSCurrentLanguage.toStdString(), "Italiano");
    EXPECT_EQ(FormAuto5.As<GameForm>()->windowTitle(), QStringLiteral("Parcolo - cinque automobili"));
}
