#ifndef CTABLEDELEGATE_H
#define CTABLEDELEGATE_H

// The item painter of the toolkit's tables (CTableView); the base of the
// program's own table delegates.

#include "cabstractitemviewdelegate.h"

namespace MirelGUIToolkit {

class CTableDelegate : public CAbstractItemViewDelegate
{
    Q_OBJECT

public:
    explicit CTableDelegate(CAbstractItemView *view, QObject *parent = nullptr);
    ~CTableDelegate() override;
};

} // namespace MirelGUIToolkit

#endif // CTABLEDELEGATE_H
