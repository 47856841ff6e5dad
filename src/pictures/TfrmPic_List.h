#pragma once

#include "store/ArticleCondition.h"
#include "ui/AppServices.h"

#include <QDialog>

class PictureListModel;
class QTableView;

// "图片列表": the items of a condition (the item query's last search, or every item)
// in frames of 216 × 234 pixels, four to a row, each captioned with the item's name and
// showing its thumbnail centred; clicking a picture opens the picture viewer.
class TfrmPic_List : public QDialog {
    Q_OBJECT
public:
    TfrmPic_List(AppServices services, const ArticleCondition &condition, QWidget *parent = nullptr);

    QTableView *view() const { return m_view; }
    PictureListModel *model() const { return m_model; }

public Q_SLOTS:
    // Opens the picture viewer for the item of a cell.
    void showPicture(const QModelIndex &cell);

private:
    AppServices m_services;
    QTableView *m_view;
    PictureListModel *m_model;
};
