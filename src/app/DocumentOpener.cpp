#include "app/DocumentOpener.h"

#include "text/TextLookup.h"
#include "ui/MsgBox.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QUrl>
#include <QWidget>

namespace {

DocumentOpener& Opener()
{
    static DocumentOpener opener;
    return opener;
}

// The system's way. On Linux and the other free systems Qt hands the file to xdg-open and
// forgets it: a desktop without a program for the file's type says nothing. Here xdg-open is
// waited for, without blocking: it ends with a failure code when it found nothing to open the
// file with (or is missing itself). A viewer that it keeps running is never waited for by the
// program, and is not ended with it.
void OpenWithTheSystem(const QString& path, const std::function<void()>& failed)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    auto* opener = new QProcess;
    QObject::connect(opener, &QProcess::errorOccurred, [opener, failed](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        failed();
        opener->deleteLater();
    });
    QObject::connect(opener, &QProcess::finished, [opener, failed](int code, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || code != 0) failed();
        opener->deleteLater();
    });
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->setStandardErrorFile(QProcess::nullDevice());
    opener->start(QStringLiteral("xdg-open"), {path});
#else
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) failed();
#endif
}

// The player is told over the window that asked, if it is still there. The box only informs: it
// may open while another action of the window waits for an answer.
void Tell(const QPointer<QWidget>& window, const QString& text)
{
    MsgBox(window.data(), text, MsgButtons::Ok, MsgIcon::None, QStringLiteral("Parcolo"));
}

}  // namespace

void SetDocumentOpener(DocumentOpener opener) { Opener() = std::move(opener); }

void ApriDocumento(QWidget* window, const QString& path)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QPointer<QWidget> owner(window);
    if (!QFileInfo(path).isFile()) {
        Tell(owner, MLSGetStringOr(QStringLiteral("0242"), QString::fromUtf8("Il manuale non c'è: il file %1 non esiste."))
                        .replace(QLatin1String("%1"), shown));
        return;
    }
    const auto failed = [owner, shown] {
        Tell(owner, MLSGetStringOr(QStringLiteral("0241"),
                                   QString::fromUtf8("Il manuale è un file PDF, ma su questo computer non c'è nessun "
                                                     "programma che sappia aprirlo. Il file si trova qui: %1"))
                        .replace(QLatin1String("%1"), shown));
    };
    if (Opener()) return Opener()(path, failed);
    OpenWithTheSystem(path, failed);
}
