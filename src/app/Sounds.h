#pragma once
// The sounds of an answer: a random one of four for a right answer, one for a wrong answer,
// played by the sound module beside the program (loaded with the first sound) without waiting.
// A new sound cuts off one still playing; a missing file or module is silence.

#include <QString>

#include <functional>

extern bool SuoniAttivi;  // sounds on; True at every start, never stored

// Nothing when sounds are off: then no file is touched and no random number drawn.
void SuonoEsatto();
void SuonoErrato();

// Tests listen to the sounds instead of an audio device; an empty function restores it.
void SetSoundPlayer(std::function<void(const QString& file)> player);
