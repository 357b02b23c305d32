#pragma once
// The sounds of an answer: a random one of four for a right answer, one for a wrong answer,
// played by the sound module beside the program (parcolo_sound, with Qt Multimedia) without
// waiting. A new sound cuts off one still playing; a missing file or module is silence.
//
// Nothing of the audio system runs on the window's thread: a thread of sounds loads the module
// and plays, and a sound call only hands the file over to it, so no call waits for the module,
// the audio server or the file, the first one included. A sound asked for while the module is
// still loading plays once it is loaded. A module that could not be loaded is tried again with
// the next sound; one that was loaded stays for the rest of the run.

#include <QString>

#include <functional>

extern bool SuoniAttivi;  // sounds on; True at every start, never stored

// Nothing when sounds are off: then no file is touched and no random number drawn.
void SuonoEsatto();
void SuonoErrato();

// Loads the sound module in the background, ahead of the first sound, so that the first answer
// is heard as promptly as any other. The game windows ask for it when they open with sounds on.
void PrepareSounds();

// Tests listen to the sounds instead of an audio device; an empty function restores it.
void SetSoundPlayer(std::function<void(const QString& file)> player);
