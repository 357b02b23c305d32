// libFuzzer target for the INI reader and writer: any bytes as a language file.
//
// Every lookup must return without harm, and a write of a plain value must read back as written
// while every other value the file gave stays as it was; any other writable value reads back too.

#include "text/IniFile.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

const char* const kSections[] = {"Strings", "FormMenu", "Language", "formauto5", " Strings ", ""};
const char* const kKeys[] = {"0001", "0002", "Command1.Caption", "CurrentLanguage", "mnuLanguage(0).Caption", "k", ""};

void Check(bool ok)
{
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const ini::Document before(bytes);

    // The text written back: a plain name drawn from the input's last bytes.
    QString value;
    for (std::size_t i = size > 24 ? size - 24 : 0; i < size; ++i) {
        const char c = char(data[i]);
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) value += QChar::fromLatin1(c);
    }
    const std::size_t pick = size ? data[0] : 0;
    const QString section = QString::fromLatin1(kSections[pick % 3 == 0 ? 2 : pick % 5]);
    const QString key = QString::fromLatin1(kKeys[(pick / 5) % 6]);

    std::vector<std::pair<QString, QString>> asked;
    std::vector<std::optional<QString>> found;
    for (const char* s : kSections)
        for (const char* k : kKeys) {
            asked.emplace_back(QString::fromLatin1(s), QString::fromLatin1(k));
            found.push_back(before.Value(asked.back().first, asked.back().second));
            if (found.back()) Check(found.back()->size() <= ini::kMaxValueLength);
        }

    const auto written = ini::WithValue(bytes, section, key, value);
    if (section.trimmed().isEmpty() || key.trimmed().isEmpty()) {
        Check(!written);
        return 0;
    }
    Check(written.has_value());
    const ini::Document after(*written);
    Check(after.Value(section, key) == value);
    for (std::size_t i = 0; i < asked.size(); ++i) {
        const auto& [s, k] = asked[i];
        if (s.trimmed().compare(section.trimmed(), Qt::CaseInsensitive) == 0 &&
            k.trimmed().compare(key.trimmed(), Qt::CaseInsensitive) == 0)
            continue;
        Check(after.Value(s, k) == found[i]);
    }
    // A value from the raw input (blanks and quotes at its ends included) reads back as written.
    const QString raw = QString::fromLatin1(bytes.left(64));
    if (const auto rewritten = ini::WithValue(bytes, section, key, raw))
        Check(ini::Document(*rewritten).Value(section, key) == raw);
    return 0;
}
