#pragma once

#include "ui/MaintenanceMember.h"

// "物品包设置" (TfrmAPack): the item packages, a maintenance window whose grid pop-up
// "物品明细 &L" opens the package's lines (TfrmAPList) for users with RightModify.
// Renaming a package carries its lines over to the new name.
MaintenanceMember packageMember();
