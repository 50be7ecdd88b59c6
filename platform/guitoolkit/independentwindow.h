#ifndef INDEPENDENTWINDOW_H
#define INDEPENDENTWINDOW_H

// Finds the window a widget lives in, for title bars that act on it.

class QWidget;

// Without a name: the top-level window of the widget (the widget itself when
// it is one). With a name: the nearest window among the widget and its
// ancestors whose object name is that name. Null for a null widget or when
// no such window exists.
QWidget *GetIndependentWindow(QWidget *widget, const char *name = nullptr);

#endif // INDEPENDENTWINDOW_H
