#pragma once
// The language keys of the three game windows: they read the same texts under different numbers.

#include <QString>

struct GameTexts {
    int n;                     // cars
    int firstColourKey;        // key of colour 1; colours 1..10 take ten keys in a row
    const char* leavingKey;    // the question of "Esci"
    const char* rowMarkerKey;  // the note pad's row marker, or nullptr for the fixed text

    // The key of colour c (1..10): "0032" for colour 1 of the five-car window.
    QString ColourKey(int colour) const;
};

// The keys for n = 3, 4 or 5 cars; nullptr for any other n.
const GameTexts* GameTextsFor(int n);
