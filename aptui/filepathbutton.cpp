#include "filepathbutton.h"

namespace aptui {

FilePathButton::FilePathButton(QWidget *parent)
    : QToolButton(parent)
{
}

FilePathButton::~FilePathButton() = default;

} // namespace aptui
