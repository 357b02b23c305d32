// libFuzzer target for the sentence templates a language file holds: any bytes as a language
// file, its clue line templates ([Clues3..5]) and fact templates ([Facts]) read, checked and
// written out with colour names and forms; and any text as a template.
//
// Nothing may crash or hang; a template the program accepts names every car it must, so the
// sentence written from it names them too.

#include "clues/Clues.h"
#include "clues/Facts.h"
#include "clues/Patterns.h"
#include "text/IniFile.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool ok)
{
    if (!ok) std::abort();
}

// No letter in it: the first letter of a sentence is written as a capital.
QString Marker(int car) { return QStringLiteral("<#%1#>").arg(car); }

// Writes a usable template out: every car it names appears, as its name or its form.
void WriteOut(const clues::Template& t, const ini::Document& file)
{
    clues::Sources sources;
    sources.colour = [](int car) { return Marker(car); };
    sources.colourForm = [&file](int car, const QString& form) {
        // A form the file gives, or the name.
        return file.Value(QStringLiteral("ColourForms"), form + u'.' + QString::number(car + 1)).has_value() ? Marker(car)
                                                                                                            : QString();
    };
    const QString out = clues::Filled(t, sources);
    for (const int car : t.Cars()) Check(out.contains(Marker(car)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const ini::Document file(bytes);

    for (int n = 3; n <= 5; ++n) {
        const QString section = QStringLiteral("Clues%1").arg(n);
        const std::vector<clues::Pattern>& patterns = clues::PatternsFor(n);
        for (const QString& key : file.Keys(section)) {
            const int dot = int(key.indexOf(u'.'));
            bool ok[2] = {};
            const int p = key.left(dot).toInt(&ok[0]);
            const int line = key.mid(dot + 1).toInt(&ok[1]) - 1;
            if (dot < 0 || !ok[0] || !ok[1] || p < 0 || p >= int(patterns.size()) || line < 0 ||
                line >= int(patterns[size_t(p)].lines.size()))
                continue;
            const QString text = file.Value(section, key).value_or(QString());
            if (const auto t = clues::UsableTemplate(text, patterns[size_t(p)].lines[size_t(line)])) WriteOut(*t, file);
        }
    }
    for (int k = 0; k < clues::Fact::kKinds; ++k) {
        const auto kind = clues::Fact::Kind(k);
        const QString key = QString::fromLatin1(clues::KindName(kind).data(), int(clues::KindName(kind).size()));
        const auto text = file.Value(QStringLiteral("Facts"), key);
        if (!text) continue;
        QString problem;
        if (const auto t = clues::UsableFactTemplate(*text, kind, &problem)) {
            Check(problem.isEmpty());
            WriteOut(*t, file);
        } else {
            Check(!problem.isEmpty());
        }
    }
    // The raw bytes as a template.
    if (const auto t = clues::ParseTemplate(QString::fromUtf8(bytes.left(512)))) WriteOut(*t, file);
    return 0;
}
