#pragma once

#include "ui/MaintenanceMember.h"

// The maintenance windows of items and categories.
MaintenanceMember articleMember();  // "物品管理"
MaintenanceMember categoryMember(); // "物品分类管理"
