#include "pictures/TfrmPic_List.h"

#include "pictures/ItemActions.h"
#include "pictures/PictureListModel.h"
#include "store/AppContext.h"
#include "store/TfrmDM.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// One cell of 224 × 240 pixels holds a frame of 216 × 234 at (8, 8 − 2): a captioned
// rectangle with the 200 × 200 picture area at (8, 16) inside it.
const QSize kCell(224, 240);
const QRect kFrame(8, 2, 216, 234);
const QRect kPictureArea(8, 16, 200, 200);

class FrameDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QString name = index.data(Qt::DisplayRole).toString();
        if (name.isEmpty())
            return;
        const QRect frame = kFrame.translated(option.rect.topLeft());
        painter->save();
        painter->setPen(QColor(0xa0, 0xa0, 0xa0));
        painter->drawRect(frame.adjusted(0, 6, -1, -1));
        const QRect caption(frame.left() + 8, frame.top(), frame.width() - 16, 14);
        const QString shown = option.fontMetrics.elidedText(name, Qt::ElideRight, caption.width());
        QRect textArea = option.fontMetrics.boundingRect(caption, Qt::AlignLeft | Qt::AlignVCenter, shown);
        painter->fillRect(textArea.adjusted(-2, 0, 2, 0), option.palette.window());
        painter->setPen(option.palette.color(QPalette::WindowText));
        painter->drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, shown);
        const QImage thumbnail = index.data(Qt::DecorationRole).value<QImage>();
        if (!thumbnail.isNull()) {
            const QRect area = kPictureArea.translated(frame.topLeft());
            const QSize size = thumbnail.size().scaled(area.size(), Qt::KeepAspectRatio).boundedTo(thumbnail.size());
            QRect target(QPoint(), size);
            target.moveCenter(area.center());
            painter->drawImage(target, thumbnail);
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override { return kCell; }
};

QList<PictureListModel::Item> listedItems(TfrmDM &dm, const ArticleCondition &condition)
{
    QSqlQuery query = dm.select(QStringLiteral("select ID, AName from UArticle where (ID > 0) ") + condition.clauses
                                    + QStringLiteral(" ORDER BY ID"),
                                condition.values);
    QList<PictureListModel::Item> items;
    while (query.next())
        items.append({query.value(0).toInt(), query.value(1).toString()});
    return items;
}

} // namespace

TfrmPic_List::TfrmPic_List(AppServices services, const ArticleCondition &condition, QWidget *parent)
    : QDialog(parent), m_services(services), m_view(new QTableView),
      m_model(new PictureListModel(listedItems(services.dm, condition), services.context.ImageDir, this))
{
    setObjectName(QStringLiteral("frmPic_List"));
    setWindowTitle(QStringLiteral("图片列表"));
    m_view->setObjectName(QStringLiteral("ScrollBox1"));
    m_view->setModel(m_model);
    m_view->setItemDelegate(new FrameDelegate(m_view));
    m_view->horizontalHeader()->hide();
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->horizontalHeader()->setDefaultSectionSize(kCell.width());
    m_view->verticalHeader()->setDefaultSectionSize(kCell.height());
    m_view->setShowGrid(false);
    m_view->setSelectionMode(QAbstractItemView::NoSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setFocusPolicy(Qt::NoFocus);
    m_view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_view->setFrameShape(QFrame::NoFrame);
    connect(m_view, &QTableView::clicked, this, &TfrmPic_List::showPicture);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
    resize(PictureListModel::kColumns * kCell.width() + 40, 3 * kCell.height() + 40);
}

void TfrmPic_List::showPicture(const QModelIndex &cell)
{
    if (const PictureListModel::Item *item = m_model->item(cell))
        showPictureViewer(m_services, this, item->id);
}
