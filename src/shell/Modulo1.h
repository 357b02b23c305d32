#pragma once
// Start-up and the state the windows share: sounds, the clue words, the counts of right and
// wrong answers, the last random draw and the shared screen-fitting object.

#include "resize/clsResize.h"
#include "clues/Parole.h"
#include "shell/Rnd.h"

class Form;
class QWidget;

#include <QString>

#include <array>
#include <functional>
#include <memory>

extern bool SuoniAttivi;                    // sounds on; True at every start, never stored
extern qint16 NumEsatti;                    // right answers
extern qint16 NumErrati;                    // wrong answers
extern std::shared_ptr<clsResize> Ridimensionatore;  // serves the window loaded last

// The program's start. False when another copy runs (after telling so): nothing was shown.
// Removes the temporary files a killed language save left behind.
bool Main();


// A random one of the four right-answer sounds; the wrong-answer sound. Nothing when sounds are
// off: then no file is touched and no random number drawn.
void SuonoEsatto();
void SuonoErrato();

// Asks whether to quit, over the window that asks; Yes releases the single-copy lock and ends
// the program at once.
void ChiediUscita(QWidget* asker);

// Every window's Form_Load: a new resizer bound to the window becomes Ridimensionatore, and the
// window is sized to 75 % of the screen.
void BindResizer(Form* form);
// Every window's Form_Resize: the window's own resizer rescales it (the shared one while that
// serves it; the window keeps its own when the shared one serves another window or none).
void ResizeForm(Form* form);

// The file the second-copy test locks.
QString InstanceLockPath();

// Tests listen to the sounds instead of an audio device; an empty function restores it.
void SetSoundPlayer(std::function<void(const QString& file)> player);
