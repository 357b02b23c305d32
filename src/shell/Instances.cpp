#include "shell/Instances.h"

#include "game/GameForm.h"
#include "shell/FormAvvio.h"
#include "shell/FormInfo.h"
#include "shell/FormMenu.h"

DefaultForm FormAvvio([] { return new FormAvvioWindow; });
DefaultForm FormMenu([] { return new FormMenuWindow; });
DefaultForm FormInfo([] { return new FormInfoWindow; });
DefaultForm FormAuto3([] { return new GameForm(*GameTableFor(3)); });
DefaultForm FormAuto4([] { return new GameForm(*GameTableFor(4)); });
DefaultForm FormAuto5([] { return new GameForm(*GameTableFor(5)); });
