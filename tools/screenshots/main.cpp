// tarn-screenshots: renders the program's pages and dialogs, styled by the
// real skin, into PNG files, for the user manual and for checking the skin
// by eye.
//
//   tarn-screenshots OUTPUT_FOLDER [--translator N]
//
// --translator N renders with the language of that Translator setting
// (0 English, 1 Chinese) instead of the one in Setup.xml; the shipped file is
// left alone, the setting is changed in a copy in a temporary folder.
//
// Run it beside the program (it loads Setup.xml, the skin, the style and the
// translations from there), on a real display or under Xvfb. The program's
// pages talk to devices on loopback only (127.0.0.1, on TARN_PORT): start a
// simulated fleet there first, as scripts/screenshots.sh does, so that the
// device list, the network form and the recovery dialogs show real devices.
// The user's own settings are not read: the tool runs with a configuration
// folder of its own, so every run looks the same.

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QToolButton>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include "aboutdialog.h"
#include "basedialog.h"
#include "batchprogressdialog.h"
#include "configuremanager.h"
#include "devicedisplaypage.h"
#include "deviceexporttable.h"
#include "deviceinfomodel.h"
#include "devicemodifypage.h"
#include "devicemodifyresultpage.h"
#include "devicesinfosavepage.h"
#include "emailsecuritytipdialog.h"
#include "guidandqustiondialog.h"
#include "guilocale.h"
#include "hintbox.h"
#include "languagefiles.h"
#include "menu.h"
#include "messagebox.h"
#include "messagekind.h"
#include "modifyresultcolumns.h"
#include "modifyresultflow.h"
#include "resetpassworddialog.h"
#include "restorepassworddialog.h"
#include "tagappproperty.h"
#include "targetpath.h"
#include "tarndeviceinfomanager.h"
#include "tarnhandler.h"
#include "tarnrecoveryrecords.h"
#include "tarntoolmainpage.h"
#include "toolsapplication.h"
#include "upgradetool.h"
#include "warningdialog.h"
#include "windowtitle.h"
#include "xmlelement.h"

namespace {

// The administrator password of the simulator's generated activated devices.
const char *const FleetPassword = "Admin12345";
// What the screenshots show typed into the new-password fields.
const char *const ExamplePassword = "Reset#2026ok";

// Bits of the stored device record (as the configuration panel reads them).
constexpr quint8 AbilityIpv6 = 0x02;
constexpr quint8 AbilityNewPasswordReset = 0x40;
constexpr quint8 AbilityChannelReset = 0x80;
constexpr quint8 RecoveryQrAndManualKey = 0x01;
constexpr quint8 RecoveryBit1 = 0x02;
constexpr quint8 RecoveryGuid = 0x04;
constexpr quint8 RecoveryQuestions = 0x08;
constexpr quint8 ExtraReservedEmail = 0x02;

// The network form ends higher up than the activation form.
constexpr int NetworkPanelHeight = 520;

struct Options
{
    QString folder;
    std::optional<unsigned> translator;
};

std::optional<Options> parseOptions(const QStringList &arguments)
{
    Options options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--translator") && i + 1 < arguments.size()) {
            bool ok = false;
            const unsigned value = arguments.at(++i).toUInt(&ok);
            if (!ok)
                return std::nullopt;
            options.translator = value;
        } else if (argument.startsWith(QLatin1String("--")) || !options.folder.isEmpty()) {
            return std::nullopt;
        } else {
            options.folder = argument;
        }
    }
    if (options.folder.isEmpty())
        return std::nullopt;
    return options;
}

// Switches the language after the start-up sequence has run: the settings
// are reloaded from a copy of Setup.xml with the Translator changed (so that
// every page asking for the setting gets the new value) and the language's
// catalogues are installed over those of the shipped setting.
bool switchLanguage(unsigned translator, const QTemporaryDir &scratch)
{
    XmlElement setup;
    if (!setup.load(GetTargetPath() + QStringLiteral("Setup.xml")))
        return false;
    XmlElement entry = setup.childByName(QStringLiteral("Translator"));
    if (entry.isNull())
        entry = setup.appendChild(QStringLiteral("Translator"));
    XmlElement value = entry.childByName(QStringLiteral("Value"));
    if (value.isNull())
        value = entry.appendChild(QStringLiteral("Value"));
    value.setText(qint64(translator));
    const QString copy = scratch.filePath(QStringLiteral("Setup.xml"));
    if (!setup.save(copy) || !apt::ConfigureManager::instance()->load(copy))
        return false;

    const apt::LanguageFiles files = apt::languageFiles(int(translator));
    // Kept until the end of the program: destroying them uninstalls them.
    static std::vector<std::unique_ptr<QTranslator>> installed;
    installed = apt::installTranslators(files, GetTargetPath() + QStringLiteral("translations/"));
    InitGuiLocale(files.locale);
    return true;
}

void settle()
{
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
}

bool savePixmap(const QPixmap &pixmap, const QDir &folder, const QString &name)
{
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    const bool ok = !pixmap.isNull() && pixmap.save(path, "PNG", 0);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

enum class Edge { AsDrawn, Framed };

// Shows the widget, grabs it and hides it again. Framed adds a thin grey
// line around widgets that draw no edge of their own (a frameless box, a
// menu's panel), so that they stand out from a white page.
bool save(QWidget &widget, const QDir &folder, const QString &name, Edge edge = Edge::AsDrawn)
{
    widget.show();
    widget.raise();
    settle();
    // Text that a field selected when it took the focus would look like
    // a user's selection.
    for (QLineEdit *edit : widget.findChildren<QLineEdit *>())
        edit->deselect();
    settle();
    QPixmap pixmap = widget.grab();
    if (edge == Edge::Framed) {
        QPainter painter(&pixmap);
        painter.setPen(QColor(0xc8, 0xc8, 0xc8));
        painter.drawRect(QRect(QPoint(0, 0), widget.size()).adjusted(0, 0, -1, -1));
    }
    const bool ok = savePixmap(pixmap, folder, name);
    widget.hide();
    return ok;
}

template <typename T>
T *child(const QObject &parent, const char *name)
{
    T *widget = parent.findChild<T *>(QLatin1String(name));
    if (!widget)
        std::fprintf(stderr, "tarn-screenshots: no child %s\n", name);
    return widget;
}

void typeInto(const QObject &parent, const char *name, const QString &text)
{
    if (auto *edit = child<QLineEdit>(parent, name))
        edit->setText(text);
}

QString text(const char *field, std::size_t capacity)
{
    const void *zero = std::memchr(field, 0, capacity);
    const std::size_t length = zero ? std::size_t(static_cast<const char *>(zero) - field) : capacity;
    return QString::fromLatin1(field, qsizetype(length));
}

template <std::size_t N>
QString text(const char (&field)[N])
{
    return text(field, N);
}

template <std::size_t N>
void putText(char (&field)[N], const QByteArray &bytes)
{
    std::memset(field, 0, N);
    std::memcpy(field, bytes.constData(), std::min<std::size_t>(N - 1, std::size_t(bytes.size())));
}

DeviceInfo deviceInfoOf(const TarnDeviceInfo &record, int index)
{
    DeviceInfo device;
    device.strId = QString::number(index + 1).rightJustified(3, QLatin1Char('0'));
    device.strDeviceType = text(record.deviceType);
    device.strIPv4Address = text(record.ipv4Address);
    device.strSerialNumber = text(record.serialNumber);
    device.strMac = text(record.macAddress);
    return device;
}

QVector<TarnDeviceInfo> storedDevices()
{
    QVector<TarnDeviceInfo> all;
    TarnDeviceInfoManager::Instance()->getAllDeviceInfo(all);
    std::sort(all.begin(), all.end(), [](const TarnDeviceInfo &a, const TarnDeviceInfo &b) {
        return std::strcmp(a.macAddress, b.macAddress) < 0;
    });
    return all;
}

bool activated(const TarnDeviceInfo &record)
{
    return record.activationState == 0;
}

bool offersEveryResetMethod(const TarnDeviceInfo &record)
{
    const quint8 recovery = RecoveryQrAndManualKey | RecoveryGuid | RecoveryQuestions;
    return activated(record) && (record.abilityFlags & AbilityNewPasswordReset)
           && (record.recoveryFlags & recovery) == recovery
           && (record.extraAbilityFlags & ExtraReservedEmail);
}

// Lets the devices of the segment arrive: returns once the row count has not
// changed for a second, or after ten seconds.
void waitForDevices(TarnTool::TARNToolMainPage &window)
{
    QElapsedTimer total;
    total.start();
    QElapsedTimer still;
    still.start();
    int rows = -1;
    while (total.elapsed() < 10000 && (rows <= 0 || still.elapsed() < 1000)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        const int now = window.displayPage()->model()->rowCount();
        if (now != rows) {
            rows = now;
            still.restart();
        }
    }
}

// Shots without devices ----------------------------------------------------

bool boxShots(const QDir &folder)
{
    bool ok = true;
    const auto tr = [](const char *context, const char *source) {
        return QCoreApplication::translate(context, source);
    };
    auto hint = TarnTool::createHintBox(tr("apt::ToolsApplication", "TARN is already running."),
                                        TarnTool::startupHintBoxSize, TarnTool::HintBoxKind::Notice);
    ok = save(*hint, folder, QStringLiteral("hint-box")) && ok;
    auto question = TarnTool::createHintBox(
        tr("apt::ToolsApplication", "Display resolution less than 1024*768,are you sure to start the program?"),
        TarnTool::startupHintBoxSize, TarnTool::HintBoxKind::Question);
    ok = save(*question, folder, QStringLiteral("hint-question")) && ok;

    const struct {
        TarnTool::MessageKind kind;
        const char *name;
        const char *context;
        const char *text;
    } messages[] = {
        {TarnTool::MessageKind::Ok, "message-ok", "TarnTool::ResetPasswordDialog", "Exported."},
        {TarnTool::MessageKind::Info, "message-info", "TarnTool::ActivationFormCheck",
         "The password can not be empty."},
        {TarnTool::MessageKind::Error, "message-error", "TARN::TarnHandler", "Wrong password."},
    };
    for (const auto &m : messages) {
        TarnTool::WarningDialog box(nullptr, m.kind, tr(m.context, m.text));
        ok = save(box, folder, QString::fromLatin1(m.name)) && ok;
    }
    return ok;
}

bool activationPanelShot(const QDir &folder)
{
    // The configuration panel's activation form for one new Wi-Fi camera,
    // from a made-up record that is gone again before discovery starts.
    TarnDeviceInfo record;
    qstrncpy(record.serialNumber, "TC425020260101SHOT000000001", sizeof record.serialNumber);
    qstrncpy(record.macAddress, "02-54-41-ff-ff-01", sizeof record.macAddress);
    qstrncpy(record.deviceType, "TC-4250-W", sizeof record.deviceType);
    record.activationState = 1;
    // The abilities of the simulator's generated cameras of this model: the
    // Chinese form offers the Wi-Fi enhancement, the English one the region.
    record.abilityFlags = 0x47;
    record.recoveryFlags = 0x8d;
    record.extraAbilityFlags = 0x07;
    record.wifiState = 0x3f;
    TarnDeviceInfoManager::Instance()->addDeviceInfo(record);
    TarnTool::DeviceModifyPage panel;
    panel.resize(TarnTool::DeviceModifyPage::PanelWidth, 640);
    panel.onCurrentSelectionChange(SingleInactive, {deviceInfoOf(record, 0)});
    const bool ok = save(panel, folder, QStringLiteral("panel-activation"));
    TarnDeviceInfoManager::Instance()->removeDeviceInfo(record);
    return ok;
}

bool batchResultShot(const QDir &folder)
{
    // The confirmation list after a batch change of network parameters,
    // with one device that refused it.
    const QString results[] = {
        TarnTool::resultSucceedText(),
        QCoreApplication::translate("TarnTool::DeviceModifyPage", "Error%1:device deny").arg(2009),
        TarnTool::resultPartSucceedText(),
        TarnTool::resultSucceedText(),
    };
    QVector<DeviceInfo> devices;
    for (int i = 0; i < 4; ++i) {
        DeviceInfo device;
        device.strId = QString::number(i + 1).rightJustified(3, QLatin1Char('0'));
        device.strDeviceType = QStringLiteral("TC-4250-W");
        device.strIPv4Address = QStringLiteral("10.0.0.%1").arg(11 + i);
        device.strSerialNumber = QStringLiteral("TC425020260101SHOT0000000%1").arg(11 + i);
        device.strMac = QStringLiteral("02-54-41-ff-fe-%1").arg(11 + i);
        device.strResult = results[i];
        devices.append(device);
    }
    TarnTool::DeviceModifyResultPage resultPage;
    resultPage.showFlowResults(TarnTool::modifyResultSetup(TarnTool::ModifyResultFlow::BatchModifyStatic),
                               devices);
    return save(resultPage, folder, QStringLiteral("batch-result"));
}

bool restoreShots(const QDir &folder)
{
    bool ok = true;
    {
        TarnTool::RestorePasswordDialog dialog(nullptr, QStringLiteral("TC112020230815CCRR100000004"));
        ok = save(dialog, folder, QStringLiteral("restore-password")) && ok;
    }
    {
        TarnTool::EmailSecurityTipDialog tip;
        ok = save(tip, folder, QStringLiteral("email-tip"), Edge::Framed) && ok;
    }
    return ok;
}

bool recoverySetupShots(const QDir &folder)
{
    // The set-up offered after an activation, one shot per task; the fields
    // hold example input, nothing is sent.
    TarnTool::GuidAndQustionDialog dialog(nullptr, true, true, true);
    auto *mode = child<QComboBox>(dialog, "m_cmbSecurityMode");
    if (!mode)
        return false;
    const struct {
        int task;
        const char *name;
    } shots[] = {
        {TarnTool::GuidAndQustionDialog::GuidTask, "recovery-setup"},
        {TarnTool::GuidAndQustionDialog::QuestionTask, "recovery-setup-questions"},
        {TarnTool::GuidAndQustionDialog::EmailTask, "recovery-setup-email"},
    };
    bool ok = true;
    for (const auto &shot : shots) {
        mode->setCurrentIndex(mode->findData(shot.task));
        if (shot.task == TarnTool::GuidAndQustionDialog::GuidTask) {
            typeInto(dialog, "m_lineEditFilePath", QStringLiteral("/home/installer/Documents"));
        } else if (shot.task == TarnTool::GuidAndQustionDialog::QuestionTask) {
            for (int i = 0; i < 3; ++i) {
                if (auto *box = child<QComboBox>(dialog, qPrintable(QStringLiteral("m_cmbQuestion%1").arg(i + 1))))
                    box->setCurrentIndex(qMin(i * 3 + 1, box->count() - 1));
            }
            typeInto(dialog, "m_lineEditAnswer1", QStringLiteral("Grey"));
            typeInto(dialog, "m_lineEditAnswer2", QStringLiteral("Lisbon"));
            typeInto(dialog, "m_lineEditAnswer3", QStringLiteral("Rex"));
        } else if (shot.task == TarnTool::GuidAndQustionDialog::EmailTask) {
            typeInto(dialog, "emailEdit", QStringLiteral("installer@example.com"));
        }
        ok = save(dialog, folder, QString::fromLatin1(shot.name)) && ok;
    }
    return ok;
}

bool aboutShot(const QDir &folder)
{
    AboutDialog about;
    QWidget *panel = about.defaultWidget();
    return panel && save(*panel, folder, QStringLiteral("about"), Edge::Framed);
}

bool updateShot(const QDir &folder)
{
    // No server address is configured in the tool's own folder, and no check
    // runs: the version label is set the way a successful check sets it.
    const upgrade::tagAppProperty property{0, 0, "TARNTool", "3.0.0.21"};
    UpgradeTool tool(property);
    tool.versionLabel()->setText(QStringLiteral("V3.0.1.2"));
    return save(tool, folder, QStringLiteral("update"));
}

// Shots with devices of the simulated fleet --------------------------------

bool networkPanelShots(const QDir &folder, const QVector<TarnDeviceInfo> &devices)
{
    QVector<TarnDeviceInfo> active;
    for (const TarnDeviceInfo &record : devices) {
        if (activated(record))
            active.append(record);
    }
    if (active.size() < 3) {
        std::fprintf(stderr, "tarn-screenshots: fewer than three activated devices found\n");
        return false;
    }
    // One device with IPv6 settings, so that every field of the form is filled.
    auto single = std::find_if(active.cbegin(), active.cend(),
                               [](const TarnDeviceInfo &record) { return record.abilityFlags & AbilityIpv6; });
    if (single == active.cend())
        single = active.cbegin();

    bool ok = true;
    {
        TarnTool::DeviceModifyPage panel;
        panel.resize(TarnTool::DeviceModifyPage::PanelWidth, NetworkPanelHeight);
        panel.onCurrentSelectionChange(SingleActivated, {deviceInfoOf(*single, 0)});
        ok = save(panel, folder, QStringLiteral("panel-network")) && ok;
    }
    {
        QVector<DeviceInfo> batch;
        for (int i = 0; i < 3; ++i)
            batch.append(deviceInfoOf(active.at(i), i));
        TarnTool::DeviceModifyPage panel;
        panel.resize(TarnTool::DeviceModifyPage::PanelWidth, NetworkPanelHeight);
        panel.onCurrentSelectionChange(BatchActivated, batch);
        ok = save(panel, folder, QStringLiteral("panel-batch-network")) && ok;
    }
    {
        TarnTool::BatchProgressDialog progress(5);
        progress.advance(1, text(active.at(1).serialNumber));
        ok = save(progress, folder, QStringLiteral("batch-progress"), Edge::Framed) && ok;
    }
    return ok;
}

// Prepares the device for the question and e-mail methods, as the recovery
// set-up after its activation would have done.
void setUpRecovery(const QString &serial)
{
    TARN::TarnHandler *handler = TARN::TarnHandler::Instance();
    TarnQuestionList list;
    for (const int id : {2, 5, 9}) {
        list.entries[id].questionId = quint32(id);
        putText(list.entries[id].answer, QByteArrayLiteral("example"));
        list.entries[id].isSet = 1;
    }
    putText(list.adminPassword, FleetPassword);
    char output[256] = {};
    if (!handler->setDeviceConfig(serial, DeviceConfigCommand::SetSecurityQuestions, &list, sizeof(list),
                                  output, sizeof(output)))
        std::fprintf(stderr, "tarn-screenshots: setting the questions failed (%d)\n", handler->getLastError());

    TarnReservedEmailParam email;
    putText(email.adminPassword, FleetPassword);
    putText(email.email, QByteArrayLiteral("installer@example.com"));
    char reply[128] = {};
    if (!handler->setDeviceConfig(serial, DeviceConfigCommand::SetReservedEmail, &email, sizeof(email), reply,
                                  sizeof(reply)))
        std::fprintf(stderr, "tarn-screenshots: setting the e-mail failed (%d)\n", handler->getLastError());
}

bool resetShots(const QDir &folder, const QVector<TarnDeviceInfo> &devices)
{
    // Best a device that also resets its channels' passwords, so that every
    // page shows its "Reset IPC" choice.
    auto found = std::find_if(devices.cbegin(), devices.cend(), [](const TarnDeviceInfo &record) {
        return offersEveryResetMethod(record) && (record.abilityFlags & AbilityChannelReset);
    });
    if (found == devices.cend())
        found = std::find_if(devices.cbegin(), devices.cend(), offersEveryResetMethod);
    if (found == devices.cend()) {
        std::fprintf(stderr, "tarn-screenshots: no activated device offers every reset method\n");
        return false;
    }
    const TarnDeviceInfo &record = *found;
    const QString serial = text(record.serialNumber);
    setUpRecovery(serial);

    // The privacy notice before the e-mail method has a shot of its own; here
    // it would stop the run, so the dialog is told not to show it.
    TarnTool::ResetPasswordDialog dialog(
        nullptr, serial, record.recoveryFlags & RecoveryQrAndManualKey, record.abilityFlags & AbilityChannelReset,
        record.recoveryFlags & RecoveryGuid, record.recoveryFlags & RecoveryQuestions,
        record.recoveryFlags & RecoveryBit1, record.extraAbilityFlags & ExtraReservedEmail, 0, record.userKind,
        text(record.userName));
    auto *mode = child<QComboBox>(dialog, "m_cmbSecurityMode");
    if (!mode)
        return false;
    const QString password = QString::fromLatin1(ExamplePassword);
    const struct {
        int mode;
        const char *name;
        const char *newField;
        const char *confirmField;
    } shots[] = {
        {TarnTool::ResetPasswordDialog::KeyMode, "reset-password-key", "m_lineEditNewPassword",
         "m_lineEditConfirmPassword"},
        {TarnTool::ResetPasswordDialog::GuidMode, "reset-password-guid", "m_lineEditNewPassword2",
         "m_lineEditConfirmPassword2"},
        {TarnTool::ResetPasswordDialog::QuestionMode, "reset-password-questions", "questionPwdEdit",
         "questionConfirmPasswordEdit"},
        {TarnTool::ResetPasswordDialog::EmailMode, "reset-password-email", "emailNewPwdEdit",
         "emailConfirmPwdEdit"},
    };
    bool ok = true;
    for (const auto &shot : shots) {
        const int index = mode->findData(shot.mode);
        if (index < 0) {
            std::fprintf(stderr, "tarn-screenshots: %s: method not offered\n", shot.name);
            ok = false;
            continue;
        }
        mode->setCurrentIndex(index);
        if (shot.mode == TarnTool::ResetPasswordDialog::KeyMode) {
            // The QR code of the key request, fetched from the device.
            if (auto *button = child<QPushButton>(dialog, "m_btnQRcode"))
                button->click();
        } else if (shot.mode == TarnTool::ResetPasswordDialog::QuestionMode) {
            typeInto(dialog, "m_lineEditAnswer1", QStringLiteral("Grey"));
            typeInto(dialog, "m_lineEditAnswer2", QStringLiteral("Lisbon"));
            typeInto(dialog, "m_lineEditAnswer3", QStringLiteral("Rex"));
        } else if (shot.mode == TarnTool::ResetPasswordDialog::EmailMode) {
            typeInto(dialog, "emailCodeEdit", QStringLiteral("583920"));
        }
        typeInto(dialog, shot.newField, password);
        typeInto(dialog, shot.confirmField, password);
        ok = save(dialog, folder, QString::fromLatin1(shot.name)) && ok;
    }
    return ok;
}

bool exportShot(const QDir &folder, const TarnTool::TARNToolMainPage &window)
{
    const QAbstractItemModel &model = *window.displayPage()->model();
    QList<int> rows;
    for (int row = 0; row < qMin(5, model.rowCount()); ++row)
        rows.append(row);
    TarnTool::DevicesInfoSavePage page;
    page.setExportTable(TarnTool::deviceExportTable(model, rows));
    typeInto(page, "m_lineEditFilename", QStringLiteral("devices"));
    typeInto(page, "m_lineEditFilepath", QStringLiteral("/home/installer/Documents"));
    return save(page, folder, QStringLiteral("export"));
}

bool mainWindowShots(const QDir &folder, TarnTool::TARNToolMainPage &window)
{
    bool ok = savePixmap(window.grab(), folder, QStringLiteral("main-window"));

    // The system menu with the about panel, opened under its title-bar
    // button as a click would open it, drawn over the window.
    auto *button = child<QToolButton>(*window.titleBar(), "m_btnSystemMenu");
    aptui::Menu *menu = window.systemMenu();
    if (!button || !menu)
        return false;
    menu->popup(button->mapToGlobal(QPoint(button->width() / 2, button->height())) - QPoint(190, 0));
    settle();
    QPixmap shot = window.grab();
    {
        QPainter painter(&shot);
        painter.drawPixmap(window.mapFromGlobal(menu->pos()), menu->grab());
    }
    menu->hide();
    ok = savePixmap(shot, folder, QStringLiteral("main-window-menu")) && ok;
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    // Never discover beyond this machine.
    qputenv("TARN_INTERFACE", "127.0.0.1");
    // A configuration folder of the tool's own: the user's column order or
    // update server never end up in the pictures (nor is anything contacted).
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return 2;
    qputenv("XDG_CONFIG_HOME", QDir(scratch.path()).filePath(QStringLiteral("config")).toLocal8Bit());

    apt::ToolsApplication app(QStringLiteral("TARNToolScreenshots"), argc, argv);
    QCoreApplication::addLibraryPath(QCoreApplication::applicationDirPath() + QStringLiteral("/plugins"));
    const std::optional<Options> options = parseOptions(QCoreApplication::arguments());
    if (!options || !app.init()) {
        std::fprintf(stderr, "usage: tarn-screenshots OUTPUT_FOLDER [--translator N] (beside the program)\n");
        return 2;
    }
    if (options->translator && !switchLanguage(*options->translator, scratch)) {
        std::fprintf(stderr, "tarn-screenshots: cannot switch to translator %u\n", *options->translator);
        return 2;
    }
    // The pointer away from every shot: no hover looks.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        QCursor::setPos(screen->geometry().bottomRight());
    QDir folder(options->folder);
    folder.mkpath(QStringLiteral("."));

    // Messages of the pages go to the console instead of boxes that would
    // wait for two seconds each.
    TarnTool::setMessageHook([](TarnTool::MessageKind, const QString &message) {
        std::fprintf(stderr, "tarn-screenshots: message: %s\n", qPrintable(message));
    });
    TarnTool::setHintBoxHook([](const QString &message, TarnTool::HintBoxKind) {
        std::fprintf(stderr, "tarn-screenshots: hint: %s\n", qPrintable(message));
        return true;
    });

    bool ok = boxShots(folder);
    ok = activationPanelShot(folder) && ok;
    ok = batchResultShot(folder) && ok;
    ok = restoreShots(folder) && ok;
    ok = recoverySetupShots(folder) && ok;
    ok = aboutShot(folder) && ok;
    ok = updateShot(folder) && ok;

    TarnTool::TARNToolMainPage window;
    window.resize(1280, 720);
    window.show();
    waitForDevices(window);
    const QVector<TarnDeviceInfo> devices = storedDevices();
    ok = networkPanelShots(folder, devices) && ok;
    ok = resetShots(folder, devices) && ok;
    ok = exportShot(folder, window) && ok;
    window.raise();
    settle();
    ok = mainWindowShots(folder, window) && ok;
    return ok ? 0 : 1;
}
