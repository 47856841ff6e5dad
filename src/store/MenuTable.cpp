#include "store/MenuTable.h"

const std::vector<TopMenuDef> &mainMenuTable()
{
    static const std::vector<TopMenuDef> table = {
        {0, "文件【&F】", "N1", true, {
            {"用户管理 &U", "U1", false},
            {"修改密码 &S", "N5", false},
            {"-", "N18", false},
            {"数据备份 &B", "N7", false},
            {"数据恢复 &R", "R2", false},
            {"数据清空 &C", "N55", false},
            {"-", "N24", false},
            {"更换背景 &J", "J1", false},
            {"-", "N25", false},
            {"退出 &X", "N8", true},
        }},
        {1, "物品【&A】", "N10", true, {
            {"物品申请单 &1", "N14", false},
            {"-", "N51", false},
            {"采购入库单 &2", "N11", false},
            {"退货出库单 &3", "N310", false},
            {"-", "N30", false},
            {"领用出库单 &4", "N21", false},
            {"借用出库单 &5", "N22", false},
            {"-", "N31", false},
            {"归还入库单 &6", "O2", false},
            {"-", "N49", false},
            {"物品调拨单 &7", "N2", false},
            {"-", "N50", false},
            {"报损出库单 &8", "N41", false},
            {"报溢入库单 &9", "N81", false},
        }},
        {2, "查询【&Q】", "N12", true, {
            {"库存物品一览表 &A", "W1", false},
            {"申请物品一览表 &B", "B2", false},
            {"采购物品一览表 &C", "N47", false},
            {"退货物品一览表 &D", "D2", false},
            {"领用物品一览表 &E", "N28", false},
            {"借用物品一览表 &F", "N29", false},
            {"归还物品一览表 &G", "G3", false},
            {"调拨物品一览表 &H", "G4", false},
            {"报损物品一览表 &I", "N32", false},
            {"报溢物品一览表 &J", "N53", false},
            {"-", "N33", false},
            {"物品申请查询 &1", "N6", false},
            {"采购入库查询 &2", "N19", false},
            {"退货出库查询 &3", "N311", false},
            {"领用出库查询 &4", "N20", false},
            {"借用出库查询 &5", "N23", false},
            {"归还入库查询 &6", "N27", false},
            {"物品调拨查询 &7", "N9", false},
            {"报损出库查询 &8", "N26", false},
            {"报溢入库查询 &9", "N52", false},
        }},
        {3, "统计【&S】", "N39", true, {
            {"日报表 &D", "N57", false},
            {"月报表 &M", "N58", false},
            {"年报表 &Y", "N59", false},
            {"-", "N56", false},
            {"采购入库统计 &C", "N40", false},
            {"退货出库统计 &T", "T2", false},
            {"领用出库统计 &L", "N42", false},
            {"借用出库统计 &J", "N43", false},
            {"报损出库统计 &S", "N44", false},
            {"报溢入库统计 &Y", "N54", false},
        }},
        {4, "基础设置【&B】", "B1", true, {
            {"单位设置 &D", "D1", false},
            {"部门设置 &U", "N13", false},
            {"-", "N35", false},
            {"人员管理 &P", "N15", false},
            {"人员查询 &R", "R4", false},
            {"人员导入 &Y", "R3", false},
            {"-", "N36", false},
            {"仓库设置 &S", "O1", false},
            {"货位设置 &P", "N60", false},
            {"物品分类 &T", "T1", false},
            {"-", "N48", false},
            {"物品管理 &A", "A1", false},
            {"物品查询 &W", "N34", false},
            {"物品导入 &D", "N37", false},
            {"-", "N62", true},
            {"物品包设置 &J", "N61", true},
            {"-", "N45", false},
            {"供应商管理 &B", "N3", false},
            {"供应商查询 &H", "G2", false},
            {"供应商导入 &G", "G1", false},
            {"-", "N46", false},
            {"默认项设置 &M", "M1", false},
        }},
        {5, "帮助【&H】", "H1", false, {
            {"帮助 &H", "H2", true},
            {"-", "N16", true},
            {"朔禾网站 &W", "N4", true},
            {"-", "N17", true},
            {"关于 &A", "A2", true},
        }},
    };
    return table;
}

QString positionCode(int digit, int position)
{
    return QString::number(digit) + QString::number(position).rightJustified(2, QLatin1Char('0'));
}

QString menuRightName(const QString &caption)
{
    const qsizetype blank = caption.indexOf(QLatin1Char(' '));
    return blank >= 2 ? caption.left(blank + 1) : caption;
}

std::vector<MenuRight> menuRights()
{
    std::vector<MenuRight> rights;
    for (const TopMenuDef &menu : mainMenuTable()) {
        if (!menu.governedByRights)
            continue;
        for (size_t i = 0; i < menu.items.size(); ++i) {
            rights.push_back({positionCode(menu.digit, int(i)),
                              menuRightName(QString::fromUtf8(menu.items[i].caption))});
        }
    }
    return rights;
}
