#include "pictures/TfrmA_FJ.h"

#include "pictures/Accessories.h"
#include "pictures/ItemActions.h"
#include "store/AppContext.h"
#include "store/TfrmDM.h"
#include "ui/DataGrid.h"
#include "ui/Dialogs.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

QLineEdit *lineEdit(const char *name, int maxLength)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(maxLength);
    return edit;
}

QPushButton *button(const QString &caption, const char *name)
{
    auto *result = new QPushButton(caption);
    result->setObjectName(QLatin1String(name));
    return result;
}

} // namespace

TfrmA_FJ::TfrmA_FJ(AppServices services, int articleId, QWidget *parent)
    : QDialog(parent), m_services(services), m_articleId(articleId), m_grid(new DataGrid)
{
    setObjectName(QStringLiteral("frmA_FJ"));
    setWindowTitle(itemCaption(services.dm, articleId) + QStringLiteral(" 附件管理"));
    auto *name = lineEdit("Edit1", 30);
    auto *count = lineEdit("Edit2", 3);
    count->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), count));
    auto *remark = lineEdit("Edit3", 50);

    auto *fields = new QGroupBox(QStringLiteral("附件信息"));
    auto *form = new QFormLayout(fields);
    form->addRow(QStringLiteral("附件名称："), name);
    form->addRow(QStringLiteral("数       量："), count);
    form->addRow(QStringLiteral("备       注："), remark);
    auto *list = new QGroupBox(QStringLiteral("附件列表"));
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    (new QVBoxLayout(list))->addWidget(m_grid);

    auto *saveButton = button(QStringLiteral("保存"), "BitBtn1");
    auto *quit = button(QStringLiteral("退出"), "BitBtn2");
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(quit);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fields);
    layout->addWidget(list, 1);
    layout->addLayout(buttons);
    connect(saveButton, &QPushButton::clicked, this, &TfrmA_FJ::save);
    connect(quit, &QPushButton::clicked, this, &QDialog::reject);

    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("PopupMenu1"));
    menu->addAction(QStringLiteral("删除 &D"), this, &TfrmA_FJ::deleteCurrent)->setObjectName(QStringLiteral("D1"));
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this,
            [this, menu](const QPoint &at) { menu->popup(m_grid->viewport()->mapToGlobal(at)); });

    count->setText(QStringLiteral("1"));
    resize(520, 420);
    refresh();
}

QLineEdit *TfrmA_FJ::edit(const char *name) const
{
    return findChild<QLineEdit *>(QLatin1String(name));
}

void TfrmA_FJ::refresh()
{
    QSqlQuery query = m_services.dm.select(
        QStringLiteral("SELECT theName AS 附件名称, theCount AS 数量, Remark AS 备注, ID, AID FROM UAccessory "
                       "WHERE (AID = ?)"),
        {m_articleId});
    m_grid->load(query);
    m_grid->setColumnWidthByTitle(QStringLiteral("备注"), 300);
    m_grid->hideColumns({QStringLiteral("ID"), QStringLiteral("AID")});
}

void TfrmA_FJ::save()
{
    const struct { const char *field, *message; } required[] = {
        {"Edit1", "附件名称 不能为空！"}, {"Edit2", "数量 不能为空！"}};
    for (const auto &check : required) {
        if (edit(check.field)->text().trimmed().isEmpty()) {
            m_services.dialogs.information(this, QString::fromUtf8(check.message), kProgramTitle);
            edit(check.field)->setFocus();
            return;
        }
    }
    addAccessory(m_services.dm, m_articleId, edit("Edit1")->text(), edit("Edit2")->text(), edit("Edit3")->text());
    m_services.dialogs.information(this, windowTitle() + QStringLiteral(" 附件保存成功！"), kProgramTitle);
    refresh();
    edit("Edit1")->clear();
    edit("Edit3")->clear();
    edit("Edit2")->setText(QStringLiteral("1"));
    edit("Edit1")->setFocus();
}

void TfrmA_FJ::deleteCurrent()
{
    if (m_grid->currentRowNumber() < 0)
        return;
    if (!m_services.dialogs.question(this, QStringLiteral("确认要删除吗？该删除将不可恢复！"), QStringLiteral("删除")))
        return;
    deleteAccessory(m_services.dm, m_grid->currentValue(QStringLiteral("ID")).toInt());
    refresh();
}
