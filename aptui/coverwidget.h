#ifndef COVERWIDGET_H
#define COVERWIDGET_H

// The veil laid over the main window while a modal dialog runs. Its look (a
// half-transparent colour) is the style sheet's rule for "m_cover".

#include "widget.h"

namespace aptui {

class CoverWidget : public Widget
{
    Q_OBJECT

public:
    explicit CoverWidget(QWidget *parent = nullptr);
    ~CoverWidget() override;

    QWidget *cover() const;

private:
    QWidget *m_cover;
};

} // namespace aptui

#endif // COVERWIDGET_H
