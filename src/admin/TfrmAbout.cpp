#include "admin/TfrmAbout.h"

#include "store/AppContext.h"
#include "ui/Dialogs.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

TfrmAbout::TfrmAbout(AppServices services, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("关于"));
    const AppContext &context = services.context;
    auto *link = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(kMakerHomePage, kMakerWebAddress));
    link->setObjectName(QStringLiteral("homePageLink"));
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    // The address goes to the desktop through the Dialogs seam, not by the label itself.
    connect(link, &QLabel::linkActivated, this,
            [&dialogs = services.dialogs](const QString &url) { dialogs.openUrl(QUrl(url)); });

    auto *group = new QGroupBox(QStringLiteral("软件信息"));
    auto *form = new QFormLayout(group);
    form->addRow(QStringLiteral("软件名称："), new QLabel(kProgramTitle));
    auto *version = new QLabel(context.AppVersion + QLatin1Char(' ') + context.Edition);
    version->setObjectName(QStringLiteral("versionLabel"));
    form->addRow(QStringLiteral("产品版本："), version);
    form->addRow(QStringLiteral("朔禾网站："), link);

    auto *ok = new QPushButton(QStringLiteral("确定"));
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(ok, 0, Qt::AlignRight);
}
