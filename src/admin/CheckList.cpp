#include "admin/CheckList.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

QListWidget *checkList(QGroupBox *group, const std::vector<CheckItem> &items, int columns)
{
    auto *list = new QListWidget;
    list->setObjectName(QStringLiteral("CheckListBox1"));
    list->setFlow(QListView::TopToBottom);
    list->setWrapping(columns > 1);
    list->setResizeMode(QListView::Adjust);
    for (const CheckItem &item : items) {
        auto *entry = new QListWidgetItem(item.text, list);
        entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        entry->setCheckState(item.ticked ? Qt::Checked : Qt::Unchecked);
    }
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(list);
    return list;
}

QStringList tickedTexts(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->checkState() == Qt::Checked)
            texts << list->item(row)->text();
    }
    return texts;
}

void tickAll(QListWidget *list, bool on)
{
    for (int row = 0; row < list->count(); ++row)
        list->item(row)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

QBoxLayout *saveAndExitButtons(QDialog *dialog, const std::function<void()> &save)
{
    auto *saveButton = new QPushButton(QStringLiteral("保存"));
    saveButton->setObjectName(QStringLiteral("saveButton"));
    auto *exitButton = new QPushButton(QStringLiteral("退出"));
    exitButton->setObjectName(QStringLiteral("exitButton"));
    QObject::connect(saveButton, &QPushButton::clicked, dialog, save);
    QObject::connect(exitButton, &QPushButton::clicked, dialog, &QDialog::reject);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(saveButton);
    row->addWidget(exitButton);
    return row;
}

QString savedForNextLoginText(const QString &groupText)
{
    return groupText + QStringLiteral(" 保存成功！重新登录软件后生效。");
}
