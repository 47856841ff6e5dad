#include "master/TfrmP_Q.h"

#include "store/SqlStatement.h"
#include "store/TfrmDM.h"
#include "ui/DataGrid.h"
#include "ui/LookupComboBox.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

TfrmP_Q::TfrmP_Q(AppServices services, QWidget *parent)
    : SearchWindow(services, QStringLiteral("人员查询"), QStringLiteral("TfrmP_Q"), parent),
      m_department(new LookupComboBox), m_name(new QLineEdit)
{
    setObjectName(QStringLiteral("frmP_Q"));
    m_department->setObjectName(QStringLiteral("DBLookupComboBox1"));
    m_department->setLookup(m_services.dm.DBComDepartment());
    m_name->setObjectName(QStringLiteral("Edit1"));
    conditions()->addRow(QStringLiteral("部门名称："), m_department);
    conditions()->addRow(QStringLiteral("人员姓名："), m_name);
    grid()->setTitleSorting(true);
    connect(m_name, &QLineEdit::returnPressed, this, &SearchWindow::BitBtn1Click);
}

QString TfrmP_Q::statement(QVariantList &values) const
{
    QString sql = QStringLiteral("select theNum as 工号,DName as 部门名称,PName as 人员姓名,theJob as 职务,"
                                 "thePhone as 联系方式,theIDCard as 身份证号,theAddress as 住址,Remark as 备注 "
                                 "from SPerson Where (ID>0)");
    if (m_department->currentIndex() >= 0) {
        sql += QStringLiteral(" AND (DName=?)");
        values << m_department->currentText();
    }
    if (!m_name->text().isEmpty()) {
        sql += QStringLiteral(" AND ((PName Like ?) OR (thePY Like ?))");
        const QString pattern = containing(m_name->text());
        values << pattern << pattern;
    }
    return sql + QStringLiteral(" order by DName");
}

void TfrmP_Q::showResult()
{
    for (const char *title : {"联系方式", "住址", "备注"})
        grid()->setColumnWidthByTitle(QString::fromUtf8(title), 160);
    statusLine()->setText(QStringLiteral("人员数量：%1").arg(grid()->rows()->rowCount()));
}
