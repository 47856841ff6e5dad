#include "documents/TfrmA_In.h"

#include "store/AppContext.h"
#include "store/ArticleCode.h"
#include "store/Numbers.h"
#include "store/PinyinCode.h"
#include "store/TfrmDM.h"
#include "ui/Dialogs.h"
#include "ui/LookupComboBox.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
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

} // namespace

TfrmA_In::TfrmA_In(AppServices services, const QString &presetCode, QWidget *parent)
    : QDialog(parent), m_services(services), m_category(new LookupComboBox), m_place(new LookupComboBox)
{
    setObjectName(QStringLiteral("frmA_In"));
    setWindowTitle(QStringLiteral("物品录入"));
    auto *code = lineEdit("Edit1", 16);
    auto *name = lineEdit("Edit2", 50);
    auto *standard = lineEdit("Edit3", 20);
    auto *unit = lineEdit("Edit4", 10);
    auto *price = lineEdit("Edit5", 10);
    auto *remark = lineEdit("Edit6", 50);
    price->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), price));
    m_category->setObjectName(QStringLiteral("DBLookupComboBox1"));
    m_place->setObjectName(QStringLiteral("DBLookupComboBox2"));
    m_category->setLookup(m_services.dm.DBComAType());
    m_place->setLookup(m_services.dm.DBComSPlace());

    auto *group = new QGroupBox(QStringLiteral("物品信息"));
    auto *form = new QFormLayout(group);
    form->addRow(QStringLiteral("物品编码："), code);
    form->addRow(QStringLiteral("物品分类："), m_category);
    form->addRow(QStringLiteral("物品名称："), name);
    form->addRow(QStringLiteral("规格型号："), standard);
    form->addRow(QStringLiteral("单       位："), unit);
    form->addRow(QStringLiteral("单       价："), price);
    form->addRow(QStringLiteral("货位名称："), m_place);
    form->addRow(QStringLiteral("备       注："), remark);

    auto *save = new QPushButton(QStringLiteral("保存"));
    save->setObjectName(QStringLiteral("BitBtn1"));
    auto *quit = new QPushButton(QStringLiteral("退出"));
    quit->setObjectName(QStringLiteral("BitBtn2"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(quit);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    connect(save, &QPushButton::clicked, this, &TfrmA_In::BitBtn1Click);
    connect(quit, &QPushButton::clicked, this, &QDialog::reject);

    // Without a typed code the dialog proposes the next item code.
    code->setText(presetCode.isEmpty() ? newArticleCode(m_services.dm) : presetCode);
}

QLineEdit *TfrmA_In::edit(const char *objectName) const
{
    return findChild<QLineEdit *>(QLatin1String(objectName));
}

void TfrmA_In::BitBtn1Click()
{
    const struct { const char *field, *message; } required[] = {
        {"Edit1", "物品编码 不能为空！"}, {"Edit2", "物品名称 不能为空！"},
        {"Edit4", "单位 不能为空！"},     {"Edit5", "单价 不能为空！"},
    };
    for (const auto &check : required) {
        if (edit(check.field)->text().trimmed().isEmpty()) {
            m_services.dialogs.information(this, QString::fromUtf8(check.message), kProgramTitle);
            edit(check.field)->setFocus();
            return;
        }
    }
    const QString code = edit("Edit1")->text().trimmed();
    const std::optional<double> price = parseNumber(edit("Edit5")->text());
    if (!price) {
        m_services.dialogs.information(this, QStringLiteral("单价 不是有效的数字！"), kProgramTitle);
        edit("Edit5")->setFocus();
        return;
    }
    if (m_services.dm.myRetCount(QStringLiteral("select ID from UArticle Where theNum=?"), {code}) > 0) {
        m_services.dialogs.information(this, QStringLiteral("物品编码 添加重复！"), kProgramTitle);
        edit("Edit1")->setFocus();
        return;
    }
    const QString name = edit("Edit2")->text().trimmed();
    const int id = m_services.dm.insertRow(
        QStringLiteral("INSERT INTO UArticle (theNum, theDate, AType, AName, AStandard, AUnit, APrice, thePY, "
                       "Remark, YJMin, YJMax, theYJ, PName, FJCount) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, 9, 99, ?, ?, 0)"),
        {code, m_services.context.LoginDate, m_category->currentText(), name, edit("Edit3")->text(),
         edit("Edit4")->text(), roundMoney(*price), PinyinCode(name), edit("Edit6")->text(),
         QStringLiteral("否"), m_place->currentText()});
    m_item = {QString::number(id), code, name, edit("Edit3")->text(), edit("Edit4")->text(),
              numberText(roundMoney(*price)), edit("Edit6")->text()};
    accept();
}
