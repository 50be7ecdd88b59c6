#ifndef CTABLEVIEW_H
#define CTABLEVIEW_H

// A flat table on a tree view: no root decoration, no indentation, rows
// selected whole, and uniform row heights so that tables of thousands of rows
// lay out and scroll without measuring every row. Its header (CHeaderView)
// can give a column of check boxes one that checks them all.

#include "cabstractitemview.h"

namespace MirelGUIToolkit {

class CTableView : public CAbstractItemView
{
    Q_OBJECT

public:
    explicit CTableView(QWidget *parent = nullptr);
    ~CTableView() override;
};

} // namespace MirelGUIToolkit

#endif // CTABLEVIEW_H
