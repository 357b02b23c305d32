#pragma once
// Hands a file to the system, which opens it with the program associated with its type.

#include <QString>

#include <functional>

class QWidget;

// Opens the file on behalf of the window (the documentation, parcolo.pdf), without waiting for
// the program that shows it. Where the file is missing, or the system has no program that shows
// it, the player is told so in the current language, with the file's path, over the window.
void ApriDocumento(QWidget* window, const QString& path);

// How the system opens a file: it calls `failed`, then or later, when no program could be
// started to show it. Tests put their own in place; an empty function restores the system's.
using DocumentOpener = std::function<void(const QString& path, const std::function<void()>& failed)>;
void SetDocumentOpener(DocumentOpener opener);
