#include "admin/TfrmClean.h"

#include "admin/DataClearing.h"
#include "store/AppContext.h"
#include "ui/Dialogs.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TfrmClean::TfrmClean(AppServices services, QWidget *parent) : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmClean"));
    setWindowTitle(QStringLiteral("数据清空"));
    for (const ClearingGroup &group : clearingGroups()) {
        auto *box = new QCheckBox(group.name);
        box->setObjectName(group.tables.first());
        m_boxes.insert(group.name, box);
    }
    // The boxes as the dialog shows them, which is not the order of the walk.
    const struct { const char *caption; QStringList names; } sections[] = {
        {"业务数据", {QStringLiteral("申请单"), QStringLiteral("采购单"), QStringLiteral("退货单"), QStringLiteral("领用单"),
                      QStringLiteral("借用单"), QStringLiteral("归还单"), QStringLiteral("调拨单"), QStringLiteral("报损单"),
                      QStringLiteral("报溢单")}},
        {"基础数据", {QStringLiteral("人员"), QStringLiteral("物品"), QStringLiteral("供应商"), QStringLiteral("库存")}},
    };
    auto *layout = new QVBoxLayout(this);
    for (const auto &section : sections) {
        auto *group = new QGroupBox(QString::fromUtf8(section.caption));
        auto *grid = new QGridLayout(group);
        for (int i = 0; i < section.names.size(); ++i)
            grid->addWidget(m_boxes.value(section.names[i]), i / 5, i % 5);
        layout->addWidget(group);
    }
    auto *clearButton = new QPushButton(QStringLiteral("清空"));
    clearButton->setObjectName(QStringLiteral("clearButton"));
    clearButton->setDefault(true);
    auto *exitButton = new QPushButton(QStringLiteral("退出"));
    exitButton->setObjectName(QStringLiteral("exitButton"));
    connect(clearButton, &QPushButton::clicked, this, &TfrmClean::clear);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(clearButton);
    buttons->addWidget(exitButton);
    layout->addLayout(buttons);
}

void TfrmClean::clear()
{
    Dialogs &dialogs = m_services.dialogs;
    for (const ClearingGroup &group : clearingGroups()) {
        if (!m_boxes.value(group.name)->isChecked())
            continue;
        dialogs.information(this, QStringLiteral("您正在清空 全部 ") + group.name + QStringLiteral(" 数据，请谨慎操作！"),
                            kProgramTitle);
        if (dialogs.questionDefaultNo(this, QStringLiteral("确认要清空吗？该清空将不可恢复！"), QStringLiteral("清空")))
            clearGroup(m_services.dm, group);
    }
    dialogs.information(this, QStringLiteral("数据清空成功，请重新打开软件！"), kProgramTitle);
    accept();
    dialogs.quitProgram();
}
