#include "master/TfrmAPY.h"

#include "ui/ArticleForm.h"
#include "store/AppContext.h"
#include "ui/Dialogs.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

TfrmAPY::TfrmAPY(AppServices services, int articleId, QWidget *parent)
    : QDialog(parent), m_services(services), m_articleId(articleId), m_pinyin(new QLineEdit)
{
    setObjectName(QStringLiteral("frmAPY"));
    setWindowTitle(QStringLiteral("修改物品拼音码"));
    m_pinyin->setObjectName(QStringLiteral("Edit7"));
    m_pinyin->setMaxLength(50);
    auto *article = new ArticleForm(services.dm);
    article->setEnabled(false);
    auto *group = new QGroupBox(QStringLiteral("拼音码"));
    auto *form = new QFormLayout(group);
    form->addRow(QStringLiteral("拼  音  码："), m_pinyin);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(article);
    layout->addWidget(group);
    addSaveAndQuitButtons(*this, [this] { save(); });

    article->load(articleId);
    m_pinyin->setText(loadPinyinCode(services.dm, articleId));
}

void TfrmAPY::save()
{
    if (m_pinyin->text().isEmpty()) {
        m_services.dialogs.information(this, QStringLiteral("拼音码 不能为空！"), kProgramTitle);
        m_pinyin->setFocus();
        return;
    }
    savePinyinCode(m_services.dm, m_articleId, m_pinyin->text());
    accept();
}
