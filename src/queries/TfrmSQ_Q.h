#pragma once

#include "queries/QueryWindow.h"

#include <functional>

// "物品申请查询": the request query, which also turns the current request into a
// purchase-in, requisition or loan document made from it.
class TfrmSQ_Q : public QueryWindow {
    Q_OBJECT
public:
    // Whether the main window's menu item of this object name is visible, i.e. whether
    // the user may make documents of that kind.
    using MenuVisible = std::function<bool(const QString &objectName)>;

    TfrmSQ_Q(AppServices services, MenuVisible menuVisible, QWidget *parent = nullptr);

public Q_SLOTS:
    void C1Click(); // 申请单转采购单
    void N3Click(); // 申请单转领用单
    void J1Click(); // 申请单转借用单

private:
    struct Conversion;
    void convert(const Conversion &conversion);

    MenuVisible m_menuVisible;
};

// Whether a live line of request `number` was already partly turned into a document:
// its counter column ("theCG", "theLY" or "theJY") is above 0.
bool requestConverted(TfrmDM &dm, const QString &number, const QString &counter);
