// Every text the program shows stays readable whatever colour scheme the desktop has: each text
// and the background under it keep a contrast of at least 4.5:1 under a light, a dark and a
// high-contrast system palette, and after the desktop changes its scheme while the program runs.
//
// Measured as drawn, not read back from the palette: the window is grabbed with the text and
// without it (the caption taken out; for menu items, where that would move the items, the text
// drawn in a transparent colour). The pixels that differ are the text, and the second picture
// holds the background under each of them.

#include "app/FormAvvio.h"
#include "app/FormInfo.h"
#include "app/FormMenu.h"
#include "app/FormStatistics.h"
#include "game/PlayerStatistics.h"
#include "ui/TimeChart.h"
#include <QTableWidget>
#include "app/Instances.h"
#include "game/GameForm.h"
#include "support/AppFixture.h"
#include "ui/Controls.h"
#include "ui/Design.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <QToolTip>
#include <QWindow>

#include <cmath>
#include <cstdio>
#include <functional>
#include <map>

namespace {

constexpr double kGoal = 4.5;  // WCAG AA for text

double Linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(QRgb c) { return 0.2126 * Linear(qRed(c)) + 0.7152 * Linear(qGreen(c)) + 0.0722 * Linear(qBlue(c)); }

double Ratio(QRgb a, QRgb b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of the text in `with` on the background in `without`. The text pixels are
// grouped by the colour under them (a gradient gives several groups); in a group the pixel
// that stands out most is one the text covers fully, so it gives the text on that background.
// The weakest group counts; groups of a stray few edge pixels do not. A text that differs from
// its background nowhere measures 1.
double TextContrast(const QImage& with, const QImage& without)
{
    struct Group {
        int pixels = 0;
        double best = 1;
    };
    std::map<QRgb, Group> groups;
    int total = 0;
    for (int y = 0; y < std::min(with.height(), without.height()); ++y)
        for (int x = 0; x < std::min(with.width(), without.width()); ++x) {
            const QRgb t = with.pixel(x, y), b = without.pixel(x, y);
            if (std::abs(qRed(t) - qRed(b)) + std::abs(qGreen(t) - qGreen(b)) + std::abs(qBlue(t) - qBlue(b)) < 3)
                continue;
            Group& g = groups[qRgb(qRed(b) & 0xF0, qGreen(b) & 0xF0, qBlue(b) & 0xF0)];
            ++g.pixels;
            g.best = std::max(g.best, Ratio(t, b));
            ++total;
        }
    double worst = total ? 21 : 1;
    for (const auto& [under, g] : groups)
        if (g.pixels * 50 >= total) worst = std::min(worst, g.best);
    return worst;
}

// What the window shows where the widget is.
QImage Grab(QWidget* w)
{
    QWidget* top = w->window();
    return top->grab(QRect(w->mapTo(top, QPoint(0, 0)), w->size())).toImage().convertToFormat(QImage::Format_RGB32);
}

double Measure(QWidget* w)
{
    if (auto* label = qobject_cast<QLabel*>(w)) {
        const QString text = label->text();
        const QImage with = Grab(w);
        // A rich text keeps its pictures, which are no text, and a blank keeps the line's height.
        const bool rich = label->textFormat() == Qt::RichText ||
                          (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
        label->setText(rich ? QString(text).replace(QRegularExpression(QStringLiteral("[^<>]+(?=<|$)")),
                                                    QStringLiteral("&#160;"))
                            : QString());
        const QImage without = Grab(w);
        label->setText(text);
        return TextContrast(with, without);
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        // The picture beside the caption is left out of both: without the caption it would move.
        const QIcon icon = button->icon();
        const QString text = button->text();
        button->setIcon(QIcon());
        const QImage with = Grab(w);
        button->setText(QString());
        const QImage without = Grab(w);
        button->setText(text);
        button->setIcon(icon);
        return TextContrast(with, without);
    }
    // Menus and menu bars: every text colour made transparent, so nothing moves.
    const QImage with = Grab(w);
    const QPalette own = w->palette();
    const bool ownSet = w->testAttribute(Qt::WA_SetPalette);
    QPalette clear = own;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText,
                                QPalette::BrightText, QPalette::ToolTipText, QPalette::PlaceholderText})
            clear.setColor(group, role, Qt::transparent);
    w->setPalette(clear);
    const QImage without = Grab(w);
    w->setPalette(ownSet ? own : QPalette());
    return TextContrast(with, without);
}

// A system palette as a desktop hands it to the program.
QPalette SystemPalette(QColor window, QColor text, QColor base, QColor highlight, QColor highlighted,
                       QColor disabled, QColor tipBase, QColor tipText)
{
    QPalette p;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor fore = group == QPalette::Disabled ? disabled : text;
        p.setColor(group, QPalette::Window, window);
        p.setColor(group, QPalette::Button, window);
        p.setColor(group, QPalette::Base, base);
        p.setColor(group, QPalette::AlternateBase, window);
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::PlaceholderText})
            p.setColor(group, role, fore);
        p.setColor(group, QPalette::BrightText, base);
        p.setColor(group, QPalette::Light, window.lighter(150));
        p.setColor(group, QPalette::Midlight, window.lighter(115));
        p.setColor(group, QPalette::Mid, window.darker(130));
        p.setColor(group, QPalette::Dark, window.darker(160));
        p.setColor(group, QPalette::Shadow, window.darker(200));
        p.setColor(group, QPalette::Highlight, highlight);
        p.setColor(group, QPalette::HighlightedText, highlighted);
        p.setColor(group, QPalette::ToolTipBase, tipBase);
        p.setColor(group, QPalette::ToolTipText, tipText);
        p.setColor(group, QPalette::Link, highlight);
        p.setColor(group, QPalette::LinkVisited, highlight);
    }
    return p;
}

struct Scheme {
    const char* name;
    QPalette palette;
};

const std::vector<Scheme>& Schemes()
{
    static const std::vector<Scheme> schemes{
        // Adwaita as Qt's GTK 3 theme gives it, light and dark; white on black for high contrast.
        {"light", SystemPalette(QColor(0xEF, 0xEF, 0xEF), Qt::black, Qt::white, QColor(0x30, 0x8C, 0xC6), Qt::white,
                                QColor(0xBE, 0xBE, 0xBE), QColor(0xFF, 0xFF, 0xDC), Qt::black)},
        {"dark", SystemPalette(QColor(0x32, 0x32, 0x32), QColor(0xF0, 0xF0, 0xF0), QColor(0x24, 0x24, 0x24),
                               QColor(0x30, 0x8C, 0xC6), QColor(0xF0, 0xF0, 0xF0), QColor(0x82, 0x82, 0x82),
                               QColor(0xFF, 0xFF, 0xDC), Qt::black)},
        {"high contrast", SystemPalette(Qt::black, Qt::white, Qt::black, Qt::yellow, Qt::black, QColor(0x3F, 0xF2, 0x3F),
                                        Qt::black, Qt::white)},
    };
    return schemes;
}

// The desktop's scheme as the program finds it when it starts.
void UseSystemScheme(const QPalette& palette)
{
    QApplication::setPalette(palette);
    QToolTip::setPalette(palette);
}

// The look the other window tests run with, put back afterwards.
struct KeepTestLook {
    QString style = QApplication::style()->name();
    QString sheet = qApp->styleSheet();
    QPalette palette = QApplication::palette();
    QPalette tip = QToolTip::palette();
    ~KeepTestLook()
    {
        qApp->setStyleSheet(sheet);
        if (QStyle* s = QStyleFactory::create(style)) QApplication::setStyle(s);
        QApplication::setPalette(palette);
        QToolTip::setPalette(tip);
    }
};

// The pointer moved onto the widget, or off it again. A button shows itself hovered only
// where a mouse move has found its face under the pointer.
void Hover(QWidget* w, bool on)
{
    w->setAttribute(Qt::WA_UnderMouse, on);
    const QPointF at = on ? QRectF(w->rect()).center() : QPointF(-1, -1);
    QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
}

struct Reading {
    double ratio;
    QString where;
};

class ContrastTest : public AppTest {
protected:
    // Measures one text and keeps the weakest of each scheme.
    void Read(QWidget* w, const QString& where)
    {
        QString text = w->property("text").toString();
        if (qobject_cast<QMenuBar*>(w)) text = QStringLiteral("menu bar");
        if (auto* menu = qobject_cast<QMenu*>(w)) text = menu->title();
        const double ratio = Measure(w);
        const QString name = where + QStringLiteral(" \"") + text.simplified().left(40) + QStringLiteral("\"");
        EXPECT_GE(ratio, kGoal) << qPrintable(scheme_) << ": " << qPrintable(name);
        if (!worst_.count(scheme_) || ratio < worst_[scheme_].ratio) worst_[scheme_] = {ratio, name};
        ++readings_;
    }

    // Every text of a window: labels, buttons (as they are, and hovered and pressed where they
    // can be pressed), the check box, the menu bar.
    void ReadWindow(QWidget* window, const QString& where)
    {
        window->ensurePolished();
        QCoreApplication::processEvents();
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisible() || qobject_cast<ImageControl*>(w)) continue;
            const QString name = where + QLatin1Char('/') +
                                 (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName());
            if (auto* label = qobject_cast<QLabel*>(w)) {
                if (!label->text().trimmed().isEmpty()) Read(w, name);
            } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                if (button->text().isEmpty()) continue;
                Read(w, name + (button->isEnabled() ? QString() : QStringLiteral(" (disabled)")));
                if (!button->isEnabled() || !qobject_cast<QPushButton*>(w)) continue;
                Hover(button, true);
                Read(w, name + QStringLiteral(" (hovered)"));
                button->setDown(true);
                Read(w, name + QStringLiteral(" (pressed)"));
                button->setDown(false);
                Hover(button, false);
            } else if (qobject_cast<QMenuBar*>(w)) {
                Read(w, name);
            }
        }
    }

    // A menu of the bar opened, its first item under the pointer: the bar's item shows selected.
    void ReadMenu(QMenuBar* bar, QMenu* menu, const QString& where)
    {
        bar->setActiveAction(menu->menuAction());
        QCoreApplication::processEvents();
        ASSERT_TRUE(menu->isVisible()) << where.toStdString();
        menu->setActiveAction(menu->actions().value(0));
        Read(bar, where + QStringLiteral(" with a menu open"));
        Read(menu, where + QStringLiteral(" menu, first item selected"));
        menu->hide();
        QCoreApplication::processEvents();
    }

    // The message box the action opens, read and answered No.
    void ReadMessageBox(const std::function<void()>& open, const QString& where)
    {
        SetMsgBoxHandler({});
        bool seen = false;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box) return;
            seen = true;
            ReadWindow(box, where);
            box->close();
        });
        open();
        SetMsgBoxHandler([](const MsgBoxRequest&) { return MsgResult::No; });
        EXPECT_TRUE(seen) << where.toStdString();
    }

    // The tool tip of a car.
    void ReadToolTip(QWidget* car, const QString& where)
    {
        QToolTip::showText(car->mapToGlobal(car->rect().center()), car->toolTip(), car);
        QCoreApplication::processEvents();
        QWidget* tip = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->inherits("QTipLabel") && w->isVisible()) tip = w;
        ASSERT_NE(tip, nullptr) << where.toStdString();
        Read(tip, where);
        QToolTip::hideText();
    }

    // Every window of the program, the way a player meets them.
    void ReadEveryWindow()
    {
        FormAvvio.Show();
        ReadWindow(FormAvvio.Instance(), QStringLiteral("start screen"));
        FormAvvio.As<FormAvvioWindow>()->Command1_Click();

        auto* menu = FormMenu.As<FormMenuWindow>();
        ReadWindow(menu, QStringLiteral("menu"));
        ReadMenu(menu->menuBar(), qobject_cast<QMenu*>(menu->Control(QStringLiteral("Mnuinfo"))), QStringLiteral("menu bar"));
        ReadMenu(menu->menuBar(), qobject_cast<QMenu*>(menu->Control(QStringLiteral("mnuLanguages"))),
                 QStringLiteral("menu bar"));
        ReadMessageBox([menu] { menu->Command1_Click(); }, QStringLiteral("exit question"));

        menu->mnuabout_Click();
        ReadWindow(FormInfo.Instance(), QStringLiteral("information box"));
        FormInfo.As<FormInfoWindow>()->Command1_Click();

        // The statistics window with a row of each kind and a chart, its table and chart read
        // whole (their texts made transparent, as for menus), and its reset question.
        ChangePlayerStatistics(nullptr, [](stats::Statistics& s) {
            s.Wrong(3, 0);
            for (const qint64 t : {50000, 40000, 45000, 130000}) s.Solved(4, 1, t, true);
        });
        menu->mnuStatistics_Click();
        auto* statistics = FormStatistics.As<FormStatisticsWindow>();
        statistics->grdFigures()->selectRow(1);
        ReadWindow(statistics, QStringLiteral("statistics"));
        Read(statistics->grdFigures(), QStringLiteral("statistics/table"));
        Read(statistics->picChart(), QStringLiteral("statistics/chart"));
        ReadMessageBox([statistics] { statistics->Command2_Click(); }, QStringLiteral("statistics reset question"));
        statistics->Command1_Click();

        for (const int n : {3, 4, 5}) {
            const QString where = QStringLiteral("%1 cars").arg(n);
            GameForm* game = OpenGame(n);
            game->mnuSuggerimento_Click();  // the note pad opens, the hint's bubble shows
            ReadWindow(game, where);
            ReadToolTip(game->CarInSlot(0), where + QStringLiteral(" tool tip"));
            ReadMessageBox([game] { game->mnuEsci_Click(); }, where + QStringLiteral(" leaving question"));
            game->Unload();
            ProcessDeletes();
        }
        UnloadAll();
    }

    QString scheme_;
    std::map<QString, Reading> worst_;
    int readings_ = 0;
};

}  // namespace

TEST_F(ContrastTest, EveryTextIsReadableUnderEverySystemScheme)
{
    KeepTestLook keep;
    for (const Scheme& scheme : Schemes()) {
        scheme_ = QString::fromLatin1(scheme.name);
        UseSystemScheme(scheme.palette);
        ApplyProgramLook(*qApp);
        ReadEveryWindow();
    }

    // The desktop turns dark while the start screen and the menu are open: it hands the
    // program its new palettes and tells every window that the theme changed.
    scheme_ = QStringLiteral("light, then dark while running");
    UseSystemScheme(Schemes()[0].palette);
    ApplyProgramLook(*qApp);
    FormAvvio.Show();
    FormMenu.Show();
    UseSystemScheme(Schemes()[1].palette);
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
        QEvent change(QEvent::ThemeChange);
        QCoreApplication::sendEvent(window, &change);
    }
    QCoreApplication::processEvents();
    ReadWindow(FormAvvio.Instance(), QStringLiteral("start screen"));
    ReadWindow(FormMenu.Instance(), QStringLiteral("menu"));
    UnloadAll();

    EXPECT_GT(readings_, 100);
    for (const auto& [scheme, reading] : worst_)
        std::printf("worst under %s: %.2f:1, %s\n", qPrintable(scheme), reading.ratio, qPrintable(reading.where));
}
