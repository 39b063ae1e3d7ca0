#include "platform/scripthost/realmachine.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QRegularExpression>
#include <QSysInfo>

namespace vbscript::hosts {

namespace {

constexpr int c_iMaxEntries = 4096; // per bus
constexpr qint64 c_iMaxAttributeSize = 256;

// One sysfs attribute, trimmed; empty when it cannot be read.
QString readAttribute(const QString &strPath)
{
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(file.read(c_iMaxAttributeSize)).trimmed();
}

bool readHex(const QString &strPath, uint &iValue, uint iMax)
{
    bool bOk = false;
    QString text = readAttribute(strPath);
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        text = text.mid(2);
    iValue = text.toUInt(&bOk, 16);
    return bOk && iValue <= iMax;
}

QString hex(uint iValue, int iWidth)
{
    return QStringLiteral("%1").arg(iValue, iWidth, 16, QLatin1Char('0')).toUpper();
}

QStringList entries(const QString &strFolder)
{
    QStringList names = QDir(strFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    if (names.size() > c_iMaxEntries)
        names = names.mid(0, c_iMaxEntries);
    return names;
}

QJsonObject device(const QString &strDeviceId, const QString &strName)
{
    return QJsonObject {{QStringLiteral("DeviceID"), strDeviceId},
                        {QStringLiteral("PNPDeviceID"), strDeviceId},
                        {QStringLiteral("Name"), strName},
                        {QStringLiteral("Caption"), strName}};
}

QString pciClassName(uint iClass)
{
    switch (iClass >> 8) {
    case 0x0100:
        return QStringLiteral("SCSI controller");
    case 0x0101:
        return QStringLiteral("IDE controller");
    case 0x0104:
        return QStringLiteral("RAID controller");
    case 0x0106:
        return QStringLiteral("SATA controller");
    case 0x0107:
        return QStringLiteral("SAS controller");
    case 0x0108:
        return QStringLiteral("NVM Express controller");
    case 0x0200:
        return QStringLiteral("Ethernet controller");
    case 0x0280:
        return QStringLiteral("Network controller");
    case 0x0604:
        return QStringLiteral("PCI bridge");
    case 0x0805:
        return QStringLiteral("SD host controller");
    case 0x0C03:
        return QStringLiteral("USB controller");
    case 0x0C05:
        return QStringLiteral("SMBus controller");
    default:
        return QStringLiteral("PCI device");
    }
}

struct DeviceLists
{
    QJsonArray pnp, usb, scsi, ide, network;
};

// "0000:00:14.0" -> "3&000000&0&A0", in the manner of a Windows instance path.
QString pciInstance(const QString &strAddress)
{
    static const QRegularExpression pattern(
            QStringLiteral("^([0-9a-fA-F]{4}):([0-9a-fA-F]{2}):([0-9a-fA-F]{2})\\.([0-7])$"));
    const QRegularExpressionMatch match = pattern.match(strAddress);
    if (!match.hasMatch())
        return QStringLiteral("3&0&0&0");
    const uint iDevFn = (match.captured(3).toUInt(nullptr, 16) << 3) | match.captured(4).toUInt();
    return QStringLiteral("3&") + match.captured(1).toUpper() + match.captured(2).toUpper()
            + QStringLiteral("&0&") + hex(iDevFn, 2);
}

void addPciDevices(const QString &strSysRoot, DeviceLists &lists)
{
    const QString folder = strSysRoot + QStringLiteral("/bus/pci/devices");
    for (const QString &name : entries(folder)) {
        const QString path = folder + QLatin1Char('/') + name + QLatin1Char('/');
        uint iVendor = 0, iDevice = 0, iSubVendor = 0, iSubDevice = 0, iRevision = 0, iClass = 0;
        if (!readHex(path + QStringLiteral("vendor"), iVendor, 0xFFFF)
            || !readHex(path + QStringLiteral("device"), iDevice, 0xFFFF))
            continue;
        readHex(path + QStringLiteral("subsystem_vendor"), iSubVendor, 0xFFFF);
        readHex(path + QStringLiteral("subsystem_device"), iSubDevice, 0xFFFF);
        readHex(path + QStringLiteral("revision"), iRevision, 0xFF);
        readHex(path + QStringLiteral("class"), iClass, 0xFFFFFF);

        const QString deviceId
                = QStringLiteral("PCI\\VEN_%1&DEV_%2&SUBSYS_%3%4&REV_%5\\%6")
                          .arg(hex(iVendor, 4), hex(iDevice, 4), hex(iSubDevice, 4),
                               hex(iSubVendor, 4), hex(iRevision, 2), pciInstance(name));
        const QString deviceName = pciClassName(iClass)
                + QStringLiteral(" (%1:%2)").arg(hex(iVendor, 4), hex(iDevice, 4));
        const QJsonObject entry = device(deviceId, deviceName);
        lists.pnp.append(entry);
        switch (iClass >> 8) {
        case 0x0C03:
            lists.usb.append(entry);
            break;
        case 0x0100:
        case 0x0104:
        case 0x0107:
        case 0x0108:
            lists.scsi.append(entry);
            break;
        case 0x0101:
        case 0x0106:
        case 0x0805:
            lists.ide.append(entry);
            break;
        default:
            if ((iClass >> 16) == 0x02) {
                // A network adapter's DeviceID is its index; the hardware path is PNPDeviceID.
                QJsonObject adapter = entry;
                adapter.insert(QStringLiteral("DeviceID"), QString::number(lists.network.size()));
                lists.network.append(adapter);
            }
        }
    }
}

void addAcpiDevices(const QString &strSysRoot, DeviceLists &lists)
{
    static const QRegularExpression validHid(QStringLiteral("^[A-Za-z0-9_]{1,16}$"));
    static const QRegularExpression validUid(QStringLiteral("^[A-Za-z0-9_.-]{1,32}$"));
    const QString folder = strSysRoot + QStringLiteral("/bus/acpi/devices");
    for (const QString &name : entries(folder)) {
        const QString path = folder + QLatin1Char('/') + name + QLatin1Char('/');
        const QString hid = readAttribute(path + QStringLiteral("hid"));
        if (!validHid.match(hid).hasMatch() || hid.startsWith(QLatin1String("LNX")))
            continue;
        uint iStatus = 0;
        if (QFile::exists(path + QStringLiteral("status"))
            && readHex(path + QStringLiteral("status"), iStatus, 0xFFFFFFFF) && !(iStatus & 1))
            continue; // not present
        QString uid = readAttribute(path + QStringLiteral("uid"));
        if (!validUid.match(uid).hasMatch())
            uid = QStringLiteral("0");
        QString description = readAttribute(path + QStringLiteral("description"));
        if (description.isEmpty())
            description = QStringLiteral("ACPI device ") + hid;
        lists.pnp.append(device(QStringLiteral("ACPI\\") + hid.toUpper() + QLatin1Char('\\') + uid,
                                description));
    }
}

void addUsbRootHubs(const QString &strSysRoot, DeviceLists &lists)
{
    const QString folder = strSysRoot + QStringLiteral("/bus/usb/devices");
    for (const QString &name : entries(folder)) {
        if (!name.startsWith(QLatin1String("usb")))
            continue;
        bool bOk = false;
        const uint iBus = name.mid(3).toUInt(&bOk);
        if (!bOk || iBus > 0xFFFF)
            continue;
        const uint iSpeed
                = readAttribute(folder + QLatin1Char('/') + name + QStringLiteral("/speed"))
                          .toUInt();
        const bool bUsb3 = iSpeed >= 5000;
        const QString deviceId = (bUsb3 ? QStringLiteral("USB\\ROOT_HUB30\\4&")
                                        : QStringLiteral("USB\\ROOT_HUB20\\4&"))
                + hex(iBus, 4) + QStringLiteral("&0&0");
        const QJsonObject entry = device(deviceId,
                                         bUsb3 ? QStringLiteral("USB Root Hub (USB 3.0)")
                                               : QStringLiteral("USB Root Hub"));
        lists.pnp.append(entry);
        lists.usb.append(entry);
    }
}

} // namespace

QJsonObject realOperatingSystem(const QString &strOsReleasePath)
{
    QString strCaption, strVersion, strBuild;
    QFile file(strOsReleasePath);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        const QStringList lines = QString::fromUtf8(file.read(64 * 1024)).split(QLatin1Char('\n'));
        for (const QString &line : lines) {
            const int iEquals = line.indexOf(QLatin1Char('='));
            if (iEquals <= 0)
                continue;
            const QString key = line.left(iEquals).trimmed();
            QString value = line.mid(iEquals + 1).trimmed();
            if (value.size() >= 2
                && (value.startsWith(QLatin1Char('"')) || value.startsWith(QLatin1Char('\'')))
                && value.endsWith(value.at(0)))
                value = value.mid(1, value.size() - 2);
            if (key == QLatin1String("PRETTY_NAME"))
                strCaption = value;
            else if (key == QLatin1String("NAME") && strCaption.isEmpty())
                strCaption = value;
            else if (key == QLatin1String("VERSION_ID"))
                strVersion = value;
            else if (key == QLatin1String("BUILD_ID"))
                strBuild = value;
        }
    }
    if (strCaption.isEmpty())
        strCaption = QSysInfo::prettyProductName();
    if (strVersion.isEmpty())
        strVersion = QSysInfo::kernelVersion();
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    if (!digits.match(strBuild).hasMatch())
        strBuild = QStringLiteral("0");
    return QJsonObject {{QStringLiteral("Caption"), strCaption},
                        {QStringLiteral("Version"), strVersion},
                        {QStringLiteral("BuildNumber"), strBuild}};
}

QJsonObject realDevices(const QString &strSysRoot)
{
    DeviceLists lists;
    addPciDevices(strSysRoot, lists);
    addAcpiDevices(strSysRoot, lists);
    addUsbRootHubs(strSysRoot, lists);
    return QJsonObject {{QStringLiteral("Win32_PnPEntity"), lists.pnp},
                        {QStringLiteral("Win32_USBHub"), lists.usb},
                        {QStringLiteral("Win32_SCSIController"), lists.scsi},
                        {QStringLiteral("Win32_IDEController"), lists.ide},
                        {QStringLiteral("Win32_NetworkAdapter"), lists.network}};
}

} // namespace vbscript::hosts
