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

    m_group = new QGroupBox(QStringLiteral("查询条件"));
    auto *row = new QHBoxLayout(m_group);
    row->addLayout(m_conditions);
    row->addStretch();
    auto *search = new QPushButton(QStringLiteral("查询"));
    search->setObjectName(QStringLiteral("BitBtn1"));
    m_export = new QPushButton(QStringLiteral("Excel"));
    m_export->setObjectName(QStringLiteral("BitBtn2"));
    m_export->setEnabled(false);
    m_resultButtons << m_export;
    auto *quit = new QPushButton(QStringLiteral("退出"));
    quit->setObjectName(QStringLiteral("BitBtn3"));
    for (QPushButton *button : {search, m_export, quit})
        row->addWidget(button);
    connect(search, &QPushButton::clicked, this, &SearchWindow::BitBtn1Click);
    connect(m_export, &QPushButton::clicked, this, &SearchWindow::BitBtn2Click);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_group);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_status);
}

void SearchWindow::BitBtn1Click()
{
    QVariantList values;
    const QString sql = statement(values);
    QSqlQuery query = m_services.dm.select(sql, values);
    m_grid->load(query);
    for (QPushButton *button : m_resultButtons)
        button->setEnabled(true);
    showResult();
}

QPushButton *SearchWindow::addResultButton(const QString &caption, const QString &objectName)
{
    auto *button = new QPushButton(caption);
    button->setObjectName(objectName);
    button->setEnabled(false);
    auto *row = static_cast<QHBoxLayout *>(m_group->layout());
    row->insertWidget(row->count() - 1, button);
    m_resultButtons << button;
    return button;
}

void SearchWindow::setConditionCaption(const QString &caption)
{
    m_group->setTitle(caption);
}

void SearchWindow::BitBtn2Click()
{
    if (!rightAllows(m_services.context.RightExport))
        return;
    SheetExporter(m_services.dialogs, m_services.context.OrgName)
        .exportList(sheetMember(m_exportWindow), *m_grid->rows());
}
