#include "app/DocumentOpener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {
std::function<void(const QString&)>& Opener()
{
    static std::function<void(const QString&)> opener;
    return opener;
}
}  // namespace

void SetDocumentOpener(std::function<void(const QString& path)> opener) { Opener() = std::move(opener); }

void ApriDocumento(QWidget*, const QString& path)
{
    // A missing file would only make the system's opener complain in a window of its own.
    if (!QFileInfo(path).isFile()) return;
    if (Opener()) return Opener()(path);
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));  // its result is not looked at
}
