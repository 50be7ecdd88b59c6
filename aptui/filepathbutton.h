#ifndef FILEPATHBUTTON_H
#define FILEPATHBUTTON_H

// The folder button of the file pickers; its own class so that the pages'
// folder style sheet can select it.

#include <QToolButton>

namespace aptui {

class FilePathButton : public QToolButton
{
    Q_OBJECT

public:
    explicit FilePathButton(QWidget *parent = nullptr);
    ~FilePathButton() override;
};

} // namespace aptui

#endif // FILEPATHBUTTON_H
