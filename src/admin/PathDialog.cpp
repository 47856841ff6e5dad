#include "admin/PathDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QPainter>
#include <QVBoxLayout>

namespace {

QPushButton *button(const QString &caption, const char *name)
{
    auto *result = new QPushButton(caption);
    result->setObjectName(QLatin1String(name));
    return result;
}

// The dialog's picture: a database drawn as a blue cylinder of three discs.
QPixmap databasePicture()
{
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x34, 0x6f, 0x9e), 2));
    painter.setBrush(QColor(0xd6, 0xe6, 0xf5));
    for (int disc = 2; disc >= 0; --disc) {
        const qreal top = 6 + disc * 12;
        painter.drawRect(QRectF(6, top + 5, 36, 12));
        painter.drawEllipse(QRectF(6, top + 11, 36, 10));
        painter.setPen(Qt::NoPen);
        painter.drawRect(QRectF(7, top + 5, 34, 12));
        painter.setPen(QPen(QColor(0x34, 0x6f, 0x9e), 2));
        painter.drawEllipse(QRectF(6, top, 36, 10));
    }
    return pixmap;
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
    picture->setPixmap(databasePicture());
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
