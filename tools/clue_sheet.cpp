// parcolo-clues FILE.lng: every clue of every game window assembled with the file's texts,
// one line per pattern ("N p caption"), or with --sheet one readable block per pattern.
// With --check it prints what is wrong with the file's sentence templates and colour forms, and
// how many clue lines and kinds of fact have a template; the status is 1 when something is wrong.
// With --generate CARS LEVEL COUNT SEED it prints COUNT generated clues (LEVEL facile, medio or
// difficile) from seed SEED on, a block each like the sheet's; --facts adds each clue's facts as
// conditions ("fact: p[0] < p[3]"). With --kinds it prints every kind of fact in words, with
// every colour in every role.

#include "text/ClueSheet.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <optional>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    const bool sheet = args.removeAll(QStringLiteral("--sheet")) > 0;
    const bool check = args.removeAll(QStringLiteral("--check")) > 0;
    const bool facts = args.removeAll(QStringLiteral("--facts")) > 0;
    const bool kinds = args.removeAll(QStringLiteral("--kinds")) > 0;
    const qsizetype generate = args.indexOf(QStringLiteral("--generate"));
    struct {
        int cars = 0, count = 0;
        std::optional<clues::Level> level;
        quint32 seed = 0;
    } g;
    bool numbers = true;
    if (generate >= 0 && generate + 4 < args.size()) {
        bool ok[3] = {};
        g.cars = args[generate + 1].toInt(&ok[0]);
        g.level = clues::LevelNamed(args[generate + 2].toStdString());
        g.count = args[generate + 3].toInt(&ok[1]);
        g.seed = args[generate + 4].toUInt(&ok[2]);
        numbers = ok[0] && ok[1] && ok[2] && g.cars >= 3 && g.cars <= 5 && g.count >= 0 && g.level;
        args.remove(generate, 5);
    }
    if (args.size() != 1 || int(sheet) + int(check) + int(kinds) + int(generate >= 0) > 1 || !numbers ||
        (facts && generate < 0)) {
        std::fputs("usage: parcolo-clues [--sheet | --check | --kinds | --generate CARS LEVEL COUNT SEED [--facts]] FILE.lng\n"
                   "  LEVEL: facile, medio or difficile\n", stderr);
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
        const auto [kinds, all] = FactTemplateCoverage();
        std::printf("%d of %d kinds of fact have a template\n", kinds, all);
        return problems.isEmpty() ? 0 : 1;
    }
    const QByteArray out = (generate >= 0 ? GeneratedSheet(g.cars, *g.level, g.count, g.seed, facts)
                            : kinds      ? FactKindsSheet()
                            : sheet      ? ClueSheet()
                                         : ClueLines())
                               .toUtf8();
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    return 0;
}
