// Every language file that ships is complete: it has every text and every window key that the
// Italian file has, none of them empty, and it is Windows-1252 text with CR LF line ends that
// decodes to plain characters: no replacement character and no C1 control (what a byte that
// Windows-1252 leaves undefined turns into), and not UTF-8 saved without its byte-order mark.

#include "language/IniFile.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

QByteArray ReadShipped(const QString& name)
{
    QFile file(QStringLiteral(PARCOLO_DATA_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool IsUtf8(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);  // the decoding happens here
    return !utf8.hasError();
}

// (section, key) of every entry of a file, in file order.
std::vector<std::pair<QString, QString>> Entries(const QString& text)
{
    std::vector<std::pair<QString, QString>> entries;
    QString section;
    for (const QString& raw : text.split(QLatin1String("\r\n"))) {
        const QString line = raw.trimmed();
        if (line.startsWith(u'[') && line.endsWith(u']'))
            section = line.mid(1, line.size() - 2);
        else if (!line.startsWith(u';') && line.contains(u'='))
            entries.emplace_back(section, line.left(line.indexOf(u'=')).trimmed());
    }
    return entries;
}

}  // namespace

TEST(ShippedLanguages, HaveEveryKeyOfTheItalianFileFilledIn)
{
    const auto italian = Entries(ini::Decode(ReadShipped(QStringLiteral("Italiano.lng"))));
    ASSERT_GT(italian.size(), 300u);
    const QStringList files = QDir(QStringLiteral(PARCOLO_DATA_DIR)).entryList({QStringLiteral("*.lng")}, QDir::Files);
    EXPECT_GE(files.size(), 5);
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray bytes = ReadShipped(name);
        const QString text = ini::Decode(bytes);
        EXPECT_FALSE(text.contains(QChar::ReplacementCharacter));
        EXPECT_FALSE(std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x80 && c.unicode() < 0xA0; }));
        const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char b) { return uchar(b) < 0x80; });
        EXPECT_TRUE(ascii || !IsUtf8(bytes)) << "UTF-8 where Windows-1252 belongs";
        EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n')) << "CR LF line ends";
        const ini::Document document(bytes);
        for (const auto& [section, key] : italian) {
            const std::optional<QString> value = document.Value(section, key);
            EXPECT_TRUE(value && !value->trimmed().isEmpty()) << "[" << section.toStdString() << "] " << key.toStdString();
        }
    }
}
