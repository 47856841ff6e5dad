#pragma once

#include "ui/AppServices.h"

class LineGridModel;
class QWidget;

// "导入采购物品信息": reads "Sheet1" of a workbook the user picks and writes its rows into
// lines 1, 2, … of a purchase-in grid by the column titles "物品编码", "物品名称",
// "规格型号", "单位", "单价", "数量", "金额", "备注". Imported lines carry no item ID; the
// save resolves them by code. Rows past line 99 are not imported and the user is told
// how many. An unreadable workbook changes no line.
void importPurchaseLines(AppServices &services, QWidget *parent, LineGridModel &lines);
