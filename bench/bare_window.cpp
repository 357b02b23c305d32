// The floor Qt itself sets: a Widgets application showing one label, nothing else.
// With --full-screen the label fills the screen, as Parcolo's start screen does.

#include <QApplication>
#include <QLabel>
#include <QScreen>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Parcolo"));
    label.setWindowTitle(QStringLiteral("Bare"));
    if (QApplication::arguments().contains(QStringLiteral("--full-screen")))
        label.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    label.show();
    return QApplication::exec();
}
