#pragma once

struct AppContext;
class TfrmDM;
class Dialogs;

// What every window is handed: the program-wide state, the data module and the
// Dialogs seam.
struct AppServices {
    AppContext &context;
    TfrmDM &dm;
    Dialogs &dialogs;
};
