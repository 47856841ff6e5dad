#pragma once

#include "ui/AppServices.h"

class TfrmMain;

// Connects the menu items of the main window to the windows they open.
void installWindowOpeners(TfrmMain &mainWindow, AppServices services);
