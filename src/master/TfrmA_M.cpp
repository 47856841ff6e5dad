#include "master/TfrmA_M.h"

#include "ui/ArticleForm.h"
#include "store/AppContext.h"
#include "store/TfrmDM.h"
#include "ui/Dialogs.h"

#include <QVBoxLayout>

TfrmA_M::TfrmA_M(AppServices services, int articleId, QWidget *parent)
    : QDialog(parent), m_services(services), m_articleId(articleId), m_form(new ArticleForm(services.dm))
{
    setObjectName(QStringLiteral("frmA_M"));
    setWindowTitle(QStringLiteral("物品信息"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_form);
    addSaveAndQuitButtons(*this, [this] { save(); });
    m_form->load(articleId);
}

void TfrmA_M::save()
{
    const ArticleFields fields = m_form->fields();
    if (const std::optional<ArticleProblem> problem = checkArticleChange(m_services.dm, m_articleId, fields)) {
        m_services.dialogs.information(this, problem->message, kProgramTitle);
        m_form->editor(problem->field)->setFocus();
        return;
    }
    updateArticle(m_services.dm, m_articleId, fields);
    accept();
}
