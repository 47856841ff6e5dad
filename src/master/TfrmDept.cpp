#include "master/TfrmDept.h"

#include "store/AppContext.h"
#include "store/TfrmDM.h"
#include "ui/Dialogs.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmDept::TfrmDept(AppServices services, QWidget *parent)
    : QDialog(parent), m_services(services), m_name(new QLineEdit)
{
    setObjectName(QStringLiteral("frmDept"));
    setWindowTitle(QStringLiteral("单位设置"));
    m_name->setObjectName(QStringLiteral("Edit1"));
    m_name->setMaxLength(40);
    m_name->setMinimumWidth(280);

    auto *group = new QGroupBox(QStringLiteral("使用软件单位信息"));
    auto *form = new QFormLayout(group);
    form->addRow(QStringLiteral("单位名称："), m_name);
    auto *save = new QPushButton(QStringLiteral("保存"));
    save->setObjectName(QStringLiteral("BitBtn1"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(save, 0, Qt::AlignRight);
    connect(save, &QPushButton::clicked, this, &TfrmDept::BitBtn1Click);

    QSqlQuery unit = m_services.dm.select(QStringLiteral("select UName from SUnit"));
    if (unit.next())
        m_name->setText(unit.value(0).toString());
}

void TfrmDept::BitBtn1Click()
{
    const QString name = m_name->text();
    if (name.isEmpty()) {
        m_services.dialogs.information(this, QStringLiteral("单位名称 不能为空！"), kProgramTitle);
        m_name->setFocus();
        return;
    }
    m_services.dm.myESQL(QStringLiteral("Update SUnit Set UName=?"), {name});
    m_services.dialogs.information(this, QStringLiteral("单位名称 保存成功，请重新登录！"), kProgramTitle);
    accept();
    m_services.dialogs.quitProgram();
}
