#include "text/IniFile.h"

#include <QStringDecoder>

#include <algorithm>
#include <iterator>
#include <type_traits>
#include <vector>

namespace ini {
namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }

QStringView Trimmed(QStringView s)
{
    qsizetype from = 0;
    qsizetype to = s.size();
    while (from < to && IsBlank(s[from])) ++from;
    while (to > from && IsBlank(s[to - 1])) --to;
    return s.mid(from, to - from);
}

// What one line of the file is.
struct LineKind {
    enum { Other, Header, Entry } kind = Other;
    QStringView name;   // section name of a header, key of an entry
    QStringView value;  // raw value of an entry, blanks dropped, quotes still on
};

LineKind Classify(QStringView line)
{
    const QStringView t = Trimmed(line);
    LineKind k;
    if (t.isEmpty() || t.front() == u';') return k;
    if (t.front() == u'[') {
        // A header missing its "]" still opens its section: a typo must not hide every entry.
        const qsizetype close = t.indexOf(u']');
        k.kind = LineKind::Header;
        k.name = Trimmed(t.mid(1, close < 0 ? -1 : close - 1));
        return k;
    }
    const qsizetype eq = t.indexOf(u'=');
    if (eq <= 0) return k;
    k.name = Trimmed(t.left(eq));
    if (k.name.isEmpty()) return k;
    k.kind = LineKind::Entry;
    k.value = Trimmed(t.mid(eq + 1));
    return k;
}

QString CleanValue(QStringView raw)
{
    if (raw.size() >= 2 && raw.front() == raw.back() && (raw.front() == u'"' || raw.front() == u'\''))
        raw = raw.mid(1, raw.size() - 2);
    raw = raw.left(kMaxValueLength);
    const qsizetype nul = raw.indexOf(QChar(0));
    if (nul >= 0) raw = raw.left(nul);
    return raw.toString();
}

// Calls f(line) for every line of text; lines end at CR LF, LF or a lone CR.
template <class F>
void ForEachLine(QStringView text, F f)
{
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && text[end] != u'\n' && text[end] != u'\r') ++end;
        f(text.mid(start, end - start));
        if (end < n && text[end] == u'\r' && end + 1 < n && text[end + 1] == u'\n') ++end;
        start = end + 1;
    }
}

// One line of a file's units: bytes, or UTF-16 code units for a UTF-16 file.
struct UnitLine {
    qsizetype start;    // first unit
    qsizetype length;   // units without the line break
    qsizetype eol;      // units of the line break (0, 1 or 2)
};

template <class Units>
std::vector<UnitLine> SplitLines(const Units& units, qsizetype from)
{
    std::vector<UnitLine> lines;
    qsizetype start = from;
    const qsizetype n = units.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && units[end] != u'\n' && units[end] != u'\r') ++end;
        qsizetype eol = 0;
        if (end < n) eol = (units[end] == u'\r' && end + 1 < n && units[end + 1] == u'\n') ? 2 : 1;
        lines.push_back({start, end - start, eol});
        start = end + eol;
    }
    return lines;
}

template <class Units>
Units Ascii(const char* s)
{
    if constexpr (std::is_same_v<Units, QString>) return QString::fromLatin1(s);
    else return QByteArray(s);
}

template <class Units>
Units LineBreakOf(const Units& units)
{
    if (units.contains(Ascii<Units>("\r\n"))) return Ascii<Units>("\r\n");
    if (units.contains(Ascii<Units>("\n"))) return Ascii<Units>("\n");
    if (units.contains(Ascii<Units>("\r"))) return Ascii<Units>("\r");
    return Ascii<Units>("\r\n");
}

bool IsSafeText(const QString& s)
{
    return !s.contains(u'\r') && !s.contains(u'\n') && !s.contains(QChar(0));
}

// UTF-8 after the file's own mark, so that a line reads the same alone as within its file: a
// mark further on is text, also at the start of a line, and a sequence cut short at the end of
// the file is a replacement character, not held back for bytes that never come.
QString DecodeUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless);
    return decoder.decode(bytes);
}

// Windows-1252 is Latin-1 but for 0x80 to 0x9F, which hold these characters. The five bytes the
// code page leaves out stand for the control characters of their own number, as on Windows.
constexpr char16_t kAnsi80To9F[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// By table rather than through Qt's converters: those reach Windows-1252 only through ICU, whose
// loading cost the start a millisecond and a megabyte.
QString DecodeAnsi(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (const char c : bytes) {
        const auto b = uchar(c);
        *out++ = b >= 0x80 && b < 0xA0 ? kAnsi80To9F[b - 0x80] : char16_t(b);
    }
    return text;
}

enum class Utf16 { None, Little, Big };

Utf16 Utf16Of(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xFE")) return Utf16::Little;
    if (bytes.startsWith("\xFE\xFF")) return Utf16::Big;
    return Utf16::None;
}

// The code units after a UTF-16 byte-order mark, unit for unit (a lone surrogate stays as it is,
// so a file is written back byte for byte); an odd last byte is a replacement character.
QString Utf16Units(const QByteArray& bytes, Utf16 order)
{
    QString units;
    units.reserve(bytes.size() / 2);
    for (qsizetype i = 2; i + 1 < bytes.size(); i += 2) {
        const auto lo = uchar(bytes[order == Utf16::Little ? i : i + 1]);
        const auto hi = uchar(bytes[order == Utf16::Little ? i + 1 : i]);
        units += QChar(char16_t(hi << 8 | lo));
    }
    if (bytes.size() % 2) units += QChar(QChar::ReplacementCharacter);
    return units;
}

QByteArray Utf16Bytes(const QString& units, Utf16 order)
{
    QByteArray bytes(order == Utf16::Little ? "\xFF\xFE" : "\xFE\xFF");
    bytes.reserve(2 + units.size() * 2);
    for (const QChar c : units) {
        const char lo = char(c.unicode() & 0xFF);
        const char hi = char(c.unicode() >> 8);
        bytes += order == Utf16::Little ? lo : hi;
        bytes += order == Utf16::Little ? hi : lo;
    }
    return bytes;
}

// Windows-1252 bytes for text, or nothing when a character has no place in that code page.
std::optional<QByteArray> EncodeAnsi(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out += char(c);
            continue;
        }
        const auto* at = std::find(std::begin(kAnsi80To9F), std::end(kAnsi80To9F), c);
        if (at == std::end(kAnsi80To9F)) return std::nullopt;
        out += char(0x80 + (at - std::begin(kAnsi80To9F)));
    }
    // Bytes that would read back as something else (a line that starts like a byte-order mark).
    if (Decode(out) != text) return std::nullopt;
    return out;
}

}  // namespace

QString Decode(const QByteArray& bytes)
{
    if (const Utf16 order = Utf16Of(bytes); order != Utf16::None) return Utf16Units(bytes, order);
    if (bytes.startsWith(kUtf8Bom)) return DecodeUtf8(bytes.mid(3));
    return DecodeAnsi(bytes);
}

Document::Document(const QByteArray& bytes)
{
    const QString text = Decode(bytes);
    std::vector<QHash<QString, QString>> found;
    QHash<QString, int> index;
    int current = -1;
    ForEachLine(text, [&](QStringView line) {
        const LineKind k = Classify(line);
        switch (k.kind) {
        case LineKind::Header: {
            const QString folded = k.name.toString().toCaseFolded();
            if (index.contains(folded)) {
                current = -1;  // a later section of the same name is never read
            } else {
                current = int(found.size());
                index.insert(folded, current);
                found.emplace_back();
            }
            break;
        }
        case LineKind::Entry:
            if (current >= 0) {
                auto& keys = found[size_t(current)];
                const QString folded = k.name.toString().toCaseFolded();
                if (!keys.contains(folded)) keys.insert(folded, CleanValue(k.value));
            }
            break;
        case LineKind::Other:
            break;
        }
    });
    for (auto it = index.cbegin(); it != index.cend(); ++it)
        sections_.insert(it.key(), std::move(found[size_t(it.value())]));
}

std::optional<QString> Document::Value(const QString& section, const QString& key) const
{
    const auto s = sections_.constFind(Trimmed(section).toString().toCaseFolded());
    if (s == sections_.cend()) return std::nullopt;
    const auto k = s->constFind(Trimmed(key).toString().toCaseFolded());
    if (k == s->cend()) return std::nullopt;
    return *k;
}

QStringList Document::Keys(const QString& section) const
{
    const auto s = sections_.constFind(Trimmed(section).toString().toCaseFolded());
    return s == sections_.cend() ? QStringList() : QStringList(s->keyBegin(), s->keyEnd());
}

namespace {

// The value as the reader gives it back: blanks at an end, or one pair of enclosing quotes of its
// own, would be dropped, so such a value goes inside another pair of quotes.
QString Stored(const QString& value)
{
    if (value.isEmpty()) return value;
    const bool blankEnd = IsBlank(value.front()) || IsBlank(value.back());
    const bool quoted = value.size() >= 2 && value.front() == value.back() &&
                        (value.front() == u'"' || value.front() == u'\'');
    return blankEnd || quoted ? u'"' + value + u'"' : value;
}

// units with the entry stored in section; lines are read from "from" on, each by decodeLine.
template <class Units, class DecodeLine>
Units Edited(const Units& units, qsizetype from, DecodeLine decodeLine, const QString& sectionName,
             const QString& keyName, const Units& header, const Units& entry)
{
    const Units eol = LineBreakOf(units);
    bool inTarget = false;
    bool seenTarget = false;
    qsizetype insertAt = -1;    // after the last header or entry line of the target section
    bool insertNeedsEol = false;
    for (const UnitLine& l : SplitLines(units, from)) {
        const QString text = decodeLine(units.mid(l.start, l.length));
        const LineKind k = Classify(text);
        if (k.kind == LineKind::Header) {
            if (inTarget) break;
            if (!seenTarget && k.name.compare(sectionName, Qt::CaseInsensitive) == 0) {
                inTarget = seenTarget = true;
                insertAt = l.start + l.length + l.eol;
                insertNeedsEol = l.eol == 0;
            }
            continue;
        }
        if (!inTarget || k.kind != LineKind::Entry) continue;
        if (k.name.compare(keyName, Qt::CaseInsensitive) == 0) {
            Units out = units;
            out.replace(l.start, l.length, entry);
            return out;
        }
        insertAt = l.start + l.length + l.eol;
        insertNeedsEol = l.eol == 0;
    }

    Units out = units;
    if (seenTarget) {
        out.insert(insertAt, insertNeedsEol ? eol + entry : entry + eol);
        return out;
    }
    if (out.size() > from && !out.endsWith(Ascii<Units>("\n")) && !out.endsWith(Ascii<Units>("\r"))) out += eol;
    out += header + eol + entry + eol;
    return out;
}

}  // namespace

std::optional<QByteArray> WithValue(const QByteArray& bytes, const QString& section,
                                    const QString& key, const QString& value)
{
    const QString sectionName = Trimmed(section).toString();
    const QString keyName = Trimmed(key).toString();
    // A key opening with "[" or ";" would make its line a header or a comment.
    if (sectionName.isEmpty() || keyName.isEmpty() || keyName.contains(u'=') || keyName.front() == u'[' ||
        keyName.front() == u';' || sectionName.contains(u']') || !IsSafeText(sectionName) ||
        !IsSafeText(keyName) || !IsSafeText(value))
        return std::nullopt;

    const QString entryText = keyName + u'=' + Stored(value);
    const QString headerText = u'[' + sectionName + u']';
    if (const Utf16 order = Utf16Of(bytes); order != Utf16::None) {
        const auto same = [](const QString& line) { return line; };
        return Utf16Bytes(Edited(Utf16Units(bytes, order), 0, same, sectionName, keyName, headerText, entryText),
                          order);
    }
    if (bytes.startsWith(kUtf8Bom))
        return Edited(bytes, 3, DecodeUtf8, sectionName, keyName, headerText.toUtf8(), entryText.toUtf8());
    const auto e = EncodeAnsi(entryText);
    const auto h = EncodeAnsi(headerText);
    // Text that does not fit the code page: keep every entry by storing the whole file as UTF-8,
    // which the reader recognises by its byte-order mark.
    if (!e || !h) return WithValue(kUtf8Bom + Decode(bytes).toUtf8(), section, key, value);
    // Each line in the file's own encoding: a byte-order mark inside the file is text.
    return Edited(bytes, 0, DecodeAnsi, sectionName, keyName, *h, *e);
}

}  // namespace ini
