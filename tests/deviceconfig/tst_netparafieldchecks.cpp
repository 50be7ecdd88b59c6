// The input checks of the network parameter form: each rule on its own, the
// order in which the single and the batch form report the first failure, and
// which fields DHCP, disabled and hidden fields leave out.

#include "netparafieldchecks.h"

#include <QtTest>

#include <functional>

using namespace TarnTool;

Q_DECLARE_METATYPE(TarnTool::NetParaField)

namespace {

const QString ipEmpty = QStringLiteral("Please input IP Address.");
const QString ipWrong = QStringLiteral("IP Address not correct.");
const QString portWrong = QStringLiteral("Device port ranges from 2000 to 65535.");
const QString httpWrong = QStringLiteral("Http port ranges from 1 to 65535.");
const QString serviceWrong = QStringLiteral("SDK Service Port ranges from 2000 to 65535.");
const QString maskEmpty = QStringLiteral("Subnet mask can not be empty.");
const QString maskWrong = QStringLiteral("Subnet Mask not correct.");
const QString gatewayEmpty = QStringLiteral("Gateway can not be empty");
const QString gatewayWrong = QStringLiteral("Gateway not correct.");
const QString ipv6Wrong = QStringLiteral("IPv6 Address not correct.");
const QString ipv6GatewayWrong = QStringLiteral("IPv6 gateway not correct.");
const QString prefixWrong = QStringLiteral("IPv6 prefix length ranges from 0 to 127.");

using Rule = std::function<QString(const QString &)>;

Rule ruleNamed(const QString &name)
{
    static const QHash<QString, Rule> rules = {
        {QStringLiteral("ip"), checkIpAddressText},
        {QStringLiteral("port"), checkPortText},
        {QStringLiteral("http"), checkHttpPortText},
        {QStringLiteral("service"), checkServicePortText},
        {QStringLiteral("mask"), checkSubnetMaskText},
        {QStringLiteral("gateway"), checkGatewayText},
        {QStringLiteral("ipv6"), checkIPv6AddressText},
        {QStringLiteral("ipv6gateway"), checkIPv6GatewayText},
        {QStringLiteral("prefix"), checkPrefixLengthText},
    };
    return rules.value(name);
}

// A single form that passes every check, with IPv6 and the service port.
NetParaSingleForm validSingle()
{
    NetParaSingleForm form;
    form.ipAddress = QStringLiteral("192.168.1.64");
    form.port = QStringLiteral("8000");
    form.servicePort = QStringLiteral("8443");
    form.subnetMask = QStringLiteral("255.255.255.0");
    form.gateway = QStringLiteral("192.168.1.1");
    form.ipv6Address = QStringLiteral("fe80::1");
    form.ipv6Gateway = QStringLiteral("::");
    form.prefixLength = QStringLiteral("64");
    form.httpPort = QStringLiteral("80");
    form.servicePortShown = true;
    form.httpPortEnabled = true;
    form.ipv6Enabled = true;
    return form;
}

NetParaBatchForm validBatch()
{
    NetParaBatchForm form;
    form.startAddress = QStringLiteral("10.0.0.1");
    form.port = QStringLiteral("8000");
    form.subnetMask = QStringLiteral("255.255.255.0");
    form.gateway = QStringLiteral("10.0.0.254");
    form.httpPort = QStringLiteral("80");
    form.deviceCount = 3;
    return form;
}

} // namespace

class NetParaFieldChecksTest : public QObject
{
    Q_OBJECT

private slots:
    void rule_data();
    void rule();
    void singleForm_data();
    void singleForm();
    void batchForm_data();
    void batchForm();
};

void NetParaFieldChecksTest::rule_data()
{
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    QTest::newRow("ip empty") << "ip" << "" << ipEmpty;
    QTest::newRow("ip blanks only") << "ip" << "   " << ipEmpty;
    QTest::newRow("ip valid") << "ip" << "192.168.1.64" << "";
    QTest::newRow("ip trimmed") << "ip" << " 192.168.1.64 " << "";
    QTest::newRow("ip three numbers") << "ip" << "192.168.1" << ipWrong;
    QTest::newRow("ip number over 255") << "ip" << "192.168.1.256" << ipWrong;
    QTest::newRow("ip fourth 0") << "ip" << "192.168.1.0" << ipWrong;
    QTest::newRow("ip letters") << "ip" << "abc" << ipWrong;

    QTest::newRow("port 1999") << "port" << "1999" << portWrong;
    QTest::newRow("port 2000") << "port" << "2000" << "";
    QTest::newRow("port 65535") << "port" << "65535" << "";
    QTest::newRow("port 65536") << "port" << "65536" << portWrong;
    QTest::newRow("port empty") << "port" << "" << portWrong;
    QTest::newRow("port not a number") << "port" << "80a" << portWrong;

    QTest::newRow("http 0") << "http" << "0" << httpWrong;
    QTest::newRow("http 1") << "http" << "1" << "";
    QTest::newRow("http 65535") << "http" << "65535" << "";
    QTest::newRow("http 65536") << "http" << "65536" << httpWrong;
    QTest::newRow("http empty") << "http" << "" << httpWrong;

    QTest::newRow("service 1999") << "service" << "1999" << serviceWrong;
    QTest::newRow("service 2000") << "service" << "2000" << "";
    QTest::newRow("service 65535") << "service" << "65535" << "";
    QTest::newRow("service empty") << "service" << "" << serviceWrong;

    QTest::newRow("mask empty") << "mask" << "" << maskEmpty;
    QTest::newRow("mask valid") << "mask" << "255.255.255.0" << "";
    QTest::newRow("mask not contiguous") << "mask" << "255.0.255.0" << maskWrong;
    QTest::newRow("mask all ones") << "mask" << "255.255.255.255" << maskWrong;

    QTest::newRow("gateway empty") << "gateway" << "" << gatewayEmpty;
    QTest::newRow("gateway valid") << "gateway" << "192.168.1.1" << "";
    QTest::newRow("gateway none") << "gateway" << "0.0.0.0" << "";
    QTest::newRow("gateway fourth 255") << "gateway" << "192.168.1.255" << gatewayWrong;

    QTest::newRow("ipv6 empty") << "ipv6" << "" << ipv6Wrong;
    QTest::newRow("ipv6 unspecified") << "ipv6" << "::" << "";
    QTest::newRow("ipv6 full") << "ipv6" << "2001:db8:0:0:0:0:0:1" << "";
    QTest::newRow("ipv6 two gaps") << "ipv6" << "2001::db8::1" << ipv6Wrong;
    QTest::newRow("ipv6 gateway empty") << "ipv6gateway" << "" << ipv6GatewayWrong;
    QTest::newRow("ipv6 gateway valid") << "ipv6gateway" << "fe80::1" << "";
    QTest::newRow("ipv6 gateway wrong") << "ipv6gateway" << "fe80:::1" << ipv6GatewayWrong;

    QTest::newRow("prefix empty") << "prefix" << "" << prefixWrong;
    QTest::newRow("prefix 0") << "prefix" << "0" << "";
    QTest::newRow("prefix 127") << "prefix" << "127" << "";
    QTest::newRow("prefix 128") << "prefix" << "128" << prefixWrong;
}

void NetParaFieldChecksTest::rule()
{
    QFETCH(QString, rule);
    QFETCH(QString, text);
    QFETCH(QString, message);
    const Rule check = ruleNamed(rule);
    QVERIFY(check);
    QCOMPARE(check(text), message);
}

void NetParaFieldChecksTest::singleForm_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<NetParaField>("field");
    QTest::addColumn<QString>("message");

    QTest::newRow("all valid") << "" << NetParaField::None << "";
    QTest::newRow("ip first") << "ip=,port=1,mask=,gateway=,http=0" << NetParaField::IpAddress
                              << ipEmpty;
    QTest::newRow("port before service port")
        << "port=1999,service=1" << NetParaField::Port << portWrong;
    QTest::newRow("service port before mask")
        << "service=1999,mask=" << NetParaField::ServicePort << serviceWrong;
    QTest::newRow("hidden service port not checked")
        << "service=1,serviceShown=0" << NetParaField::None << "";
    QTest::newRow("mask before gateway") << "mask=1.2.3.4,gateway=" << NetParaField::SubnetMask
                                         << maskWrong;
    QTest::newRow("gateway before IPv6") << "gateway=,ipv6=" << NetParaField::Gateway
                                         << gatewayEmpty;
    QTest::newRow("IPv6 address before gateway")
        << "ipv6=x,ipv6gateway=x" << NetParaField::IPv6Address << ipv6Wrong;
    QTest::newRow("IPv6 gateway before prefix")
        << "ipv6gateway=x,prefix=" << NetParaField::IPv6Gateway << ipv6GatewayWrong;
    QTest::newRow("empty prefix with IPv6 enabled")
        << "prefix=" << NetParaField::PrefixLength << prefixWrong;
    QTest::newRow("prefix 127") << "prefix=127" << NetParaField::None << "";
    QTest::newRow("IPv6 disabled not checked")
        << "ipv6=,ipv6gateway=,prefix=,ipv6Enabled=0" << NetParaField::None << "";
    QTest::newRow("prefix before HTTP port") << "prefix=200,http=0" << NetParaField::PrefixLength
                                             << prefixWrong;
    QTest::newRow("HTTP port last") << "http=0" << NetParaField::HttpPort << httpWrong;
    QTest::newRow("disabled HTTP port showing 0 not checked")
        << "http=0,httpEnabled=0" << NetParaField::None << "";
    QTest::newRow("dhcp accepts empty addresses")
        << "dhcp=1,ip=,mask=,gateway=,ipv6=,prefix=" << NetParaField::None << "";
    QTest::newRow("dhcp still checks the port")
        << "dhcp=1,ip=,port=" << NetParaField::Port << portWrong;
    QTest::newRow("dhcp HTTP port before service port")
        << "dhcp=1,http=0,service=1" << NetParaField::HttpPort << httpWrong;
    QTest::newRow("dhcp service port") << "dhcp=1,service=1" << NetParaField::ServicePort
                                       << serviceWrong;
}

void NetParaFieldChecksTest::singleForm()
{
    QFETCH(QString, change);
    QFETCH(NetParaField, field);
    QFETCH(QString, message);

    NetParaSingleForm form = validSingle();
    const QStringList changes = change.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &item : changes) {
        const QString key = item.section(QLatin1Char('='), 0, 0);
        const QString value = item.section(QLatin1Char('='), 1);
        if (key == QLatin1String("ip"))
            form.ipAddress = value;
        else if (key == QLatin1String("port"))
            form.port = value;
        else if (key == QLatin1String("service"))
            form.servicePort = value;
        else if (key == QLatin1String("mask"))
            form.subnetMask = value;
        else if (key == QLatin1String("gateway"))
            form.gateway = value;
        else if (key == QLatin1String("ipv6"))
            form.ipv6Address = value;
        else if (key == QLatin1String("ipv6gateway"))
            form.ipv6Gateway = value;
        else if (key == QLatin1String("prefix"))
            form.prefixLength = value;
        else if (key == QLatin1String("http"))
            form.httpPort = value;
        else if (key == QLatin1String("dhcp"))
            form.dhcp = value == QLatin1String("1");
        else if (key == QLatin1String("serviceShown"))
            form.servicePortShown = value == QLatin1String("1");
        else if (key == QLatin1String("httpEnabled"))
            form.httpPortEnabled = value == QLatin1String("1");
        else if (key == QLatin1String("ipv6Enabled"))
            form.ipv6Enabled = value == QLatin1String("1");
        else
            QFAIL(qPrintable(QStringLiteral("unknown key ") + key));
    }
    const NetParaCheckResult result = checkSingleNetParaForm(form);
    QCOMPARE(result.field, field);
    QCOMPARE(result.message, message);
    QCOMPARE(result.ok(), field == NetParaField::None);
}

void NetParaFieldChecksTest::batchForm_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<NetParaField>("field");
    QTest::addColumn<QString>("message");

    const QString noRoom = QStringLiteral(
        "Not enough addresses for %1 devices: batch addresses end at 255.255.255.254.");

    QTest::newRow("all valid") << "" << NetParaField::None << "";
    QTest::newRow("start empty first") << "start=,port=1,mask=,gateway=,http=0"
                                       << NetParaField::IpAddress << ipEmpty;
    QTest::newRow("start not an address") << "start=10.0.0" << NetParaField::IpAddress << ipWrong;
    QTest::newRow("batch runs past the last address")
        << "start=255.255.255.250,count=6,port=1" << NetParaField::IpAddress << noRoom.arg(6);
    QTest::newRow("batch ends at the last address")
        << "start=255.255.255.250,count=5" << NetParaField::None << "";
    QTest::newRow("batch carries into the third number")
        << "start=10.0.0.254,count=3" << NetParaField::None << "";
    QTest::newRow("disabled start not checked")
        << "start=,startEnabled=0,mask=,maskEnabled=0" << NetParaField::None << "";
    QTest::newRow("port before mask") << "port=1999,mask=" << NetParaField::Port << portWrong;
    QTest::newRow("disabled port not checked") << "port=,portEnabled=0" << NetParaField::None
                                               << "";
    QTest::newRow("mask before gateway") << "mask=,gateway=" << NetParaField::SubnetMask
                                         << maskEmpty;
    QTest::newRow("gateway before HTTP port") << "gateway=1.2.3.255,http=0"
                                              << NetParaField::Gateway << gatewayWrong;
    QTest::newRow("disabled gateway not checked")
        << "gateway=,gatewayEnabled=0" << NetParaField::None << "";
    QTest::newRow("HTTP port") << "http=0" << NetParaField::HttpPort << httpWrong;
    QTest::newRow("disabled HTTP port not checked")
        << "http=0,httpEnabled=0" << NetParaField::None << "";
}

void NetParaFieldChecksTest::batchForm()
{
    QFETCH(QString, change);
    QFETCH(NetParaField, field);
    QFETCH(QString, message);

    NetParaBatchForm form = validBatch();
    const QStringList changes = change.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &item : changes) {
        const QString key = item.section(QLatin1Char('='), 0, 0);
        const QString value = item.section(QLatin1Char('='), 1);
        const bool on = value == QLatin1String("1");
        if (key == QLatin1String("start"))
            form.startAddress = value;
        else if (key == QLatin1String("port"))
            form.port = value;
        else if (key == QLatin1String("mask"))
            form.subnetMask = value;
        else if (key == QLatin1String("gateway"))
            form.gateway = value;
        else if (key == QLatin1String("http"))
            form.httpPort = value;
        else if (key == QLatin1String("count"))
            form.deviceCount = value.toInt();
        else if (key == QLatin1String("startEnabled"))
            form.startAddressEnabled = on;
        else if (key == QLatin1String("portEnabled"))
            form.portEnabled = on;
        else if (key == QLatin1String("maskEnabled"))
            form.subnetMaskEnabled = on;
        else if (key == QLatin1String("gatewayEnabled"))
            form.gatewayEnabled = on;
        else if (key == QLatin1String("httpEnabled"))
            form.httpPortEnabled = on;
        else
            QFAIL(qPrintable(QStringLiteral("unknown key ") + key));
    }
    const NetParaCheckResult result = checkBatchNetParaForm(form);
    QCOMPARE(result.field, field);
    QCOMPARE(result.message, message);
}

QTEST_GUILESS_MAIN(NetParaFieldChecksTest)
#include "tst_netparafieldchecks.moc"
