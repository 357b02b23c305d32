#pragma once
// Hands a file to the system, which opens it with the program associated with its type.

#include <QString>

#include <functional>

class QWidget;

// Opens the file on behalf of the window (the documentation, parcolo.pdf), without waiting for
// the program that shows it. Nothing is reported when the file or a program to show it is
// missing; a path that is not a file is not even handed on.
void ApriDocumento(QWidget* window, const QString& path);

// Tests see the file that would be opened instead; an empty function restores the system.
void SetDocumentOpener(std::function<void(const QString& path)> opener);
