#include "pictures/FileDialogShape.h"

#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton *button(const QString &caption, const char *name)
{
    auto *result = new QPushButton(caption);
    result->setObjectName(QLatin1String(name));
    return result;
}

} // namespace

FileDialogParts buildFileDialog(QDialog &dialog, const QString &pathLabel, const QString &chooseCaption,
                                const QString &runCaption)
{
    FileDialogParts parts{new QLineEdit, button(chooseCaption, "BitBtn3"), button(runCaption, "BitBtn1")};
    parts.path->setObjectName(QStringLiteral("Edit1"));
    parts.path->setReadOnly(true);
    parts.path->setMinimumWidth(320);
    auto *group = new QGroupBox(QStringLiteral("文件信息"));
    auto *row = new QHBoxLayout(group);
    row->addWidget(new QLabel(pathLabel));
    row->addWidget(parts.path, 1);
    row->addWidget(parts.choose);
    auto *quit = button(QStringLiteral("退出"), "BitBtn2");
    QObject::connect(quit, &QPushButton::clicked, &dialog, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(parts.run);
    buttons->addWidget(quit);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(group);
    layout->addLayout(buttons);
    return parts;
}
