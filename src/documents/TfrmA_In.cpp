#include "documents/TfrmA_In.h"

#include "store/AppContext.h"
#include "store/ArticleCode.h"
#include "store/ArticleRules.h"
#include "store/Numbers.h"
#include "store/PinyinCode.h"
#include "store/TfrmDM.h"
#include "ui/ArticleForm.h"
#include "ui/Dialogs.h"

#include <QLineEdit>
#include <QVBoxLayout>

TfrmA_In::TfrmA_In(AppServices services, const QString &presetCode, QWidget *parent)
    : QDialog(parent), m_services(services), m_form(new ArticleForm(services.dm))
{
    setObjectName(QStringLiteral("frmA_In"));
    setWindowTitle(QStringLiteral("物品录入"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_form);
    addSaveAndQuitButtons(*this, [this] { BitBtn1Click(); });

    // Without a typed code the dialog proposes the next item code.
    m_form->setCode(presetCode.isEmpty() ? newArticleCode(m_services.dm) : presetCode);
}

QLineEdit *TfrmA_In::edit(const char *objectName) const
{
    return findChild<QLineEdit *>(QLatin1String(objectName));
}

void TfrmA_In::BitBtn1Click()
{
    const ArticleFields fields = m_form->fields();
    if (const std::optional<ArticleProblem> problem = checkArticleChange(m_services.dm, 0, fields)) {
        m_services.dialogs.information(this, problem->message, kProgramTitle);
        m_form->editor(problem->field)->setFocus();
        return;
    }
    const QString code = fields.code.trimmed();
    const QString name = fields.name.trimmed();
    const double price = roundMoney(*parseNumber(fields.price));
    const int id = m_services.dm.insertRow(
        QStringLiteral("INSERT INTO UArticle (theNum, theDate, AType, AName, AStandard, AUnit, APrice, thePY, "
                       "Remark, YJMin, YJMax, theYJ, PName, FJCount) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, 9, 99, ?, ?, 0)"),
        {code, m_services.context.LoginDate, fields.category, name, fields.standard, fields.unit, price,
         PinyinCode(name), fields.remark, QStringLiteral("否"), fields.place});
    m_item = {QString::number(id), code, name, fields.standard, fields.unit, numberText(price), fields.remark};
    accept();
}
