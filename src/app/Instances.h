#pragma once
// The program's windows, one default instance each.

#include "ui/DefaultForm.h"

extern DefaultForm FormAvvio;   // start screen
extern DefaultForm FormMenu;    // main menu
extern DefaultForm FormInfo;    // information box
extern DefaultForm FormAuto3;   // game, three cars
extern DefaultForm FormAuto4;   // game, four cars
extern DefaultForm FormAuto5;   // game, five cars
