#ifndef UPGRADETOOL_H
#define UPGRADETOOL_H

// The update dialog: tells the user that a newer version exists and offers
// "Upgrade", which downloads, verifies and opens the package with a progress
// dialog. The main window owns it, runs the check once shortly after the
// first show and shows the dialog only when the user has not switched the
// question off ("No Prompt", kept as Prompt in "Upgrade.xml").

#include "basedialog.h"
#include "tagappproperty.h"

#include <QString>

#include <memory>

class QCheckBox;
class QLabel;
class QWidget;

namespace upgrade {
class Upgrade;
}

// The version number inside the about panel's version text: spaces removed,
// from the first small "v" followed by a digit, "(", ")" or "+", without the
// "v", up to the first "build". "Version: v3.0.0.21build20190801" gives
// "3.0.0.21"; a text without such a "v" gives an empty text.
QString versionFromLabel(const QString &labelText);

// The server address for a Translator setting: 0 English, 1 Chinese, any
// other value none.
QString serverAddressFor(unsigned translator, const QString &englishAddress,
                         const QString &chineseAddress);

// Whether the result of a check is shown to the user: only an available
// update, with prompting on, and with a version that is more than "V".
bool shouldShowUpdate(bool isNeedUpdate, bool noPrompt, const QString &newVersionText);

class UpgradeTool : public aptui::BaseDialog
{
    Q_OBJECT

public:
    explicit UpgradeTool(const upgrade::tagAppProperty &property, QWidget *parent = nullptr);
    ~UpgradeTool() override;

    static QString settingsFileName();

    // Loads "Upgrade.xml", writes Prompt as "1" (on) or "0" (off) into the
    // user's copy and sets noPrompt to the opposite.
    void setPrompt(bool on);

    bool isNoPrompt() const;
    QString newVersionText() const;
    QString serverAddress() const;
    upgrade::tagAppProperty property() const;
    upgrade::Upgrade *upgradeLibrary() const;

    QLabel *versionLabel() const;
    QCheckBox *noPromptCheckBox() const;

signals:
    void signalUpdateCheckOver(bool isNeedUpdate);

public slots:
    void checkUpdate();
    // Downloads the package with a progress dialog and reports a failure in
    // a hint box.
    void onUpgrade();

private slots:
    void onCheckBoxStateChange(int state);

private:
    void buildForm();
    void readSettings();

    upgrade::tagAppProperty m_property;
    std::unique_ptr<upgrade::Upgrade> m_upgrade;
    QString m_serverAddress;
    bool m_noPrompt = true;
    QString m_newVersionText;

    QLabel *m_iconLabel = nullptr;
    QLabel *m_label2 = nullptr;
    QLabel *m_versionLabel = nullptr;
    QCheckBox *m_checkBox = nullptr;
};

#endif // UPGRADETOOL_H
