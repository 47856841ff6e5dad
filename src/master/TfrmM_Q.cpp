#include "master/TfrmM_Q.h"

#include "store/SqlStatement.h"
#include "ui/DataGrid.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

TfrmM_Q::TfrmM_Q(AppServices services, QWidget *parent)
    : SearchWindow(services, QStringLiteral("供应商查询"), QStringLiteral("TfrmM_Q"), parent),
      m_name(new QLineEdit), m_contact(new QLineEdit)
{
    setObjectName(QStringLiteral("frmM_Q"));
    m_name->setObjectName(QStringLiteral("Edit1"));
    m_contact->setObjectName(QStringLiteral("Edit2"));
    conditions()->addRow(QStringLiteral("商家名称："), m_name);
    conditions()->addRow(QStringLiteral("联  系  人："), m_contact);
}

QString TfrmM_Q::statement(QVariantList &values) const
{
    QString sql = QStringLiteral("select MName as 商家名称,MPhone as 电话号码,MProson as 联系人,MAddress as 地址,"
                                 "Remark as 备注 from UMerchant Where (ID>0)");
    if (!m_name->text().isEmpty()) {
        sql += QStringLiteral(" AND ((MName Like ?) OR (thePY Like ?))");
        const QString pattern = containing(m_name->text());
        values << pattern << pattern;
    }
    if (!m_contact->text().isEmpty()) {
        sql += QStringLiteral(" AND (MProson Like ?)");
        values << containing(m_contact->text());
    }
    return sql + QStringLiteral(" order by MName");
}

void TfrmM_Q::showResult()
{
    grid()->setColumnWidthByTitle(QStringLiteral("备注"), 260);
    statusLine()->setText(QStringLiteral("供应商数量：%1").arg(grid()->rows()->rowCount()));
}
