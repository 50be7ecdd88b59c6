#ifndef LAYOUTITEMS_H
#define LAYOUTITEMS_H

// Emptying a layout whose items and widgets the caller owns.

class QLayout;
class QWidget;

namespace aptui {

// Removes every item of the layout and deletes it together with its widget or
// nested layout; the widget keep, when given, is only taken out. A null layout
// is left alone.
void deleteLayoutItems(QLayout *layout, const QWidget *keep = nullptr);

} // namespace aptui

#endif // LAYOUTITEMS_H
