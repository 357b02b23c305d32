#include "language/IniFile.h"

#include <QStringDecoder>
#include <QStringEncoder>

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
    enum { Other, Header, BrokenHeader, Entry } kind = Other;
    QStringView name;   // section name of a header, key of an entry
    QStringView value;  // raw value of an entry, blanks dropped, quotes still on
};

LineKind Classify(QStringView line)
{
    const QStringView t = Trimmed(line);
    LineKind k;
    if (t.isEmpty() || t.front() == u';') return k;
    if (t.front() == u'[') {
        const qsizetype close = t.lastIndexOf(u']');
        if (close < 0) {
            k.kind = LineKind::BrokenHeader;
        } else {
            k.kind = LineKind::Header;
            k.name = Trimmed(t.mid(1, close - 1));
        }
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

struct ByteLine {
    qsizetype start;    // first byte
    qsizetype length;   // bytes without the line break
    qsizetype eol;      // bytes of the line break (0, 1 or 2)
};

std::vector<ByteLine> SplitLines(const QByteArray& bytes, qsizetype from)
{
    std::vector<ByteLine> lines;
    qsizetype start = from;
    const qsizetype n = bytes.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && bytes[end] != '\n' && bytes[end] != '\r') ++end;
        qsizetype eol = 0;
        if (end < n) eol = (bytes[end] == '\r' && end + 1 < n && bytes[end + 1] == '\n') ? 2 : 1;
        lines.push_back({start, end - start, eol});
        start = end + eol;
    }
    return lines;
}

QByteArray LineBreakOf(const QByteArray& bytes)
{
    if (bytes.contains("\r\n")) return "\r\n";
    if (bytes.contains('\n')) return "\n";
    if (bytes.contains('\r')) return "\r";
    return "\r\n";
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

QString DecodeAnsi(const QByteArray& bytes)
{
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid()) return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

// Windows-1252 bytes for text, or nothing when a character has no place in that code page.
std::optional<QByteArray> EncodeAnsi(const QString& text)
{
    QStringEncoder encoder("windows-1252");
    QByteArray out = encoder.encode(text);
    if (encoder.hasError() || Decode(out) != text) return std::nullopt;
    return out;
}

}  // namespace

QString Decode(const QByteArray& bytes)
{
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
        case LineKind::BrokenHeader:
            current = -1;
            break;
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

std::optional<QByteArray> WithValue(const QByteArray& bytes, const QString& section,
                                    const QString& key, const QString& value)
{
    const QString sectionName = Trimmed(section).toString();
    const QString keyName = Trimmed(key).toString();
    if (sectionName.isEmpty() || keyName.isEmpty() || keyName.contains(u'=') ||
        sectionName.contains(u']') || !IsSafeText(sectionName) || !IsSafeText(keyName) ||
        !IsSafeText(value))
        return std::nullopt;

    const bool utf8 = bytes.startsWith(kUtf8Bom);
    const QString entryText = keyName + u'=' + value;
    const QString headerText = u'[' + sectionName + u']';
    QByteArray entry;
    QByteArray header;
    if (utf8) {
        entry = entryText.toUtf8();
        header = headerText.toUtf8();
    } else {
        const auto e = EncodeAnsi(entryText);
        const auto h = EncodeAnsi(headerText);
        if (!e || !h) {
            // The new text does not fit the code page: keep every entry by storing the whole file
            // as UTF-8, which the reader recognises by its byte-order mark.
            return WithValue(kUtf8Bom + Decode(bytes).toUtf8(), section, key, value);
        }
        entry = *e;
        header = *h;
    }
    const QByteArray eol = LineBreakOf(bytes);
    const auto decodeLine = [&](const ByteLine& l) {
        const QByteArray raw = bytes.mid(l.start, l.length);
        // Each line in the file's own encoding: a byte-order mark inside the file is text.
        return utf8 ? DecodeUtf8(raw) : DecodeAnsi(raw);
    };

    bool inTarget = false;
    bool seenTarget = false;
    qsizetype insertAt = -1;    // after the last header or entry line of the target section
    bool insertNeedsEol = false;
    for (const ByteLine& l : SplitLines(bytes, utf8 ? 3 : 0)) {
        const QString text = decodeLine(l);
        const LineKind k = Classify(text);
        if (k.kind == LineKind::Header || k.kind == LineKind::BrokenHeader) {
            if (inTarget) break;
            if (k.kind == LineKind::Header && !seenTarget &&
                k.name.compare(sectionName, Qt::CaseInsensitive) == 0) {
                inTarget = seenTarget = true;
                insertAt = l.start + l.length + l.eol;
                insertNeedsEol = l.eol == 0;
            }
            continue;
        }
        if (!inTarget || k.kind != LineKind::Entry) continue;
        if (k.name.compare(keyName, Qt::CaseInsensitive) == 0) {
            QByteArray out = bytes;
            out.replace(l.start, l.length, entry);
            return out;
        }
        insertAt = l.start + l.length + l.eol;
        insertNeedsEol = l.eol == 0;
    }

    QByteArray out = bytes;
    if (seenTarget) {
        out.insert(insertAt, (insertNeedsEol ? eol : QByteArray()) + entry + (insertNeedsEol ? QByteArray() : eol));
        return out;
    }
    if (!out.isEmpty() && !out.endsWith('\n') && !out.endsWith('\r') && out != kUtf8Bom) out += eol;
    out += header + eol + entry + eol;
    return out;
}

}  // namespace ini
