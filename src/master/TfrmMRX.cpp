#include "master/TfrmMRX.h"

#include "store/AppContext.h"
#include "store/Numbers.h"
#include "store/TfrmDM.h"
#include "store/Transaction.h"
#include "ui/Dialogs.h"
#include "ui/LookupComboBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

const char *const kFlagColumns[] = {"theFKC", "theTX", "YJMin", "YJMax", "Z_LY", "Z_JY", "Z_GH", "Z_DB"};
const char *const kPersonColumns[] = {"theJBR", "theCGR", "thePZR"};

QPushButton *button(const QString &caption, const char *name)
{
    auto *result = new QPushButton(caption);
    result->setObjectName(QLatin1String(name));
    return result;
}

// "空" beside a list: ticking it empties the list (a storage list's key becomes 0).
QCheckBox *noneBox(const QString &name)
{
    auto *box = new QCheckBox(QStringLiteral("空"));
    box->setObjectName(name + QStringLiteral("_None"));
    return box;
}

} // namespace

QString defaultSettingsProblem(const DefaultSettingsRow &row)
{
    if (!parseWholeNumber(row.loanDays))
        return QStringLiteral("归还天数 必须是整数！请重新录入！");
    return {};
}

bool saveDefaultSettings(TfrmDM &dm, const DefaultSettingsRow &row)
{
    QStringList assignments{QStringLiteral("theCK=?"), QStringLiteral("theJBR=?"), QStringLiteral("theCGR=?"),
                            QStringLiteral("thePZR=?"), QStringLiteral("theGH=?"), QStringLiteral("ImgPath=?")};
    QVariantList values{row.storage.toLongLong(), row.handler, row.purchaser, row.approver,
                        *parseWholeNumber(row.loanDays), row.imagePath};
    for (const char *column : kFlagColumns) {
        assignments << QLatin1String(column) + QStringLiteral("=?");
        values << (row.flags.value(QLatin1String(column)) ? 1 : 0);
    }
    Transaction transaction(dm.database());
    QSqlQuery update = dm.select(QStringLiteral("Update SMRX Set %1 Where ID=1").arg(assignments.join(QLatin1Char(','))),
                                 values);
    if (update.numRowsAffected() != 1)
        return false;
    transaction.commit();
    return true;
}

TfrmMRX::TfrmMRX(AppServices services, QWidget *parent)
    : QDialog(parent), m_services(services), m_storage(new LookupComboBox), m_loanDays(new QLineEdit),
      m_imagePath(new QLineEdit)
{
    setObjectName(QStringLiteral("frmMRX"));
    setWindowTitle(QStringLiteral("默认项设置"));
    auto *saveButton = button(QStringLiteral("保存"), "saveButton");
    auto *exitButton = button(QStringLiteral("退出"), "exitButton");
    connect(saveButton, &QPushButton::clicked, this, &TfrmMRX::save);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(exitButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildGroup());
    layout->addLayout(buttons);
    load();
}

QWidget *TfrmMRX::buildGroup()
{
    auto *group = new QGroupBox(QStringLiteral("默认项设置"));
    auto *grid = new QGridLayout(group);
    int row = 0;

    m_storage->setObjectName(QStringLiteral("theCK"));
    m_storage->setLookup(m_services.dm.DBComStorage());
    QCheckBox *storageNone = noneBox(QStringLiteral("theCK"));
    grid->addWidget(new QLabel(QStringLiteral("仓库名称：")), row, 0);
    grid->addWidget(m_storage, row, 1);
    grid->addWidget(storageNone, row++, 2);
    // A choice in the list replaces the saved storage; a list that cannot show the saved
    // storage (the user may not see it) keeps it.
    connect(m_storage, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            m_storageKey = m_storage->keyValue();
    });
    connect(storageNone, &QCheckBox::toggled, this, [this](bool on) {
        if (!on)
            return;
        m_storage->setCurrentIndex(-1);
        m_storageKey = 0;
    });

    const char *personLabels[] = {"经  办  人：", "采  购  人：", "审  批  人："};
    for (int i = 0; i < 3; ++i) {
        const QString column = QLatin1String(kPersonColumns[i]);
        auto *list = new LookupComboBox;
        list->setObjectName(column);
        list->setLookup(m_services.dm.DBComPersonAll());
        QCheckBox *none = noneBox(column);
        connect(none, &QCheckBox::toggled, list, [list](bool on) {
            if (on)
                list->setCurrentIndex(-1);
        });
        m_persons.insert(column, list);
        grid->addWidget(new QLabel(QString::fromUtf8(personLabels[i])), row, 0);
        grid->addWidget(list, row, 1);
        grid->addWidget(none, row++, 2);
    }

    const char *flagCaptions[] = {"支持负库存", "未还物品提醒", "低于库存预警提醒", "高于库存预警提醒",
                                  "领用时单价为零", "借用时单价为零", "归还时单价为零", "调拨时单价为零"};
    for (int i = 0; i < 8; ++i) {
        auto *box = new QCheckBox(QString::fromUtf8(flagCaptions[i]));
        box->setObjectName(QLatin1String(kFlagColumns[i]));
        m_flags.insert(QLatin1String(kFlagColumns[i]), box);
    }
    const auto note = [](const char *text) { return new QLabel(QString::fromUtf8(text)); };
    grid->addWidget(m_flags.value(QStringLiteral("theFKC")), row, 0);
    grid->addWidget(note("物品出库时，库存数量小于零也可以出库。"), row++, 1, 1, 2);
    grid->addWidget(m_flags.value(QStringLiteral("theTX")), row, 0);
    grid->addWidget(note("打开软件时提醒超过归还天数未还物品。"), row++, 1, 1, 2);

    m_loanDays->setObjectName(QStringLiteral("theGH"));
    m_loanDays->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_loanDays));
    grid->addWidget(new QLabel(QStringLiteral("归还天数：")), row, 0);
    grid->addWidget(m_loanDays, row++, 1);

    grid->addWidget(m_flags.value(QStringLiteral("YJMin")), row, 0);
    grid->addWidget(note("打开软件时库存预警提醒。"), row, 1, 2, 2);
    grid->addWidget(m_flags.value(QStringLiteral("YJMax")), ++row, 0);
    ++row;
    for (const char *column : {"Z_LY", "Z_JY", "Z_GH", "Z_DB"})
        grid->addWidget(m_flags.value(QLatin1String(column)), row++, 0);

    m_imagePath->setObjectName(QStringLiteral("ImgPath"));
    m_imagePath->setMaxLength(50);
    auto *choose = button(QStringLiteral("选择路径"), "choosePath");
    connect(choose, &QPushButton::clicked, this, &TfrmMRX::choosePicturePath);
    grid->addWidget(new QLabel(QStringLiteral("图片路径：")), row, 0);
    grid->addWidget(m_imagePath, row, 1);
    grid->addWidget(choose, row, 2);
    grid->setColumnMinimumWidth(1, 320);
    return group;
}

void TfrmMRX::load()
{
    QSqlQuery settings = m_services.dm.select(
        QStringLiteral("select theCK,theJBR,theCGR,thePZR,theGH,ImgPath,theFKC,theTX,YJMin,YJMax,Z_LY,Z_JY,Z_GH,Z_DB "
                       "from SMRX WHERE (ID = 1)"));
    if (!settings.next())
        return;
    m_storageKey = settings.value(0);
    m_storage->setKeyValue(m_storageKey);
    for (int i = 0; i < 3; ++i)
        m_persons.value(QLatin1String(kPersonColumns[i]))->setKeyValue(settings.value(1 + i));
    m_loanDays->setText(settings.value(4).toString());
    const QString path = settings.value(5).toString();
    m_imagePath->setText(path.isEmpty() ? m_services.context.AppDir + QStringLiteral("Image") : path);
    for (int i = 0; i < 8; ++i)
        m_flags.value(QLatin1String(kFlagColumns[i]))->setChecked(settings.value(6 + i).toBool());
}

DefaultSettingsRow TfrmMRX::row() const
{
    DefaultSettingsRow row;
    row.storage = m_storageKey;
    row.handler = m_persons.value(QStringLiteral("theJBR"))->currentText();
    row.purchaser = m_persons.value(QStringLiteral("theCGR"))->currentText();
    row.approver = m_persons.value(QStringLiteral("thePZR"))->currentText();
    row.loanDays = m_loanDays->text();
    row.imagePath = m_imagePath->text();
    for (auto box = m_flags.cbegin(); box != m_flags.cend(); ++box)
        row.flags.insert(box.key(), box.value()->isChecked());
    return row;
}

void TfrmMRX::choosePicturePath()
{
    m_imagePath->setText(m_services.dialogs.existingDirectory(this, QStringLiteral("选择物品图片保存目录"), QString()));
}

void TfrmMRX::save()
{
    const DefaultSettingsRow settings = row();
    const QString problem = defaultSettingsProblem(settings);
    if (!problem.isEmpty()) {
        m_services.dialogs.information(this, problem, kProgramTitle);
        m_loanDays->setFocus();
        return;
    }
    if (!saveDefaultSettings(m_services.dm, settings)) {
        m_services.dialogs.error(this, QStringLiteral("默认项设置 保存失败！"), kProgramTitle);
        return;
    }
    m_services.dialogs.information(this, QStringLiteral("默认项设置 保存成功！请重新打开软件！"), kProgramTitle);
    accept();
    m_services.dialogs.quitProgram();
}
