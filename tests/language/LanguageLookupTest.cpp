// The texts by key from the current language file, and the settings file.

#include "support/TestFolder.h"
#include "text/IniReadWrite.h"
#include "text/LanguageSetting.h"
#include "text/ProgramFolder.h"
#include "text/TextLookup.h"

#include <QDir>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

namespace {
const QString kSetting = QStringLiteral("LangSetting.ini");
QString S(const char* key) { return MLSGetString(QString::fromLatin1(key)); }
}  // namespace

TEST(LanguageLookup, ReadsTheLanguageNamedByTheSettingAndCachesTheName)
{
    TestFolder folder;
    folder.Write(QStringLiteral("Italiano.lng"), LanguageFile({{"0001", QStringLiteral("già avviato")}}));
    folder.Write(QStringLiteral("English.lng"), LanguageFile({{"0001", QStringLiteral("already running")}}));
    folder.SetLanguage(QStringLiteral("Italiano"));
    EXPECT_EQ(S("0001"), QString::fromUtf8("già avviato"));
    EXPECT_EQ(MLSCurrentLanguage, "Italiano");
    // The setting is read once; the cached name holds until someone changes it.
    folder.SetLanguage(QStringLiteral("English"));
    EXPECT_EQ(S("0001"), QString::fromUtf8("già avviato"));
    MLSCurrentLanguage = QStringLiteral("English");
    EXPECT_EQ(S("0001"), "already running");
    EXPECT_EQ(S("0002"), "");
}

TEST(LanguageLookup, WithoutSettingTheFileDotLngIsAskedAndEveryTextIsEmpty)
{
    TestFolder folder;
    folder.Write(QStringLiteral("Italiano.lng"), LanguageFile({{"0001", QStringLiteral("uno")}}));
    EXPECT_EQ(S("0001"), "");
    EXPECT_EQ(MLSCurrentLanguage, "");
    EXPECT_EQ(MLSLanguageFile(), folder.File(QStringLiteral(".lng")));
    folder.Write(QStringLiteral(".lng"), LanguageFile({{"0001", QStringLiteral("senza nome")}}));
    EXPECT_EQ(S("0001"), "senza nome");
    // The setting is read again on every lookup while the name stays empty.
    folder.SetLanguage(QStringLiteral("Italiano"));
    EXPECT_EQ(S("0001"), "uno");
}

TEST(LanguageLookup, BadSettingsGiveEmptyTextsAndNoFailure)
{
    TestFolder folder;
    folder.Write(QStringLiteral("Italiano.lng"), LanguageFile({{"0001", QStringLiteral("uno")}}));
    folder.SetLanguage(QStringLiteral("Klingon"));
    EXPECT_EQ(S("0001"), "");
    MLSCurrentLanguage.clear();
    QFile::remove(folder.File(kSetting));
    ASSERT_TRUE(QDir(folder.Path()).mkdir(kSetting));  // a folder where the file should be
    EXPECT_EQ(S("0001"), "");
    EXPECT_EQ(MLSCurrentLanguage, "");
}

TEST(LanguageLookup, BrokenLanguageFilesGiveEmptyTexts)
{
    TestFolder folder;
    folder.SetLanguage(QStringLiteral("Rotto"));
    for (const QByteArray& bytes : {QByteArray(), QByteArray("\x00\xFF\x10[\x01=\x02", 7), QByteArray(100000, '\xFF')}) {
        folder.Write(QStringLiteral("Rotto.lng"), bytes);
        EXPECT_EQ(S("0001"), "");
    }
}

TEST(LanguageLookup, AChangedFileIsSeenAtTheNextLookup)
{
    TestFolder folder;
    folder.SetLanguage(QStringLiteral("Italiano"));
    folder.Write(QStringLiteral("Italiano.lng"), LanguageFile({{"0001", QStringLiteral("prima")}}));
    EXPECT_EQ(S("0001"), "prima");
    // Same size, written straight after: still seen.
    folder.Write(QStringLiteral("Italiano.lng"), LanguageFile({{"0001", QStringLiteral("dopo!")}}));
    EXPECT_EQ(S("0001"), "dopo!");
    QFile::remove(folder.File(QStringLiteral("Italiano.lng")));
    EXPECT_EQ(S("0001"), "");
}

TEST(LanguageLookup, ReadIniFailsOnlyForAFileThatCannotBeRead)
{
    TestFolder folder;
    folder.Write(QStringLiteral("a.ini"), "[S]\r\nk=v\r\n");
    EXPECT_EQ(MLSReadIni(folder.File(QStringLiteral("a.ini")), QStringLiteral("S"), QStringLiteral("k")), QString("v"));
    EXPECT_EQ(MLSReadIni(folder.File(QStringLiteral("a.ini")), QStringLiteral("S"), QStringLiteral("x")), QString());
    EXPECT_FALSE(MLSReadIni(folder.File(QStringLiteral("missing.ini")), QStringLiteral("S"), QStringLiteral("k")));
    EXPECT_FALSE(MLSReadIni(folder.Path(), QStringLiteral("S"), QStringLiteral("k")));
}

TEST(LanguageLookup, LanguageFileNextToAFolderEndingInASeparator)
{
    SetProgramFolder(QStringLiteral("/"));
    MLSCurrentLanguage = QStringLiteral("Italiano");
    EXPECT_EQ(MLSLanguageFile(), "/Italiano.lng");
    EXPECT_EQ(InProgramFolder(kSetting), "//LangSetting.ini");
    MLSCurrentLanguage.clear();
}

TEST(LanguageSetting, WriteCreatesTheFileAndChangesOnlyItsKey)
{
    TestFolder folder;
    const QString file = folder.File(kSetting);
    EXPECT_NE(MLSWriteIni(file, QStringLiteral("Language"), QStringLiteral("CurrentLanguage"), QStringLiteral("English")), 0);
    EXPECT_EQ(folder.Read(kSetting), QByteArray("[Language]\r\nCurrentLanguage=English\r\n"));
    const QByteArray other = "; mio\r\n[Language]\r\nCurrentLanguage=English\r\nAltro=\"x\"\r\n[Z]\r\nk=1";
    folder.Write(kSetting, other);
    EXPECT_NE(MLSWriteIni(file, QStringLiteral("Language"), QStringLiteral("CurrentLanguage"), QStringLiteral("Italiano")), 0);
    EXPECT_EQ(folder.Read(kSetting), QByteArray(other).replace("English", "Italiano"));
    EXPECT_EQ(MLSReadIni(file, QStringLiteral("Language"), QStringLiteral("CurrentLanguage")), QString("Italiano"));
}

TEST(LanguageSetting, AFailedWriteLeavesTheOldFileAndSaysSo)
{
    TestFolder folder;
    folder.SetLanguage(QStringLiteral("Italiano"));
    const QByteArray before = folder.Read(kSetting);
    // A value that would break the file into two entries is refused.
    EXPECT_EQ(MLSWriteIni(folder.File(kSetting), QStringLiteral("Language"), QStringLiteral("CurrentLanguage"),
                          QStringLiteral("a\r\nb")), 0);
    EXPECT_EQ(folder.Read(kSetting), before);
    // A folder where the file should be.
    ASSERT_TRUE(QDir(folder.Path()).mkdir(QStringLiteral("dir.ini")));
    EXPECT_EQ(MLSWriteIni(folder.File(QStringLiteral("dir.ini")), QStringLiteral("L"), QStringLiteral("k"), QStringLiteral("v")), 0);
    EXPECT_TRUE(QFileInfo(folder.File(QStringLiteral("dir.ini"))).isDir());
    // A folder that takes no new file: a file that is not there cannot be made.
    if (!folder.MakeReadOnly()) GTEST_SKIP() << "cannot make a folder read-only here";
    EXPECT_EQ(MLSWriteIni(folder.File(QStringLiteral("new.ini")), QStringLiteral("L"), QStringLiteral("k"),
                          QStringLiteral("v")), 0);
    EXPECT_FALSE(QFile::exists(folder.File(QStringLiteral("new.ini"))));
}

TEST(LanguageSetting, AWritableFileInAFolderThatTakesNoNewFileIsUpdatedInPlace)
{
    TestFolder folder;
    folder.SetLanguage(QStringLiteral("Italiano"));
    if (!folder.MakeReadOnly()) GTEST_SKIP() << "cannot make a folder read-only here";
    EXPECT_NE(MLSWriteIni(folder.File(kSetting), QStringLiteral("Language"), QStringLiteral("CurrentLanguage"),
                          QStringLiteral("English")), 0);
    EXPECT_EQ(MLSReadIni(folder.File(kSetting), QStringLiteral("Language"), QStringLiteral("CurrentLanguage")),
              QString("English"));
}
