#include "text/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString g_programFolder;
}  // namespace

QString ProgramFolder()
{
    if (!g_programFolder.isEmpty()) return g_programFolder;
    if (QCoreApplication::instance()) return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    return QDir::toNativeSeparators(QDir::currentPath());
}

void SetProgramFolder(const QString& folder) { g_programFolder = QDir::toNativeSeparators(folder); }

QString InProgramFolder(const QString& name) { return ProgramFolder() + QDir::separator() + name; }
