#include "ui/ArticleForm.h"

#include "store/TfrmDM.h"
#include "ui/LookupComboBox.h"

#include <QBoxLayout>
#include <QDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace {

QLineEdit *lineEdit(const char *name, int maxLength)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(maxLength);
    return edit;
}

LookupComboBox *lookupList(const char *name, std::unique_ptr<LookupModel> rows)
{
    auto *list = new LookupComboBox;
    list->setObjectName(QLatin1String(name));
    list->setLookup(std::move(rows));
    return list;
}

QString chosenOr(const LookupComboBox *list, const QString &stored)
{
    return list->currentIndex() >= 0 ? list->currentText() : stored;
}

} // namespace

ArticleForm::ArticleForm(TfrmDM &dm, QWidget *parent)
    : QGroupBox(QStringLiteral("物品信息"), parent), m_code(lineEdit("Edit1", 16)), m_name(lineEdit("Edit2", 50)),
      m_standard(lineEdit("Edit3", 20)), m_unit(lineEdit("Edit4", 10)), m_price(lineEdit("Edit5", 10)),
      m_remark(lineEdit("Edit6", 50)), m_category(lookupList("DBLookupComboBox1", dm.DBComAType())),
      m_place(lookupList("DBLookupComboBox2", dm.DBComSPlace())), m_dm(dm)
{
    m_price->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*\\.?[0-9]*")), m_price));
    auto *form = new QFormLayout(this);
    form->addRow(QStringLiteral("物品编码："), m_code);
    form->addRow(QStringLiteral("物品分类："), m_category);
    form->addRow(QStringLiteral("物品名称："), m_name);
    form->addRow(QStringLiteral("规格型号："), m_standard);
    form->addRow(QStringLiteral("单       位："), m_unit);
    form->addRow(QStringLiteral("单       价："), m_price);
    form->addRow(QStringLiteral("货位名称："), m_place);
    form->addRow(QStringLiteral("备       注："), m_remark);
}

bool ArticleForm::load(int id)
{
    const std::optional<ArticleFields> item = loadArticle(m_dm, id);
    if (!item)
        return false;
    m_loaded = *item;
    m_code->setText(item->code);
    m_category->setKeyValue(item->category);
    m_name->setText(item->name);
    m_standard->setText(item->standard);
    m_unit->setText(item->unit);
    m_price->setText(item->price);
    m_place->setKeyValue(item->place);
    m_remark->setText(item->remark);
    return true;
}

void ArticleForm::setCode(const QString &code)
{
    m_code->setText(code);
}

ArticleFields ArticleForm::fields() const
{
    return {m_code->text(),     chosenOr(m_category, m_loaded.category),
            m_name->text(),     m_standard->text(),
            m_unit->text(),     m_price->text(),
            m_remark->text(),   chosenOr(m_place, m_loaded.place)};
}

QWidget *ArticleForm::editor(ArticleProblem::Field field) const
{
    switch (field) {
    case ArticleProblem::Field::Code: return m_code;
    case ArticleProblem::Field::Name: return m_name;
    case ArticleProblem::Field::Unit: return m_unit;
    case ArticleProblem::Field::Price: return m_price;
    }
    return m_code;
}

void addSaveAndQuitButtons(QDialog &dialog, const std::function<void()> &save)
{
    auto *saveButton = new QPushButton(QStringLiteral("保存"));
    saveButton->setObjectName(QStringLiteral("BitBtn1"));
    auto *quit = new QPushButton(QStringLiteral("退出"));
    quit->setObjectName(QStringLiteral("BitBtn2"));
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(saveButton);
    row->addWidget(quit);
    static_cast<QBoxLayout *>(dialog.layout())->addLayout(row);
    QObject::connect(saveButton, &QPushButton::clicked, &dialog, save);
    QObject::connect(quit, &QPushButton::clicked, &dialog, &QDialog::reject);
}

QString articleCaption(const ArticleFields &fields)
{
    return fields.code + QLatin1Char(' ') + fields.name;
}
