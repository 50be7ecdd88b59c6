#include "ctabledelegate.h"

namespace MirelGUIToolkit {

CTableDelegate::CTableDelegate(CAbstractItemView *view, QObject *parent)
    : CAbstractItemViewDelegate(view, parent)
{
}

CTableDelegate::~CTableDelegate() = default;

} // namespace MirelGUIToolkit
