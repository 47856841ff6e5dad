#include "master/SearchWindow.h"

#include "sheets/SheetMembers.h"
#include "store/AppContext.h"
#include "store/TfrmDM.h"
#include "ui/DataGrid.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

SearchWindow::SearchWindow(AppServices services, const QString &caption, const QString &exportWindow,
                           QWidget *parent)
    : QWidget(parent), m_services(services), m_exportWindow(exportWindow), m_conditions(new QFormLayout),
      m_grid(new DataGrid), m_status(new QLabel)
{
    setWindowTitle(caption);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_status->setObjectName(QStringLiteral("StatusBar1"));

    auto *group = new QGroupBox(QStringLiteral("查询条件"));
    auto *row = new QHBoxLayout(group);
    row->addLayout(m_conditions);
    row->addStretch();
    auto *search = new QPushButton(QStringLiteral("查询"));
    search->setObjectName(QStringLiteral("BitBtn1"));
    m_export = new QPushButton(QStringLiteral("Excel"));
    m_export->setObjectName(QStringLiteral("BitBtn2"));
    m_export->setEnabled(false);
    auto *quit = new QPushButton(QStringLiteral("退出"));
    quit->setObjectName(QStringLiteral("BitBtn3"));
    for (QPushButton *button : {search, m_export, quit})
        row->addWidget(button);
    connect(search, &QPushButton::clicked, this, &SearchWindow::BitBtn1Click);
    connect(m_export, &QPushButton::clicked, this, &SearchWindow::BitBtn2Click);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_status);
}

void SearchWindow::BitBtn1Click()
{
    QVariantList values;
    const QString sql = statement(values);
    QSqlQuery query = m_services.dm.select(sql, values);
    m_grid->load(query);
    m_export->setEnabled(true);
    showResult();
}

void SearchWindow::BitBtn2Click()
{
    if (!rightAllows(m_services.context.RightExport))
        return;
    SheetExporter(m_services.dialogs, m_services.context.OrgName)
        .exportList(sheetMember(m_exportWindow), *m_grid->rows());
}
