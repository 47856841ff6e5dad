#pragma once

#include "ui/MaintenanceMember.h"

// The maintenance windows of the reference lists.
MaintenanceMember departmentMember(); // "部门管理"
MaintenanceMember personMember();     // "人员管理"
MaintenanceMember storageMember();    // "仓库设置"
MaintenanceMember placeMember();      // "货位设置"
MaintenanceMember supplierMember();   // "供应商管理"
