#include "text/Parole.h"

#include "clues/Clues.h"
#include "text/TextLookup.h"

std::array<QString, 28> Parole;

void LoadParole()
{
    for (int i = 0; i < 28; ++i) Parole[size_t(i)] = MLSGetString(clues::KeyName(i + 2));
    Parole[0] += u' ';
    Parole[1] += u' ';
}
