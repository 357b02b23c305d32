#include "clues/Clues.h"

#include <QStringList>
#include <QtGlobal>
#include <algorithm>
#include <optional>


namespace clues {

QString Assemble(const Pattern& pattern, const Sources& sources) {
    const QString lineBreak = QStringLiteral("\r\n");
    QString caption;
    for (std::size_t i = 0; i < pattern.lines.size(); ++i) {
        if (pattern.layout == Layout::Join && i > 0) caption += lineBreak;
        caption += LineText(pattern, i, sources);
        if (pattern.layout == Layout::Append) caption += lineBreak;
    }
    return caption;
}

QString AssembleLine(const Line& line, const Sources& sources) {
    QString text;
    for (const Item& item : line) {
        switch (item.kind) {
        case Item::Kind::Colour: text += sources.colour(item.n); break;
        case Item::Kind::Word: text += sources.word(item.n); break;
        case Item::Kind::Text: text += sources.text(KeyName(item.n)); break;
        case Item::Kind::Blank: text += QLatin1Char(' '); break;
        case Item::Kind::Stop: text += QLatin1Char('.'); break;
        case Item::Kind::Comma: text += QLatin1Char(','); break;
        }
    }
    return text;
}

std::set<int> Template::Cars() const {
    std::set<int> cars;
    for (const Piece& p : pieces)
        if (p.car >= 0) cars.insert(p.car);
    return cars;
}

std::set<QString> Template::Forms() const {
    std::set<QString> forms;
    for (const Piece& p : pieces)
        if (p.car >= 0 && !p.form.isEmpty()) forms.insert(p.form);
    return forms;
}

namespace {

bool IsFormName(const QString& name) {
    if (name.isEmpty() || !name.front().isLetter()) return false;
    return std::all_of(name.begin(), name.end(), [](QChar c) { return c.isLetterOrNumber() || c == u'_'; });
}

// The first letter of the text in upper case (a line may open with a quote or a mark).
QString Capitalised(QString text) {
    for (QChar& c : text)
        if (c.isLetter()) {
            c = c.toUpper();
            break;
        }
    return text;
}

}  // namespace

std::optional<Template> ParseTemplate(const QString& text, QString* error) {
    const auto fail = [error](const QString& why) -> std::optional<Template> {
        if (error) *error = why;
        return std::nullopt;
    };
    Template t;
    QString literal;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'}') {
            if (i + 1 < text.size() && text[i + 1] == u'}') {
                literal += c;
                ++i;
                continue;
            }
            return fail(QStringLiteral("a \"}\" that closes nothing"));
        }
        if (c != u'{') {
            literal += c;
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == u'{') {
            literal += c;
            ++i;
            continue;
        }
        const qsizetype close = text.indexOf(u'}', i);
        if (close < 0) return fail(QStringLiteral("a \"{\" that is never closed"));
        const QString inside = text.mid(i + 1, close - i - 1);
        const QString car = inside.section(u':', 0, 0);
        const bool hasForm = inside.contains(u':');
        const QString form = inside.section(u':', 1);
        if (car.size() != 1 || !car[0].isDigit())
            return fail(QStringLiteral("\"{%1}\" does not name a car by its digit").arg(inside));
        if (hasForm && !IsFormName(form)) return fail(QStringLiteral("\"{%1}\" has no usable form name").arg(inside));
        if (!literal.isEmpty()) t.pieces.push_back({literal, -1, {}});
        literal.clear();
        t.pieces.push_back({{}, car[0].digitValue(), form});
        i = close;
    }
    if (!literal.isEmpty()) t.pieces.push_back({literal, -1, {}});
    return t;
}

std::set<int> CarsOf(const Line& line) {
    std::set<int> cars;
    for (const Item& item : line)
        if (item.kind == Item::Kind::Colour) cars.insert(item.n);
    return cars;
}

std::optional<Template> UsableTemplate(const QString& text, const Line& line, QString* problem) {
    std::optional<Template> t = ParseTemplate(text, problem);
    if (!t) return std::nullopt;
    const std::set<int> wanted = CarsOf(line), named = t->Cars();
    if (named == wanted) return t;
    if (problem) {
        const auto list = [](const std::set<int>& cars) {
            QStringList names;
            for (int car : cars) names << QStringLiteral("{%1}").arg(car);
            return names.join(QStringLiteral(", "));
        };
        *problem = QStringLiteral("names %1 where the line names %2").arg(list(named), list(wanted));
    }
    return std::nullopt;
}

QString TemplateProblem(const QString& text, const Line& line) {
    QString problem;
    UsableTemplate(text, line, &problem);
    return problem;
}

QString LineText(const Pattern& pattern, std::size_t index, const Sources& sources) {
    const Line& line = pattern.lines.at(index);
    const std::optional<QString> text = sources.lineTemplate ? sources.lineTemplate(int(index)) : std::nullopt;
    const std::optional<Template> usable = text ? UsableTemplate(*text, line) : std::nullopt;
    return usable ? Filled(*usable, sources) : AssembleLine(line, sources);
}

QString Filled(const Template& t, const Sources& sources) {
    QString out;
    for (const Template::Piece& p : t.pieces) {
        if (p.car < 0) {
            out += p.text;
            continue;
        }
        const QString form = p.form.isEmpty() || !sources.colourForm ? QString() : sources.colourForm(p.car, p.form);
        out += form.isEmpty() ? sources.colour(p.car) : form;
    }
    return Capitalised(out);
}

QString KeyName(int number) {
    return QStringLiteral("%1").arg(number, 4, 10, QLatin1Char('0'));
}

}  // namespace clues
