// parcolo-clues FILE.lng: every clue of every game window assembled with the file's texts,
// one line per pattern ("N p caption"), or with --sheet one readable block per pattern.

#include "clues/ClueSheet.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    const bool sheet = args.removeAll(QStringLiteral("--sheet")) > 0;
    if (args.size() != 1) {
        std::fputs("usage: parcolo-clues [--sheet] FILE.lng\n", stderr);
        return 2;
    }
    if (!QFileInfo(args[0]).isFile()) {
        std::fprintf(stderr, "parcolo-clues: cannot read %s\n", qPrintable(args[0]));
        return 1;
    }
    UseLanguageFile(args[0]);
    const QByteArray out = (sheet ? ClueSheet() : ClueLines()).toUtf8();
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    return 0;
}
