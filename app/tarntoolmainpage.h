#ifndef TARNTOOLMAINPAGE_H
#define TARNTOOLMAINPAGE_H

// The program's only top-level window: frameless, with the program's own title
// bar. For now it holds an empty page area; the device list and the
// configuration panel take it over as they are built.

#include <QMainWindow>

namespace aptui {
class WindowTitle;
}

namespace TarnTool {

class TARNToolMainPage : public QMainWindow
{
    Q_OBJECT

public:
    explicit TARNToolMainPage(QWidget *parent = nullptr);
    ~TARNToolMainPage() override;

signals:
    void signalGetHelp();

public slots:
    // Places the pin strip beside the right-hand panel; the panel comes with
    // the configuration pages, so there is nothing to place yet.
    void onMovePinButtion();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    aptui::WindowTitle *m_titleBar = nullptr;
};

} // namespace TarnTool

#endif // TARNTOOLMAINPAGE_H
