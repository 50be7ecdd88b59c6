#include "cabstractitemviewdelegate.h"

#include "cabstractitemview.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace MirelGUIToolkit {

namespace {

// A null icon when the data holds no image.
QIcon iconFromData(const QVariant &data)
{
    switch (data.typeId()) {
    case QMetaType::QIcon:
        return data.value<QIcon>();
    case QMetaType::QPixmap:
        return QIcon(data.value<QPixmap>());
    case QMetaType::QImage:
        return QIcon(QPixmap::fromImage(data.value<QImage>()));
    case QMetaType::QString: {
        const QString path = data.toString();
        return path.isEmpty() ? QIcon() : QIcon(path);
    }
    default:
        return QIcon();
    }
}

QStyleOptionViewItem::Position positionFor(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignRight)
        return QStyleOptionViewItem::Right;
    if (alignment & Qt::AlignTop)
        return QStyleOptionViewItem::Top;
    if (alignment & Qt::AlignBottom)
        return QStyleOptionViewItem::Bottom;
    return QStyleOptionViewItem::Left;
}

} // namespace

CAbstractItemViewDelegate::CAbstractItemViewDelegate(CAbstractItemView *view, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_view(view)
{
}

CAbstractItemViewDelegate::~CAbstractItemViewDelegate() = default;

CAbstractItemView *CAbstractItemViewDelegate::view() const
{
    return m_view.data();
}

Qt::Alignment CAbstractItemViewDelegate::pixmapAlignment() const
{
    return Qt::AlignLeft;
}

int CAbstractItemViewDelegate::pixmapRole() const
{
    return Qt::DecorationRole;
}

void CAbstractItemViewDelegate::initStyleOption(QStyleOptionViewItem *option,
                                                const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (pixmapRole() != Qt::DecorationRole) {
        const QIcon icon = iconFromData(index.data(pixmapRole()));
        if (!icon.isNull()) {
            option->icon = icon;
            option->features |= QStyleOptionViewItem::HasDecoration;
            const QList<QSize> sizes = icon.availableSizes();
            if (!sizes.isEmpty())
                option->decorationSize = sizes.constFirst();
        }
    }
    if (option->features & QStyleOptionViewItem::HasDecoration) {
        option->decorationPosition = positionFor(pixmapAlignment());
        option->decorationAlignment = Qt::AlignCenter;
    }
}

} // namespace MirelGUIToolkit
