// The information box and the documentation.

#include "app/DocumentOpener.h"
#include "app/FormInfo.h"
#include "app/FormMenu.h"
#include "app/Instances.h"
#include "support/AppFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QAction>
#include <QDir>

namespace {
class InfoTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        SetDocumentOpener([this](const QString& path, const std::function<void()>& failed) {
            opened_.append(path);
            if (noViewer_) failed();
        });
    }
    void TearDown() override
    {
        SetDocumentOpener({});
        AppTest::TearDown();
    }
    FormInfoWindow* OpenInfo()
    {
        FormMenu.Show();
        FormMenu.As<FormMenuWindow>()->mnuabout_Click();
        return FormInfo.As<FormInfoWindow>();
    }
    QStringList opened_;
    bool noViewer_ = false;  // the system has no program for PDF files
};
}  // namespace

TEST_F(InfoTest, TheBoxShowsCreditTermsAndTheLanguageLines)
{
    folder_->Write(QStringLiteral("Italiano.lng"),
                   LanguageFile({{"9997", QStringLiteral("seconda")}, {"9999", QStringLiteral("quarta")}},
                                "[FormInfo]\r\nLabel4.Caption=\"sovrascritta\"\r\nCommand1.Caption=\"Chiudi ora\"\r\n"));
    FormInfoWindow* info = OpenInfo();
    EXPECT_EQ(info->Label4()->text(), "seconda\r\nquarta\r\n");
    EXPECT_EQ(info->Command1()->text(), "Chiudi ora");
    EXPECT_TRUE(info->Label1()->text().startsWith("Software di\r\n"));
    EXPECT_TRUE(info->Label1()->text().endsWith("\r\n\r\n"));
    EXPECT_EQ(info->Label1()->text().count("\r\n"), 3);
    EXPECT_EQ(info->Label2()->text(), "");
    EXPECT_EQ(info->Label3()->text().split("\r\n").size(), 3);
    // The menu stays loaded behind it; activating the box again rebuilds the same texts.
    EXPECT_TRUE(FormMenu.IsLoaded());
    FormMenu.Show();
    info->Label4()->setText(QStringLiteral("x"));
    FormInfo.Show();
    EXPECT_EQ(info->Label4()->text(), "seconda\r\nquarta\r\n");
    info->Command1_Click();
    EXPECT_FALSE(FormInfo.IsLoaded());
    EXPECT_TRUE(FormMenu.IsLoaded());
}

TEST_F(InfoTest, WithoutInformationKeysTheLinesAreEmpty)
{
    folder_->Write(QStringLiteral("Italiano.lng"), LanguageFile({{"9996", QString()}}));
    EXPECT_EQ(OpenInfo()->Label4()->text(), "");
}

// The manual opens when it is there; when it is not, or nothing on the system shows PDF files,
// the player is told, with the manual's path, and the menu stays as it was.
TEST_F(InfoTest, TheManualOpensOrThePlayerHearsWhyNotWithItsPath)
{
    FormMenu.Show();
    auto* menu = FormMenu.As<FormMenuWindow>();
    const QString manual = QDir::toNativeSeparators(folder_->File(QStringLiteral("parcolo.pdf")));
    menu->mnudoc()->trigger();
    EXPECT_TRUE(opened_.isEmpty());
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_TRUE(boxes_[0].text.contains(manual)) << boxes_[0].text.toStdString();
    EXPECT_TRUE(FormMenu.IsLoaded());
    folder_->Write(QStringLiteral("parcolo.pdf"), "%PDF-1.4\n");
    menu->mnudoc()->trigger();
    EXPECT_EQ(opened_, QStringList({folder_->File(QStringLiteral("parcolo.pdf"))}));
    EXPECT_EQ(boxes_.size(), 1u);
    noViewer_ = true;
    menu->mnudoc()->trigger();
    ASSERT_EQ(boxes_.size(), 2u);
    EXPECT_TRUE(boxes_[1].text.contains(manual));
    EXPECT_NE(boxes_[1].text, boxes_[0].text);
    EXPECT_TRUE(FormMenu.IsLoaded());
}

TEST_F(InfoTest, TheBoxOverAGameIsRescaledByItsOwnResizer)
{
    FormInfoWindow* info = OpenInfo();
    FormMenu.As<FormMenuWindow>()->Command4_Click();  // a game opens; the box stays over it
    ASSERT_TRUE(FormAuto3.IsLoaded());
    ASSERT_TRUE(FormInfo.IsLoaded());
    // The box is made smaller (a window manager's frame, the player): "Chiudi" stays inside,
    // at its design place scaled to the box.
    info->resize(info->width() / 2, info->height() / 2);
    const QRect chiudi = info->Command1()->geometry();
    EXPECT_NEAR(chiudi.bottom() * 15.0, (5280 + 975) * info->ScaleHeight() / 6420, 30);
    EXPECT_NEAR(chiudi.right() * 15.0, (5640 + 2655) * info->ScaleWidth() / 8535, 30);
}
