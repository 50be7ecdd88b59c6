#ifndef TARNTOOLMAINPAGE_H
#define TARNTOOLMAINPAGE_H

// The program's only top-level window: frameless, with the program's own title
// bar, the device list on the left and the configuration panel on the right,
// which a pin button folds away. It wires the pages to each other and to the
// discovery handler, starts discovery, and lays a cover over itself while a
// modal dialog of the program runs.

#include <QMainWindow>

#include <memory>

class AboutDialog;
class UpgradeTool;
class QHBoxLayout;

namespace aptui {
class CoverWidget;
class Menu;
class PinButton;
class WindowTitle;
}

namespace TarnTool {

class DeviceDisplayPage;
class DeviceModifyPage;

class TARNToolMainPage : public QMainWindow
{
    Q_OBJECT

public:
    explicit TARNToolMainPage(QWidget *parent = nullptr);
    ~TARNToolMainPage() override;

    DeviceDisplayPage *displayPage() const;
    DeviceModifyPage *modifyPage() const;
    aptui::PinButton *pinButton() const;
    QWidget *pinBorder() const;
    QWidget *rightSpace() const;
    aptui::WindowTitle *titleBar() const;
    aptui::CoverWidget *cover() const;
    aptui::Menu *systemMenu() const;
    AboutDialog *aboutAction() const;
    // Null when the product variant has no update check.
    UpgradeTool *upgradeTool() const;
    bool isUpdateCheckScheduled() const;
    bool isCovered() const;

signals:
    void signalGetHelp();

public slots:
    // Places the pin strip and button beside the right-hand panel, or at the
    // right edge while the panel is folded away.
    void onMovePinButtion();
    void onShowOrHideRightSpace();
    void OnBtnSystemMenu();
    void setCover(bool coverIt);
    void enableCover();
    void disableCover();
    void onUpdateCheckOver(bool isNeedUpdate);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void startDiscovery();
    void buildUpgradeTool();

    aptui::WindowTitle *titleBar_ = nullptr;
    QHBoxLayout *pageLayout = nullptr;
    DeviceDisplayPage *displayPage_ = nullptr;
    DeviceModifyPage *modifyPage_ = nullptr;
    QWidget *rightSpace_ = nullptr;
    QWidget *pinBorder_ = nullptr;
    aptui::PinButton *pinButton_ = nullptr;
    aptui::CoverWidget *cover_ = nullptr;
    bool coverOn = false;
    aptui::Menu *systemMenu_ = nullptr;
    AboutDialog *aboutAction_ = nullptr;
    // A top-level dialog of its own, built without a parent.
    std::unique_ptr<UpgradeTool> upgradeTool_;
    bool startupCheckDone = false;
};

} // namespace TarnTool

#endif // TARNTOOLMAINPAGE_H
