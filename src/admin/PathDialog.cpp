#include "admin/PathDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QPushButton *button(const QString &caption, const char *name)
{
    auto *result = new QPushButton(caption);
    result->setObjectName(QLatin1String(name));
    return result;
}

} // namespace

PathDialog::PathDialog(const QString &caption, const QStringList &notes, const QString &pathLabel,
                       const QString &actionCaption, QWidget *parent)
    : QDialog(parent), m_path(new QLineEdit), m_choose(button(QStringLiteral("选择路径"), "choosePath")),
      m_action(button(actionCaption, "actionButton"))
{
    setWindowTitle(caption);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto *picture = new QLabel;
    picture->setPixmap(style()->standardIcon(QStyle::SP_DriveHDIcon).pixmap(48, 48));
    auto *noteColumn = new QVBoxLayout;
    for (const QString &note : notes) {
        auto *label = new QLabel(note);
        label->setWordWrap(true);
        noteColumn->addWidget(label);
    }
    auto *top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(noteColumn, 1);

    m_path->setObjectName(QStringLiteral("pathEdit"));
    m_path->setReadOnly(true);
    m_path->setMinimumWidth(360);
    auto *group = new QGroupBox;
    auto *row = new QHBoxLayout(group);
    row->addWidget(new QLabel(pathLabel));
    row->addWidget(m_path, 1);
    row->addWidget(m_choose);

    auto *exit = button(QStringLiteral("退出"), "exitButton");
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_action);
    buttons->addWidget(exit);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(group);
    layout->addLayout(buttons);
}
