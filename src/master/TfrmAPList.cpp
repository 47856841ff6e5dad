#include "master/TfrmAPList.h"

#include "documents/CatalogueLookup.h"
#include "master/PackageLines.h"
#include "store/AppContext.h"
#include "store/DatabaseError.h"
#include "ui/Dialogs.h"
#include "ui/LineGrid.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

LineGridLayout packageLayout()
{
    LineGridLayout layout;
    layout.titles = {QStringLiteral("序号"), QStringLiteral("物品编码"), QStringLiteral("物品名称"),
                     QStringLiteral("规格型号"), QStringLiteral("单位"), QStringLiteral("单价"),
                     QStringLiteral("数量"), QStringLiteral("金额"), QStringLiteral("备注")};
    layout.widths = {30, 100, 200, 100, 60, 70, 60, 80, 100};
    layout.columnCount = PackageLines::kColumnCount;
    layout.itemIdColumn = PackageLines::ItemId;
    layout.itemLockedCode = false;
    // The amount is shown as loaded, neither recomputed nor saved.
    layout.amountColumn = -1;
    layout.zeroWhenEmpty = {};
    return layout;
}

} // namespace

TfrmAPList::TfrmAPList(AppServices services, int packageId, const QString &packageName, QWidget *parent)
    : QDialog(parent), m_services(services), m_packageName(packageName), m_grid(new LineGrid(packageLayout()))
{
    Q_UNUSED(packageId); // the lines belong to the package by its name
    setObjectName(QStringLiteral("frmAPList"));
    setWindowTitle(packageName + QStringLiteral(" 物品明细"));
    resize(860, 480);
    m_grid->setObjectName(QStringLiteral("StringGrid1"));
    m_grid->setToolTip(QStringLiteral("亲，在 物品编码 处录入物品名称拼音首字母或物品编码，按回车或鼠标双击..."));
    connect(m_grid, &LineGrid::lookupRequested, this, [this] {
        CatalogueLookup(m_services, *m_grid, this, CatalogueLookup::WhenNone::SayNotFound).run();
    });

    auto *group = new QGroupBox(packageName + QStringLiteral(" 物品明细"));
    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_grid);
    auto *saveButton = new QPushButton(QStringLiteral("保存"));
    saveButton->setObjectName(QStringLiteral("BitBtn1"));
    auto *quit = new QPushButton(QStringLiteral("退出"));
    quit->setObjectName(QStringLiteral("BitBtn2"));
    saveButton->setAutoDefault(false);
    quit->setAutoDefault(false);
    connect(saveButton, &QPushButton::clicked, this, &TfrmAPList::save);
    connect(quit, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(quit);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group, 1);
    layout->addLayout(buttons);

    PackageLines::load(m_services, packageName, *m_grid->lines());
    m_grid->setCurrent(1, PackageLines::Code);
}

void TfrmAPList::save()
{
    if (const std::optional<DocumentRefusal> refusal = PackageLines::check(*m_grid->lines())) {
        m_services.dialogs.information(this, refusal->message, kProgramTitle);
        m_grid->setFocus();
        return;
    }
    try {
        PackageLines::save(m_services, m_packageName, *m_grid->lines());
    } catch (const DatabaseError &error) {
        m_services.dialogs.error(this, error.text(), kProgramTitle);
        return;
    }
    m_services.dialogs.information(this, QStringLiteral("物品包 物品明细 保存成功！"), kProgramTitle);
    accept();
}
