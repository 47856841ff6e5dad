#pragma once

#include "ui/AppServices.h"

#include <QDialog>

class LineGrid;

// "<package> 物品明细": the lines of one item package, looked up in the catalogue and
// saved all at once.
class TfrmAPList : public QDialog {
    Q_OBJECT
public:
    TfrmAPList(AppServices services, int packageId, const QString &packageName, QWidget *parent = nullptr);

    LineGrid *grid() const { return m_grid; }

public Q_SLOTS:
    void save(); // 保存 (BitBtn1)

private:
    AppServices m_services;
    QString m_packageName;
    LineGrid *m_grid;
};
