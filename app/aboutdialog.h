#ifndef ABOUTDIALOG_H
#define ABOUTDIALOG_H

// The about panel of TARN Tool in the system menu: name, version with the
// build number, the "User Help" link to the user manual and the button that
// opens the folder of open-source licences.

#include <QString>

#include "cdlgabout.h"

class AboutDialog : public aptui::CDlgAbout
{
    Q_OBJECT

public:
    explicit AboutDialog(QObject *parent = nullptr);
    ~AboutDialog() override;

    // The program version shown after "Version: ".
    static QString versionString();
    // The manual's path for a Translator setting, inside the folder given
    // (the working directory); the folder itself for an unknown setting.
    static QString manualPath(unsigned translator, const QString &folder);
    // The file name of the local-language manual.
    static QString localManualFileName();

signals:
    void signalCover();
    void signalDiscover();

public slots:
    bool onGetHelp();
    bool onGetOpenSourceLicense();

private:
    void showNotice(const QString &text);
};

#endif // ABOUTDIALOG_H
