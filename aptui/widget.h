#ifndef WIDGET_H
#define WIDGET_H

// A plain widget that reports mouse clicks, double-clicks, enter and leave,
// and paints its style-sheet background and border (which a plain QWidget
// subclass otherwise skips).

#include <QWidget>

namespace aptui {

class Widget : public QWidget
{
    Q_OBJECT

public:
    explicit Widget(QWidget *parent = nullptr);
    ~Widget() override;

signals:
    void signalDoubleClicked();
    void signalMouseClicked();
    void signalMouseEnter();
    void signalMouseLeave();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace aptui

#endif // WIDGET_H
