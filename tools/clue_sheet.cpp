// parcolo-clues FILE.lng: every clue of every game window assembled with the file's texts,
// one line per pattern ("N p caption"), or with --sheet one readable block per pattern.
// With --check it prints what is wrong with the file's sentence templates and colour forms, and
// how many clue lines have a template; the status is 1 when something is wrong.

#include "text/ClueSheet.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    const bool sheet = args.removeAll(QStringLiteral("--sheet")) > 0;
    const bool check = args.removeAll(QStringLiteral("--check")) > 0;
    if (args.size() != 1 || (sheet && check)) {
        std::fputs("usage: parcolo-clues [--sheet | --check] FILE.lng\n", stderr);
        return 2;
    }
    if (!QFileInfo(args[0]).isFile()) {
        std::fprintf(stderr, "parcolo-clues: cannot read %s\n", qPrintable(args[0]));
        return 1;
    }
    UseLanguageFile(args[0]);
    if (check) {
        const QStringList problems = TemplateProblems();
        for (const QString& problem : problems) std::printf("%s\n", qPrintable(problem));
        const auto [covered, lines] = TemplateCoverage();
        std::printf("%d of %d clue lines have a template\n", covered, lines);
        return problems.isEmpty() ? 0 : 1;
    }
    const QByteArray out = (sheet ? ClueSheet() : ClueLines()).toUtf8();
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    return 0;
}
