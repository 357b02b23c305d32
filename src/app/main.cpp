// Parcolo: a logic game of cars in a row of parking places.

#include "app/Startup.h"
#include "app/Worksheet.h"
#include "core/Rnd.h"
#include "text/LanguageSetting.h"
#include "text/Parole.h"
#include "ui/Design.h"
#include "ui/DestroyedWindows.h"
#include "ui/Form.h"

#include <QApplication>
#include <QCommandLineParser>

#include <algorithm>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    // A worksheet is written without a window: it needs no display, also where there is none.
    const bool worksheetOnly = std::any_of(argv + 1, argv + argc, [](const char* a) {
        return std::strcmp(a, "--worksheet") == 0 || std::strncmp(a, "--worksheet=", 12) == 0;
    });
    if (worksheetOnly && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Parcolo"));
    // The program ends when its last window is unloaded, not when a message box closes.
    QApplication::setQuitOnLastWindowClosed(false);
    ApplyProgramLook(app);

    // parcolo --code CODE: that turn at once. parcolo --worksheet FILE.pdf --cars N --level LEVEL
    // --count K: a worksheet written, no window shown.
    QCommandLineParser options;
    const QCommandLineOption code(QStringLiteral("code"), QString(), QStringLiteral("CODE"));
    const QCommandLineOption worksheet(QStringLiteral("worksheet"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption cars(QStringLiteral("cars"), QString(), QStringLiteral("N"));
    const QCommandLineOption level(QStringLiteral("level"), QString(), QStringLiteral("LEVEL"));
    const QCommandLineOption count(QStringLiteral("count"), QString(), QStringLiteral("K"));
    options.addOptions({code, worksheet, cars, level, count});
    const bool understood = options.parse(QCoreApplication::arguments());
    if (understood && options.isSet(worksheet)) {
        ReadCurrentLanguageOnce();
        LoadParole();
        Randomize();
        QString why;
        const int status = WriteWorksheetFile(options.value(worksheet), options.value(cars), options.value(level),
                                              options.value(count), &why);
        if (status != 0) std::fprintf(stderr, "%s\n", qPrintable(why));
        return status;
    }

    WatchForDestroyedWindows();
    if (!Main(understood ? options.value(code) : QString()) || LoadedForms().isEmpty()) return 0;
    return QApplication::exec();
}
