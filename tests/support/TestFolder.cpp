#include "support/TestFolder.h"

#include "text/LanguageSetting.h"
#include "text/ProgramFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStringEncoder>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {
// The immutable flag stops root as well as anyone else from adding files to a folder.
bool SetImmutable(const QString& path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0) return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}
}  // namespace

TestFolder::TestFolder()
{
    EXPECT_TRUE(dir_.isValid());
    EXPECT_TRUE(config_.isValid());
    SetProgramFolder(dir_.path());
    MLSCurrentLanguage.clear();
    hadConfigHome_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    oldConfigHome_ = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
    hadDataHome_ = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    oldDataHome_ = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(config_.filePath(QStringLiteral("data"))));
}

TestFolder::~TestFolder()
{
    for (const QString& path : frozen_) SetImmutable(path, false);
    // Give the folder back to its owner even if a test made it read-only.
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    MLSCurrentLanguage.clear();
    if (hadConfigHome_) qputenv("XDG_CONFIG_HOME", oldConfigHome_);
    else qunsetenv("XDG_CONFIG_HOME");
    if (hadDataHome_) qputenv("XDG_DATA_HOME", oldDataHome_);
    else qunsetenv("XDG_DATA_HOME");
}

bool TestFolder::MakeReadOnly(bool filesToo)
{
    const auto freeze = [this](const QString& path) {
        if (::geteuid() == 0 && SetImmutable(path, true)) frozen_.append(path);
    };
    if (filesToo) {
        for (const QString& name : QDir(dir_.path()).entryList(QDir::Files)) {
            QFile::setPermissions(File(name), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
            freeze(File(name));
        }
    }
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup);
    freeze(dir_.path());
    QFile probe(File(QStringLiteral(".probe")));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.close();
        probe.remove();
        return false;
    }
    return true;
}

void TestFolder::Write(const QString& name, const QByteArray& bytes) const
{
    QFile f(File(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << name.toStdString();
    f.write(bytes);
}

QByteArray TestFolder::Read(const QString& name) const
{
    QFile f(File(name));
    if (!f.open(QIODevice::ReadOnly)) return QByteArray();
    return f.readAll();
}

void TestFolder::CopyShipped(const QString& name) const
{
    const QString from = QStringLiteral(PARCOLO_DATA_DIR "/") + name;
    if (QFileInfo(from).isDir()) {
        QDir().mkpath(File(name));
        QDirIterator it(from, QDir::Files);
        while (it.hasNext()) {
            it.next();
            QFile::copy(it.filePath(), File(name + u'/' + it.fileName()));
        }
        return;
    }
    ASSERT_TRUE(QFile::copy(from, File(name))) << from.toStdString();
}

void TestFolder::SetLanguage(const QString& language) const
{
    Write(QStringLiteral("LangSetting.ini"), "[Language]\r\nCurrentLanguage=" + language.toUtf8() + "\r\n");
}

QByteArray LanguageFile(std::initializer_list<std::pair<const char*, QString>> strings, const QByteArray& extraSections)
{
    QStringEncoder ansi("windows-1252");
    QByteArray out = "[Strings]\r\n";
    for (const auto& [key, value] : strings) out += QByteArray(key) + "=\"" + QByteArray(ansi.encode(value)) + "\"\r\n";
    return out + extraSections;
}
