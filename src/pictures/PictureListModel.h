#pragma once

#include <QAbstractTableModel>
#include <QCache>
#include <QImage>
#include <QList>

// The items of the picture list laid out four to a row: cell (r, c) is item 4r + c. Its
// display text is the item's name, its decoration the item's thumbnail, read from disk
// only when a view asks for it (that is, when the cell is painted) and kept in a small
// cache, so a list of thousands of items holds only the thumbnails on screen.
class PictureListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kColumns = 4;
    static constexpr int kCachedThumbnails = 64;

    struct Item {
        int id;
        QString name;
    };

    PictureListModel(QList<Item> items, QString imageDir, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // The item of a cell; nullptr for the empty cells after the last item.
    const Item *item(const QModelIndex &index) const;
    // Thumbnails read from disk so far, and held now.
    int thumbnailsRead() const { return m_read; }
    int thumbnailsHeld() const { return int(m_thumbnails.count()); }

private:
    QList<Item> m_items;
    QString m_imageDir;
    mutable QCache<int, QImage> m_thumbnails{kCachedThumbnails};
    mutable int m_read = 0;
};
