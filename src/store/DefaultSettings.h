#pragma once

struct AppContext;
class TfrmDM;

// Copies the default settings (SMRX row 1) into the context, fills ImageDir (the
// program's Image folder when no folder is set) and OrgName (the first SUnit row).
void loadDefaultSettings(TfrmDM &dm, AppContext &context);
