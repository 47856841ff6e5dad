#include "master/TfrmA_YJ.h"

#include "ui/ArticleForm.h"
#include "store/AppContext.h"
#include "store/TfrmDM.h"
#include "ui/Dialogs.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

QLineEdit *limitEdit(const char *name)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(4);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    return edit;
}

} // namespace

TfrmA_YJ::TfrmA_YJ(AppServices services, int articleId, QWidget *parent)
    : QDialog(parent), m_services(services), m_articleId(articleId), m_min(limitEdit("Edit7")),
      m_max(limitEdit("Edit8")), m_on(new QCheckBox(QStringLiteral("启用库存预警")))
{
    setObjectName(QStringLiteral("frmA_YJ"));
    m_on->setObjectName(QStringLiteral("CheckBox1"));
    auto *article = new ArticleForm(services.dm);
    article->setEnabled(false);
    auto *limits = new QGroupBox(QStringLiteral("预警信息"));
    auto *form = new QFormLayout(limits);
    form->addRow(QStringLiteral("最低库存："), m_min);
    form->addRow(QStringLiteral("最高库存："), m_max);
    form->addRow(m_on);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(article);
    layout->addWidget(limits);
    addSaveAndQuitButtons(*this, [this] { save(); });

    if (article->load(articleId))
        m_item = articleCaption(article->fields());
    setWindowTitle(m_item + QStringLiteral(" 预警设置"));
    if (const std::optional<WarningLimits> stored = loadWarningLimits(services.dm, articleId)) {
        m_min->setText(stored->min);
        m_max->setText(stored->max);
        m_on->setChecked(stored->on);
    }
}

void TfrmA_YJ::save()
{
    saveWarningLimits(m_services.dm, m_articleId, {m_min->text(), m_max->text(), m_on->isChecked()});
    m_services.dialogs.information(this, m_item + QStringLiteral(" 预警设置 保存成功！"), kProgramTitle);
    accept();
}
