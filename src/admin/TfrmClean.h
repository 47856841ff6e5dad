#pragma once

#include "ui/AppServices.h"

#include <QDialog>
#include <QHash>

class QCheckBox;

// "数据清空": empties the ticked groups of business and master data, each after a
// warning and a question, then ends the program.
class TfrmClean : public QDialog {
    Q_OBJECT
public:
    explicit TfrmClean(AppServices services, QWidget *parent = nullptr);

    // The check box of a group, by the group's name ("采购单").
    QCheckBox *groupBox(const QString &name) const { return m_boxes.value(name); }

public Q_SLOTS:
    void clear();

private:
    AppServices m_services;
    QHash<QString, QCheckBox *> m_boxes;
};
