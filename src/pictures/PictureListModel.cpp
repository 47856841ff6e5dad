#include "pictures/PictureListModel.h"

#include "pictures/ItemFiles.h"
#include "pictures/TfrmPic_V.h"

PictureListModel::PictureListModel(QList<Item> items, QString imageDir, QObject *parent)
    : QAbstractTableModel(parent), m_items(std::move(items)), m_imageDir(std::move(imageDir))
{
}

int PictureListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int((m_items.size() + kColumns - 1) / kColumns);
}

int PictureListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

const PictureListModel::Item *PictureListModel::item(const QModelIndex &index) const
{
    const qsizetype position = qsizetype(index.row()) * kColumns + index.column();
    return index.isValid() && position < m_items.size() ? &m_items.at(position) : nullptr;
}

QVariant PictureListModel::data(const QModelIndex &index, int role) const
{
    const Item *entry = item(index);
    if (!entry)
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return entry->name;
    if (role != Qt::DecorationRole)
        return {};
    if (QImage *cached = m_thumbnails.object(entry->id))
        return *cached;
    auto *thumbnail = new QImage(thumbnailFile(itemPictureFile(m_imageDir, QString::number(entry->id))));
    ++m_read;
    const QImage result = *thumbnail;
    m_thumbnails.insert(entry->id, thumbnail);
    return result;
}
