#ifndef TOOLSAPPLICATION_H
#define TOOLSAPPLICATION_H

// The program's application object: refuses a second instance for the same
// user, loads the configuration, fonts, skin, style, text codec and
// translations in a fixed order, warns about a small display, and shows
// buttons' and labels' own captions as their tool tips.

#include <QApplication>

#include <memory>

namespace apt {

class SingleInstanceGuard;

class ToolsApplication : public QApplication
{
    Q_OBJECT

public:
    ToolsApplication(const QString &appId, int &argc, char **argv);
    ~ToolsApplication() override;

    // The start-up sequence; false means the program must quit.
    bool init();
    void loadStyle();
    bool isRunning();

    bool notify(QObject *receiver, QEvent *event) override;

private:
    void loadSkin();

    std::unique_ptr<SingleInstanceGuard> m_instanceGuard;
};

} // namespace apt

#endif // TOOLSAPPLICATION_H
