#include "admin/TfrmLevel.h"

#include "admin/CheckList.h"
#include "store/AppContext.h"
#include "ui/Dialogs.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

QCheckBox *checkBox(const QString &caption, const char *name, bool ticked)
{
    auto *box = new QCheckBox(caption);
    box->setObjectName(QLatin1String(name));
    box->setChecked(ticked);
    return box;
}

} // namespace

TfrmLevel::TfrmLevel(AppServices services, int userId, const QString &userName, QWidget *parent)
    : QDialog(parent), m_services(services), m_userId(userId)
{
    setObjectName(QStringLiteral("frmLevel"));
    const QString title = userName + QStringLiteral(" 的操作权限");
    setWindowTitle(title);
    m_group = new QGroupBox(title);
    m_items = checkList(m_group, menuRightItems(m_services.dm, m_userId), 4);
    m_items->setMinimumSize(880, 440);

    const ActionRights rights = actionRights(m_services.dm, m_userId);
    m_all = checkBox(QStringLiteral("全选"), "selectAll", false);
    m_modify = checkBox(QStringLiteral("修改"), "rightModify", rights.modify);
    m_delete = checkBox(QStringLiteral("删除"), "rightDelete", rights.remove);
    m_export = checkBox(QStringLiteral("导出"), "rightExport", rights.exportSheets);
    connect(m_all, &QCheckBox::toggled, this, &TfrmLevel::selectAll);

    auto *buttons = saveAndExitButtons(this, [this] { save(); });
    for (QCheckBox *box : {m_export, m_delete, m_modify, m_all})
        buttons->insertWidget(0, box);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_group);
    layout->addLayout(buttons);
}

void TfrmLevel::selectAll(bool on)
{
    tickAll(m_items, on);
    for (QCheckBox *box : {m_modify, m_delete, m_export})
        box->setChecked(on);
}

void TfrmLevel::save()
{
    QStringList codes;
    for (const QString &text : tickedTexts(m_items))
        codes << text.left(3);
    saveMenuRights(m_services.dm, m_userId, codes,
                   {m_modify->isChecked(), m_delete->isChecked(), m_export->isChecked()});
    m_services.dialogs.information(this, savedForNextLoginText(m_group->title()), kProgramTitle);
    accept();
}
