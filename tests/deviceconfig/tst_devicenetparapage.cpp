// The network parameter page: its two layouts, filling the single form from
// the device store and preparing the batch form, the checks with their
// messages and field marks, the record and the batch values it hands to the
// panel, and the DHCP boxes.

#include "ccheckbox.h"
#include "devicenetparapage.h"
#include "messagebox.h"
#include "multistatelineedit.h"
#include "tarndeviceinfomanager.h"

#include <QIntValidator>
#include <QLabel>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

#include <algorithm>
#include <cstring>

using aptui::MultiStateLineEdit;
using TarnTool::DeviceNetParaPage;
using TarnTool::MessageKind;

namespace {

struct Shown
{
    MessageKind kind;
    QString text;
};

template <std::size_t N>
void setText(char (&field)[N], const char *text)
{
    std::memset(field, 0, N);
    std::memcpy(field, text, std::min(std::strlen(text), N));
}

// A stored device with typical values; tests change what they look at.
TarnDeviceInfo device(const char *serial, const char *mac)
{
    TarnDeviceInfo info;
    setText(info.serialNumber, serial);
    setText(info.macAddress, mac);
    setText(info.ipv4Address, "192.168.1.64");
    setText(info.ipv4SubnetMask, "255.255.255.0");
    setText(info.ipv4Gateway, "192.168.1.1");
    setText(info.ipv6Address, "fe80::1");
    setText(info.ipv6Gateway, "fe80::fffe");
    info.ipv6PrefixLength = 64;
    info.port = 8000;
    info.httpPort = 80;
    info.addressInfoFlag = 1;
    info.abilityFlags = 0x07;
    info.enhancedSdkPort = 0;
    info.auxValue1 = 0;
    return info;
}

DeviceInfo selected(const char *serial, const char *mac)
{
    DeviceInfo info;
    info.strSerialNumber = QString::fromLatin1(serial);
    info.strMac = QString::fromLatin1(mac);
    return info;
}

} // namespace

class DeviceNetParaPageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void form();
    void layouts();
    void fillFromDevice_data();
    void fillFromDevice();
    void fillFromDeviceTexts();
    void fillWithEmptyKeysClearsForm();
    void fillUnknownDeviceLeavesFormEmpty();
    void dhcpBoxRelaysUserChangesOnly();
    void switchToDhcpDisablesAddresses();
    void fillForBatch_data();
    void fillForBatch();
    void batchDhcp();
    void checkSingleFields_data();
    void checkSingleFields();
    void checkBatchFields_data();
    void checkBatchFields();
    void mousePressClearsMark();
    void buildNetParamFromStoredDevice();
    void batchValuesAndAddresses();

private:
    MultiStateLineEdit *edit(const char *name) const;
    QLabel *label(const char *name) const;

    std::unique_ptr<DeviceNetParaPage> m_page;
    QList<Shown> m_shown;
};

void DeviceNetParaPageTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void DeviceNetParaPageTest::init()
{
    TarnDeviceInfoManager::Instance()->clearDeviceInfo();
    m_shown.clear();
    TarnTool::setMessageHook(
        [this](MessageKind kind, const QString &text) { m_shown.append({kind, text}); });
    m_page = std::make_unique<DeviceNetParaPage>();
}

void DeviceNetParaPageTest::cleanup()
{
    m_page.reset();
    TarnTool::setMessageHook({});
    TarnDeviceInfoManager::Instance()->clearDeviceInfo();
}

MultiStateLineEdit *DeviceNetParaPageTest::edit(const char *name) const
{
    auto *found = m_page->findChild<MultiStateLineEdit *>(QLatin1String(name));
    if (!found)
        qFatal("no line edit %s", name);
    return found;
}

QLabel *DeviceNetParaPageTest::label(const char *name) const
{
    auto *found = m_page->findChild<QLabel *>(QLatin1String(name));
    if (!found)
        qFatal("no label %s", name);
    return found;
}

void DeviceNetParaPageTest::form()
{
    const struct {
        const char *edit;
        const char *hint;
        int maxLength;
        int validatorTop;
    } fields[] = {
        {"m_lineEditStartIp", "m_labelHintStartIp", 15, -1},
        {"m_lineEditSerialNumber", "m_labelHintDeviceSerial", -1, -1},
        {"m_lineEditIpAddress", "m_labelHintIpAddress", 15, -1},
        {"m_lineEditPort", "m_labelHintPort", -1, 65535},
        {"m_lineEditServicePort", "m_labelHintServicePort", -1, 65535},
        {"m_lineEditSubnetMask", "m_labelHintSubnetMask", 15, -1},
        {"m_lineEditGateway", "m_labelHintGateway", 15, -1},
        {"m_lineEditIPV6Address", "m_labelHintIPv6Address", 64, -1},
        {"m_lineEditIPV6Gateway", "m_labelHintIPv6Gateway", 64, -1},
        {"m_lineEditIPV6SubnetMaskLen", "m_labelHintPrefixLength", -1, 127},
        {"m_lineEditHttpPort", "m_labelHintHttpPort", -1, 65535},
    };
    for (const auto &field : fields) {
        MultiStateLineEdit *line = edit(field.edit);
        QVERIFY(label(field.hint));
        if (field.maxLength > 0)
            QCOMPARE(line->maxLength(), field.maxLength);
        if (field.validatorTop > 0) {
            auto *validator = qobject_cast<const QIntValidator *>(line->validator());
            QVERIFY2(validator, field.edit);
            QCOMPARE(validator->bottom(), 0);
            QCOMPARE(validator->top(), field.validatorTop);
        }
    }
    QVERIFY(edit("m_lineEditSerialNumber")->isReadOnly());
    QCOMPARE(label("m_labelSecurity")->text(), QStringLiteral("Security Verification"));
    QVERIFY(label("m_labelGrayLine"));
    QVERIFY(label("m_labelGrayLine1"));
    QCOMPARE(label("m_lableStartIpDescription")->text(),
             QStringLiteral("Please set the start Ip address,then add one"));
    QCOMPARE(m_page->findChild<MirelGUIToolkit::CCheckBox *>("m_checkBoxDHCP")->text(),
             QStringLiteral("Enable DHCP"));
    QCOMPARE(m_page->findChild<MirelGUIToolkit::CCheckBox *>("m_checkBoxBatchDHCP")->text(),
             QStringLiteral("Enable DHCP"));
}

void DeviceNetParaPageTest::layouts()
{
    auto *dhcp = m_page->findChild<MirelGUIToolkit::CCheckBox *>("m_checkBoxDHCP");
    auto *batchDhcp = m_page->findChild<MirelGUIToolkit::CCheckBox *>("m_checkBoxBatchDHCP");
    auto *startWidget = m_page->findChild<QWidget *>("m_widgetStartIp");
    QVERIFY(startWidget);

    edit("m_lineEditPort")->setLineEditState(MultiStateLineEdit::ERROR);
    label("m_labelHintPort")->setText(QStringLiteral("x"));
    batchDhcp->setChecked(true);
    m_page->resetBatchMode();
    QCOMPARE(label("m_labelDeviceNetPara")->text(), QStringLiteral("Batch Modify Network parameters"));
    QVERIFY(!startWidget->isHidden());
    QVERIFY(!batchDhcp->isHidden());
    QVERIFY(!batchDhcp->isChecked());
    QVERIFY(dhcp->isHidden());
    QVERIFY(edit("m_lineEditSerialNumber")->isHidden());
    QVERIFY(edit("m_lineEditIpAddress")->isHidden());
    QVERIFY(!edit("m_lineEditPort")->isHidden());
    QCOMPARE(edit("m_lineEditPort")->lineEditState(), MultiStateLineEdit::NORMAL);
    QVERIFY(label("m_labelHintPort")->text().isEmpty());

    edit("m_lineEditStartIp")->setLineEditState(MultiStateLineEdit::ERROR);
    m_page->resetSingleMode();
    QCOMPARE(label("m_labelDeviceNetPara")->text(), QStringLiteral("Modify Network parameters"));
    QVERIFY(startWidget->isHidden());
    QVERIFY(batchDhcp->isHidden());
    QVERIFY(!dhcp->isHidden());
    QVERIFY(!edit("m_lineEditSerialNumber")->isHidden());
    QVERIFY(!edit("m_lineEditIpAddress")->isHidden());
    QCOMPARE(edit("m_lineEditStartIp")->lineEditState(), MultiStateLineEdit::NORMAL);
}

void DeviceNetParaPageTest::fillFromDevice_data()
{
    QTest::addColumn<int>("abilityFlags");
    QTest::addColumn<int>("addressInfoFlag");
    QTest::addColumn<int>("dhcpEnabled");
    QTest::addColumn<int>("httpPort");
    QTest::addColumn<int>("sdkPort");
    QTest::addColumn<int>("forceDhcp");
    QTest::addColumn<int>("dhcpWhenForced");
    QTest::addColumn<bool>("dhcpTicked");
    QTest::addColumn<bool>("dhcpEnabledBox");
    QTest::addColumn<bool>("addressEnabled");
    QTest::addColumn<QString>("ipv6Text");
    QTest::addColumn<bool>("ipv6Enabled");
    QTest::addColumn<bool>("httpEnabled");
    QTest::addColumn<bool>("serviceShown");

    QTest::newRow("static, IPv6 editable") << 0x07 << 1 << 0 << 80 << 0 << 0 << 1 << false << true
                                           << true << "fe80::1" << true << true << false;
    QTest::newRow("stored DHCP switches to DHCP")
        << 0x07 << 1 << 1 << 80 << 0 << 0 << 1 << true << true << false << "fe80::1" << false
        << true << false;
    QTest::newRow("forced static ignores stored DHCP")
        << 0x07 << 1 << 1 << 80 << 0 << 1 << 1 << false << true << true << "fe80::1" << true
        << true << false;
    QTest::newRow("forced DHCP") << 0x07 << 1 << 0 << 80 << 0 << 1 << 0 << true << true << false
                                 << "fe80::1" << false << true << false;
    QTest::newRow("no DHCP ability") << 0x03 << 1 << 1 << 80 << 0 << 0 << 1 << false << false
                                     << true << "fe80::1" << true << true << false;
    QTest::newRow("IPv6 shown but not editable")
        << 0x05 << 1 << 0 << 80 << 0 << 0 << 1 << false << true << true << "fe80::1" << false
        << true << false;
    QTest::newRow("no address information empties IPv6")
        << 0x07 << 0 << 0 << 80 << 0 << 0 << 1 << false << true << true << "" << false << true
        << false;
    QTest::newRow("no HTTP port disables its field")
        << 0x07 << 1 << 0 << 0 << 0 << 0 << 1 << false << true << true << "fe80::1" << true
        << false << false;
    QTest::newRow("SDK port 1999 hidden") << 0x07 << 1 << 0 << 80 << 1999 << 0 << 1 << false << true
                                          << true << "fe80::1" << true << true << false;
    QTest::newRow("SDK port 2000 shown") << 0x07 << 1 << 0 << 80 << 2000 << 0 << 1 << false << true
                                         << true << "fe80::1" << true << true << true;
}

void DeviceNetParaPageTest::fillFromDevice()
{
    QFETCH(int, abilityFlags);
    QFETCH(int, addressInfoFlag);
    QFETCH(int, dhcpEnabled);
    QFETCH(int, httpPort);
    QFETCH(int, sdkPort);
    QFETCH(int, forceDhcp);
    QFETCH(int, dhcpWhenForced);
    QFETCH(bool, dhcpTicked);
    QFETCH(bool, dhcpEnabledBox);
    QFETCH(bool, addressEnabled);
    QFETCH(QString, ipv6Text);
    QFETCH(bool, ipv6Enabled);
    QFETCH(bool, httpEnabled);
    QFETCH(bool, serviceShown);

    TarnDeviceInfo info = device("DS-1", "aa:bb:cc:00:00:01");
    info.abilityFlags = static_cast<uint8_t>(abilityFlags);
    info.addressInfoFlag = static_cast<uint8_t>(addressInfoFlag);
    info.dhcpEnabled = static_cast<uint8_t>(dhcpEnabled);
    info.httpPort = static_cast<uint16_t>(httpPort);
    info.enhancedSdkPort = static_cast<uint32_t>(sdkPort);
    TarnDeviceInfoManager::Instance()->addDeviceInfo(info);

    m_page->resetSingleMode();
    m_page->fillFromDevice(QStringLiteral("DS-1"), QStringLiteral("aa:bb:cc:00:00:01"), forceDhcp,
                           dhcpWhenForced);

    auto *dhcp = m_page->findChild<MirelGUIToolkit::CCheckBox *>("m_checkBoxDHCP");
    QCOMPARE(dhcp->isChecked(), dhcpTicked);
    QCOMPARE(dhcp->isEnabled(), dhcpEnabledBox);
    for (const char *name : {"m_lineEditIpAddress", "m_lineEditSubnetMask", "m_lineEditGateway"})
        QCOMPARE(edit(name)->isEnabled(), addressEnabled);
    QVERIFY(edit("m_lineEditPort")->isEnabled());
    QCOMPARE(edit("m_lineEditIPV6Address")->text(), ipv6Text);
    for (const char *name :
         {"m_lineEditIPV6Address", "m_lineEditIPV6Gateway", "m_lineEditIPV6SubnetMaskLen"})
        QCOMPARE(edit(name)->isEnabled(), ipv6Enabled);
    QCOMPARE(edit("m_lineEditHttpPort")->isEnabled(), httpEnabled);
    QCOMPARE(edit("m_lineEditHttpPort")->text(), QString::number(httpPort));
    QCOMPARE(edit("m_lineEditServicePort")->isHidden(), !serviceShown);
    QCOMPARE(label("m_labelHintServicePort")->isHidden(), !serviceShown);
    if (serviceShown)
        QCOMPARE(edit("m_lineEditServicePort")->text(), QString::number(sdkPort));
}

void DeviceNetParaPageTest::fillFromDeviceTexts()
{
    TarnDeviceInfo info = device("DS-2", "aa:bb:cc:00:00:02");
    setText(info.ipv6Gateway, "");
    info.ipv6PrefixLength = 48;
    info.port = 8001;
    TarnDeviceInfoManager::Instance()->addDeviceInfo(info);

    m_page->fillFromDevice(QStringLiteral("DS-2"), QStringLiteral("aa:bb:cc:00:00:02"), 0, 1);
    QCOMPARE(edit("m_lineEditSerialNumber")->text(), QStringLiteral("DS-2"));
    QCOMPARE(edit("m_lineEditSerialNumber")->cursorPosition(), 0);
    QVERIFY(edit("m_lineEditSerialNumber")->isReadOnly());
    QCOMPARE(edit("m_lineEditIpAddress")->text(), QStringLiteral("192.168.1.64"));
    QCOMPARE(edit("m_lineEditSubnetMask")->text(), QStringLiteral("255.255.255.0"));
    QCOMPARE(edit("m_lineEditGateway")->text(), QStringLiteral("192.168.1.1"));
    QCOMPARE(edit("m_lineEditPort")->text(), QStringLiteral("8001"));
    QCOMPARE(edit("m_lineEditIPV6Gateway")->text(), QStringLiteral("::"));
    QCOMPARE(edit("m_lineEditIPV6SubnetMaskLen")->text(), QStringLiteral("48"));

    // An address information flag other than 0 and 1 leaves the IPv6 fields.
    TarnDeviceInfo other = device("DS-3", "aa:bb:cc:00:00:03");
    other.addressInfoFlag = 2;
    setText(other.ipv6Address, "2001:db8::9");
    TarnDeviceInfoManager::Instance()->addDeviceInfo(other);
    m_page->fillFromDevice(QStringLiteral("DS-3"), QStringLiteral("aa:bb:cc:00:00:03"), 0, 1);
    QCOMPARE(edit("m_lineEditIPV6Address")->text(), QStringLiteral("fe80::1"));
    QCOMPARE(edit("m_lineEditIPV6SubnetMaskLen")->text(), QStringLiteral("48"));
}

void DeviceNetParaPageTest::fillWithEmptyKeysClearsForm()
{
    TarnDeviceInfoManager::Instance()->addDeviceInfo(device("DS-1", "aa:bb:cc:00:00:01"));
    m_page->fillFromDevice(QStringLiteral("DS-1"), QStringLiteral("aa:bb:cc:00:00:01"), 0, 1);
    edit("m_lineEditPort")->setLineEditState(MultiStateLineEdit::ERROR);

    m_page->fillFromDevice(QString(), QString(), 0, 1);
    for (const char *name :
         {"m_lineEditSerialNumber", "m_lineEditIpAddress", "m_lineEditPort",
          "m_lineEditServicePort", "m_lineEditSubnetMask", "m_lineEditGateway",
          "m_lineEditIPV6Address", "m_lineEditIPV6Gateway", "m_lineEditIPV6SubnetMaskLen",
          "m_lineEditHttpPort"}) {
        QVERIFY2(edit(name)->text().isEmpty(), name);
        QVERIFY2(!edit(name)->isEnabled(), name);
    }
    QVERIFY(edit("m_lineEditSerialNumber")->isReadOnly());
    auto *dhcp = m_page->findChild<MirelGUIToolkit::CCheckBox *>("m_checkBoxDHCP");
    QVERIFY(!dhcp->isChecked());
    QVERIFY(!dhcp->isEnabled());
    QCOMPARE(edit("m_lineEditPort")->lineEditState(), MultiStateLineEdit::NORMAL);
}

void DeviceNetParaPageTest::fillUnknownDeviceLeavesFormEmpty()
{
    m_page->fillFromDevice(QStringLiteral("DS-9"), QStringLiteral("aa:bb:cc:00:00:09"), 0, 1);
    for (const char *name :
         {"m_lineEditIpAddress", "m_lineEditPort", "m_lineEditSubnetMask", "m_lineEditGateway",
          "m_lineEditIPV6Address", "m_lineEditIPV6Gateway", "m_lineEditIPV6SubnetMaskLen",
          "m_lineEditHttpPort"})
        QVERIFY2(edit(name)->text().isEmpty(), name);
    auto *dhcp = m_page->findChild<MirelGUIToolkit::CCheckBox *>("m_checkBoxDHCP");
    QVERIFY(!dhcp->isChecked());
    QVERIFY(!dhcp->isEnabled());
    QVERIFY(!edit("m_lineEditIPV6Address")->isEnabled());
    QVERIFY(!edit("m_lineEditHttpPort")->isEnabled());
    QVERIFY(edit("m_lineEditServicePort")->isHidden());
}

void DeviceNetParaPageTest::dhcpBoxRelaysUserChangesOnly()
{
    TarnDeviceInfo info = device("DS-1", "aa:bb:cc:00:00:01");
    info.dhcpEnabled = 1;
    TarnDeviceInfoManager::Instance()->addDeviceInfo(info);
    QSignalSpy single(m_page.get(), &DeviceNetParaPage::signalDhcpStateChanged);
    QSignalSpy batch(m_page.get(), &DeviceNetParaPage::signalBatchDhcpStateChanged);

    // Filling is not the user's doing and is not relayed.
    m_page->fillFromDevice(QStringLiteral("DS-1"), QStringLiteral("aa:bb:cc:00:00:01"), 0, 1);
    m_page->fillFromDevice(QStringLiteral("DS-1"), QStringLiteral("aa:bb:cc:00:00:01"), 1, 1);
    QCOMPARE(single.count(), 0);

    auto *dhcp = m_page->findChild<MirelGUIToolkit::CCheckBox *>("m_checkBoxDHCP");
    dhcp->click();
    QCOMPARE(single.count(), 1);
    QCOMPARE(single.at(0).at(0).toInt(), int(Qt::Checked));
    dhcp->click();
    QCOMPARE(single.count(), 2);
    QCOMPARE(single.at(1).at(0).toInt(), int(Qt::Unchecked));

    m_page->resetBatchMode();
    auto *batchDhcp = m_page->findChild<MirelGUIToolkit::CCheckBox *>("m_checkBoxBatchDHCP");
    batchDhcp->click();
    QCOMPARE(batch.count(), 1);
    QCOMPARE(batch.at(0).at(0).toInt(), int(Qt::Checked));
    QVERIFY(!m_page->isBatchStatic());
}

void DeviceNetParaPageTest::switchToDhcpDisablesAddresses()
{
    TarnDeviceInfoManager::Instance()->addDeviceInfo(device("DS-1", "aa:bb:cc:00:00:01"));
    m_page->fillFromDevice(QStringLiteral("DS-1"), QStringLiteral("aa:bb:cc:00:00:01"), 0, 1);
    m_page->switchToDhcp();
    QVERIFY(m_page->findChild<MirelGUIToolkit::CCheckBox *>("m_checkBoxDHCP")->isChecked());
    for (const char *name :
         {"m_lineEditIpAddress", "m_lineEditSubnetMask", "m_lineEditGateway",
          "m_lineEditIPV6Address", "m_lineEditIPV6Gateway", "m_lineEditIPV6SubnetMaskLen"})
        QVERIFY2(!edit(name)->isEnabled(), name);
    // The texts stay; only the fields are locked.
    QCOMPARE(edit("m_lineEditIpAddress")->text(), QStringLiteral("192.168.1.64"));
    QVERIFY(edit("m_lineEditPort")->isEnabled());
    QVERIFY(edit("m_lineEditHttpPort")->isEnabled());
}

void DeviceNetParaPageTest::fillForBatch_data()
{
    // Per device: auxValue1, port, addressInfoFlag, httpPort.
    QTest::addColumn<QList<QList<int>>>("devices");
    QTest::addColumn<bool>("startEnabled");
    QTest::addColumn<bool>("portEnabled");
    QTest::addColumn<bool>("gatewayEnabled");
    QTest::addColumn<bool>("httpEnabled");

    QTest::newRow("ordinary devices")
        << QList<QList<int>>{{0, 8000, 1, 80}, {0, 8000, 1, 80}, {0, 8000, 1, 80}} << true << true
        << true << true;
    QTest::newRow("different ports lock the port")
        << QList<QList<int>>{{0, 8000, 1, 80}, {0, 8001, 1, 80}} << true << false << true << true;
    QTest::newRow("all fixed-address devices lock start and mask")
        << QList<QList<int>>{{0x9D00, 8000, 1, 80}, {0x9FFF, 8000, 1, 80}} << false << true << true
        << true;
    QTest::newRow("one ordinary device opens start and mask")
        << QList<QList<int>>{{0x9D00, 8000, 1, 80}, {0xA000, 8000, 1, 80}} << true << true << true
        << true;
    QTest::newRow("value below the fixed range")
        << QList<QList<int>>{{0x9CFF, 8000, 1, 80}, {0x9E00, 8000, 1, 80}} << true << true << true
        << true;
    QTest::newRow("no address information locks the gateway")
        << QList<QList<int>>{{0, 8000, 0, 80}, {0, 8000, 0, 80}} << true << true << false << true;
    QTest::newRow("one device with address information opens the gateway")
        << QList<QList<int>>{{0, 8000, 0, 80}, {0, 8000, 1, 80}} << true << true << true << true;
    QTest::newRow("one device without HTTP port locks it")
        << QList<QList<int>>{{0, 8000, 1, 80}, {0, 8000, 1, 0}} << true << true << true << false;
}

void DeviceNetParaPageTest::fillForBatch()
{
    QFETCH(QList<QList<int>>, devices);
    QFETCH(bool, startEnabled);
    QFETCH(bool, portEnabled);
    QFETCH(bool, gatewayEnabled);
    QFETCH(bool, httpEnabled);

    QVector<DeviceInfo> selection;
    for (int i = 0; i < devices.size(); ++i) {
        const QByteArray serial = "DS-" + QByteArray::number(i);
        const QByteArray mac = "aa:bb:cc:00:01:" + QByteArray::number(10 + i);
        TarnDeviceInfo info = device(serial.constData(), mac.constData());
        info.auxValue1 = static_cast<uint32_t>(devices.at(i).at(0));
        info.port = static_cast<uint32_t>(devices.at(i).at(1));
        info.addressInfoFlag = static_cast<uint8_t>(devices.at(i).at(2));
        info.httpPort = static_cast<uint16_t>(devices.at(i).at(3));
        info.enhancedSdkPort = 8443;
        TarnDeviceInfoManager::Instance()->addDeviceInfo(info);
        selection.append(selected(serial.constData(), mac.constData()));
    }

    m_page->resetBatchMode();
    for (const char *name : {"m_lineEditStartIp", "m_lineEditPort", "m_lineEditSubnetMask",
                             "m_lineEditGateway", "m_lineEditIPV6Address", "m_lineEditHttpPort"})
        edit(name)->setText(QStringLiteral("1"));
    m_page->fillForBatch(selection);

    for (const char *name :
         {"m_lineEditStartIp", "m_lineEditPort", "m_lineEditSubnetMask", "m_lineEditGateway",
          "m_lineEditIPV6Address", "m_lineEditIPV6Gateway", "m_lineEditIPV6SubnetMaskLen",
          "m_lineEditHttpPort"})
        QVERIFY2(edit(name)->text().isEmpty(), name);
    QCOMPARE(edit("m_lineEditStartIp")->isEnabled(), startEnabled);
    QCOMPARE(edit("m_lineEditSubnetMask")->isEnabled(), startEnabled);
    QCOMPARE(edit("m_lineEditPort")->isEnabled(), portEnabled);
    QCOMPARE(edit("m_lineEditGateway")->isEnabled(), gatewayEnabled);
    QCOMPARE(edit("m_lineEditHttpPort")->isEnabled(), httpEnabled);
    for (const char *name :
         {"m_lineEditIPV6Address", "m_lineEditIPV6Gateway", "m_lineEditIPV6SubnetMaskLen"})
        QVERIFY2(!edit(name)->isEnabled(), name);
    QVERIFY(edit("m_lineEditServicePort")->isHidden());
    QVERIFY(m_page->isBatchStatic());
}

void DeviceNetParaPageTest::batchDhcp()
{
    TarnDeviceInfo fixed = device("DS-1", "aa:bb:cc:00:00:01");
    fixed.auxValue1 = 0x9E00;
    TarnDeviceInfoManager::Instance()->addDeviceInfo(fixed);
    TarnDeviceInfo other = fixed;
    setText(other.serialNumber, "DS-2");
    TarnDeviceInfoManager::Instance()->addDeviceInfo(other);
    m_page->resetBatchMode();
    m_page->fillForBatch({selected("DS-1", "aa:bb:cc:00:00:01"), selected("DS-2", "aa:bb:cc:00:00:01")});
    QVERIFY(!edit("m_lineEditStartIp")->isEnabled());
    edit("m_lineEditGateway")->setText(QStringLiteral("10.0.0.254"));

    m_page->setBatchDhcp(true);
    for (const char *name : {"m_lineEditStartIp", "m_lineEditSubnetMask", "m_lineEditGateway"}) {
        QVERIFY2(!edit(name)->isEnabled(), name);
        QVERIFY2(edit(name)->text().isEmpty(), name);
    }
    // Unticking gives back what the devices allow, not more.
    m_page->setBatchDhcp(false);
    QVERIFY(!edit("m_lineEditStartIp")->isEnabled());
    QVERIFY(!edit("m_lineEditSubnetMask")->isEnabled());
    QVERIFY(edit("m_lineEditGateway")->isEnabled());
}

void DeviceNetParaPageTest::checkSingleFields_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("dhcp");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("marked");

    QTest::newRow("stored values pass") << "" << "" << false << "" << "";
    QTest::newRow("port 1999") << "m_lineEditPort" << "1999" << false
                               << "Device port ranges from 2000 to 65535." << "m_lineEditPort";
    QTest::newRow("port 65535 passes") << "m_lineEditPort" << "65535" << false << "" << "";
    QTest::newRow("empty port") << "m_lineEditPort" << "" << false
                                << "Device port ranges from 2000 to 65535." << "m_lineEditPort";
    QTest::newRow("empty IP address") << "m_lineEditIpAddress" << "" << false
                                      << "Please input IP Address." << "m_lineEditIpAddress";
    QTest::newRow("DHCP accepts an empty IP address")
        << "m_lineEditIpAddress" << "" << true << "" << "";
    QTest::newRow("DHCP still checks the port")
        << "m_lineEditPort" << "" << true << "Device port ranges from 2000 to 65535."
        << "m_lineEditPort";
    QTest::newRow("empty prefix with IPv6 enabled")
        << "m_lineEditIPV6SubnetMaskLen" << "" << false
        << "IPv6 prefix length ranges from 0 to 127." << "m_lineEditIPV6SubnetMaskLen";
    QTest::newRow("prefix 127 passes") << "m_lineEditIPV6SubnetMaskLen" << "127" << false << ""
                                       << "";
    QTest::newRow("wrong gateway") << "m_lineEditGateway" << "192.168.1.255" << false
                                   << "Gateway not correct." << "m_lineEditGateway";
}

void DeviceNetParaPageTest::checkSingleFields()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, text);
    QFETCH(bool, dhcp);
    QFETCH(QString, message);
    QFETCH(QString, marked);

    TarnDeviceInfoManager::Instance()->addDeviceInfo(device("DS-1", "aa:bb:cc:00:00:01"));
    m_page->resetSingleMode();
    m_page->fillFromDevice(QStringLiteral("DS-1"), QStringLiteral("aa:bb:cc:00:00:01"), 1,
                           dhcp ? 0 : 1);
    if (!fieldName.isEmpty())
        edit(fieldName.toLatin1().constData())->setText(text);

    const bool passed = m_page->checkSingleFields(QPoint(10, 20));
    QCOMPARE(passed, message.isEmpty());
    if (message.isEmpty()) {
        QVERIFY(m_shown.isEmpty());
        return;
    }
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown.at(0).kind, MessageKind::Error);
    QCOMPARE(m_shown.at(0).text, message);
    const QList<MultiStateLineEdit *> edits = m_page->findChildren<MultiStateLineEdit *>();
    for (MultiStateLineEdit *line : edits)
        QCOMPARE(line->lineEditState() == MultiStateLineEdit::ERROR, line->objectName() == marked);
    // The typed text stays.
    QCOMPARE(edit(fieldName.toLatin1().constData())->text(), text);
}

void DeviceNetParaPageTest::checkBatchFields_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("devices");
    QTest::addColumn<QString>("message");

    QTest::newRow("three from 10.0.0.1") << "10.0.0.1" << 3 << "";
    QTest::newRow("carry into the third number") << "10.0.0.254" << 3 << "";
    QTest::newRow("empty start") << "" << 2 << "Please input IP Address.";
    QTest::newRow("start not an address") << "10.0.0.300" << 2 << "IP Address not correct.";
    QTest::newRow("ends at the last address") << "255.255.255.253" << 2 << "";
    QTest::newRow("runs past the last address")
        << "255.255.255.253" << 3
        << "Not enough addresses for 3 devices: batch addresses end at 255.255.255.254.";
}

void DeviceNetParaPageTest::checkBatchFields()
{
    QFETCH(QString, start);
    QFETCH(int, devices);
    QFETCH(QString, message);

    QVector<DeviceInfo> selection;
    for (int i = 0; i < devices; ++i) {
        const QByteArray serial = "DS-" + QByteArray::number(i);
        TarnDeviceInfoManager::Instance()->addDeviceInfo(device(serial.constData(), "aa:bb"));
        selection.append(selected(serial.constData(), "aa:bb"));
    }
    m_page->resetBatchMode();
    m_page->fillForBatch(selection);
    edit("m_lineEditStartIp")->setText(start);
    edit("m_lineEditPort")->setText(QStringLiteral("8000"));
    edit("m_lineEditSubnetMask")->setText(QStringLiteral("255.0.0.0"));
    edit("m_lineEditGateway")->setText(QStringLiteral("10.0.0.250"));
    edit("m_lineEditHttpPort")->setText(QStringLiteral("80"));

    QCOMPARE(m_page->checkBatchFields(QPoint()), message.isEmpty());
    if (message.isEmpty()) {
        QVERIFY(m_shown.isEmpty());
        return;
    }
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown.at(0).kind, MessageKind::Error);
    QCOMPARE(m_shown.at(0).text, message);
    QCOMPARE(edit("m_lineEditStartIp")->lineEditState(), MultiStateLineEdit::ERROR);
    QCOMPARE(edit("m_lineEditPort")->lineEditState(), MultiStateLineEdit::NORMAL);
}

void DeviceNetParaPageTest::mousePressClearsMark()
{
    TarnDeviceInfoManager::Instance()->addDeviceInfo(device("DS-1", "aa:bb:cc:00:00:01"));
    m_page->fillFromDevice(QStringLiteral("DS-1"), QStringLiteral("aa:bb:cc:00:00:01"), 0, 1);
    edit("m_lineEditPort")->setText(QStringLiteral("1"));
    QVERIFY(!m_page->checkSingleFields(QPoint()));
    QCOMPARE(edit("m_lineEditPort")->lineEditState(), MultiStateLineEdit::ERROR);
    label("m_labelHintPort")->setText(QStringLiteral("!"));
    edit("m_lineEditGateway")->setLineEditState(MultiStateLineEdit::ERROR);

    QTest::mouseClick(edit("m_lineEditPort"), Qt::LeftButton);
    QCOMPARE(edit("m_lineEditPort")->lineEditState(), MultiStateLineEdit::NORMAL);
    QVERIFY(label("m_labelHintPort")->text().isEmpty());
    QVERIFY(label("m_labelHintPort")->pixmap().isNull());
    // Only the pressed field is cleared, and its text stays.
    QCOMPARE(edit("m_lineEditGateway")->lineEditState(), MultiStateLineEdit::ERROR);
    QCOMPARE(edit("m_lineEditPort")->text(), QStringLiteral("1"));
}

void DeviceNetParaPageTest::buildNetParamFromStoredDevice()
{
    TarnDeviceInfo info = device("DS-1", "aa:bb:cc:00:00:01");
    info.httpPort = 0;
    info.enhancedSdkPort = 8443;
    TarnDeviceInfoManager::Instance()->addDeviceInfo(info);
    m_page->fillFromDevice(QStringLiteral("DS-1"), QStringLiteral("aa:bb:cc:00:00:01"), 0, 1);
    QVERIFY(m_page->checkSingleFields(QPoint()));

    const TarnNetParam param = m_page->buildNetParam();
    QCOMPARE(QByteArray(param.ipv4Address), QByteArray("192.168.1.64"));
    QCOMPARE(QByteArray(param.ipv4SubnetMask), QByteArray("255.255.255.0"));
    QCOMPARE(QByteArray(param.ipv4Gateway), QByteArray("192.168.1.1"));
    QCOMPARE(QByteArray(param.ipv6Address), QByteArray("fe80::1"));
    QCOMPARE(QByteArray(param.ipv6Gateway), QByteArray("fe80::fffe"));
    QCOMPARE(int(param.port), 8000);
    QCOMPARE(int(param.ipv6PrefixLength), 64);
    QCOMPARE(int(param.dhcpEnabled), 0);
    // The disabled HTTP port field shows 0, so the record carries 80.
    QCOMPARE(edit("m_lineEditHttpPort")->text(), QStringLiteral("0"));
    QCOMPARE(int(param.httpPort), 80);
    QCOMPARE(param.sdkServicePort, 8443u);

    m_page->switchToDhcp();
    QCOMPARE(int(m_page->buildNetParam().dhcpEnabled), 1);
}

void DeviceNetParaPageTest::batchValuesAndAddresses()
{
    QVector<DeviceInfo> selection;
    for (const char *serial : {"DS-1", "DS-2", "DS-3"}) {
        TarnDeviceInfoManager::Instance()->addDeviceInfo(device(serial, "aa:bb"));
        selection.append(selected(serial, "aa:bb"));
    }
    m_page->resetBatchMode();
    m_page->fillForBatch(selection);
    edit("m_lineEditStartIp")->setText(QStringLiteral(" 10.0.0.1 "));
    edit("m_lineEditSubnetMask")->setText(QStringLiteral("255.0.0.0 "));
    edit("m_lineEditGateway")->setText(QStringLiteral(" 10.0.0.254"));
    edit("m_lineEditPort")->setText(QStringLiteral("8002"));

    const TarnTool::BatchNetValues values = m_page->batchValues();
    QCOMPARE(values.startAddress, QStringLiteral("10.0.0.1"));
    QCOMPARE(values.subnetMask, QStringLiteral("255.0.0.0"));
    QCOMPARE(values.gateway, QStringLiteral("10.0.0.254"));
    QCOMPARE(values.port, 8002);
    QCOMPARE(values.httpPort, 0);
    QVERIFY(m_page->isBatchStatic());
    QCOMPARE(m_page->batchAddress(0), QStringLiteral("10.0.0.1"));
    QCOMPARE(m_page->batchAddress(1), QStringLiteral("10.0.0.2"));
    QCOMPARE(m_page->batchAddress(2), QStringLiteral("10.0.0.3"));

    edit("m_lineEditStartIp")->setText(QStringLiteral("10.0.0.254"));
    QCOMPARE(m_page->batchAddress(1), QStringLiteral("10.0.0.255"));
    QCOMPARE(m_page->batchAddress(2), QStringLiteral("10.0.1.1"));
}

QTEST_MAIN(DeviceNetParaPageTest)
#include "tst_devicenetparapage.moc"
