#ifndef TESTS_DETECTIONMACHINE_H
#define TESTS_DETECTIONMACHINE_H

#include "engine/detectionhost.h"
#include "standinmachine.h"

#include <QDomDocument>
#include <QJsonArray>

// A stand-in machine with an operating system, devices and a package description, on which
// the detection script runs.
class DetectionMachine : public StandInMachine
{
public:
    DetectionMachine(const QString &strCaption, const QString &strVersion)
    {
        m_os = QJsonObject {{"Caption", strCaption}, {"Version", strVersion}};
        for (const char *name : {"Win32_PnPEntity", "Win32_USBHub", "Win32_SCSIController",
                                 "Win32_IDEController", "Win32_NetworkAdapter"})
            m_devices.insert(name, QJsonArray());
    }

    static DetectionMachine windows7() { return {"Microsoft Windows 7 Professional", "6.1.7601"}; }
    static DetectionMachine windows81() { return {"Microsoft Windows 8.1 Pro", "6.3.9600"}; }
    static DetectionMachine windows10() { return {"Microsoft Windows 10 Pro", "10.0.19045"}; }
    static DetectionMachine server2016()
    {
        return {"Microsoft Windows Server 2016 Standard", "10.0.14393"};
    }

    void setArchitecture(const QString &strArchitecture)
    {
        m_os.insert("cpuArchitecture", strArchitecture);
    }

    void setBuildNumber(const QString &strBuildNumber)
    {
        m_os.insert("BuildNumber", strBuildNumber);
    }

    void addDevice(const QString &strClass, const QString &strDeviceId,
                   const QString &strName = QStringLiteral("Zorva device"))
    {
        QJsonArray list = m_devices.value(strClass).toArray();
        list.append(QJsonObject {{"DeviceID", strDeviceId}, {"Name", strName}});
        m_devices.insert(strClass, list);
    }
    void addPnp(const QString &strDeviceId) { addDevice("Win32_PnPEntity", strDeviceId); }

    // Writes info.xml with one Product per name, in order; answers its path.
    QString writeInfo(const QStringList &products) const
    {
        QDomDocument document;
        QDomElement root = document.createElement("Products");
        document.appendChild(root);
        for (const QString &name : products) {
            QDomElement product = document.createElement("Product");
            QDomElement nameElement = document.createElement("Name");
            nameElement.appendChild(document.createTextNode(name));
            product.appendChild(nameElement);
            QDomElement version = document.createElement("Version");
            version.appendChild(document.createTextNode("1.0.0.1"));
            product.appendChild(version);
            root.appendChild(product);
        }
        QDir(drive()).mkpath("Bin");
        writeFile(infoPath(), document.toByteArray(4));
        return infoPath();
    }
    QString infoPath() const { return drive() + "/Bin/info.xml"; }

    // Runs GetDeviceId on the described machine; an invalid reply when it gave none.
    QVariant detect(const QString &strInfoPath) const
    {
        writeDescription(QJsonObject {{"os", m_os}, {"devices", m_devices}});
        QObject owner;
        return detection::runDetectionScript(&owner, strInfoPath).reply;
    }
    QString detect() const { return detect(infoPath()).toString(); }

    QString logPath() const
    {
        return drive() + "/Zorva/Chipset_Driver_Installer/Logs/Device_ID.log";
    }
    // The log's messages, without the date and time before " :: ".
    QStringList logMessages() const
    {
        QStringList messages;
        for (const QString &line :
             QString::fromLocal8Bit(readFile(logPath())).split("\r\n", Qt::SkipEmptyParts))
            messages << line.section(" :: ", 1);
        return messages;
    }

private:
    QJsonObject m_os;
    QJsonObject m_devices;
};

// The product names the output table knows, in its order.
inline QStringList allProducts()
{
    return {"Zorva QW4 ACPI Driver",
            "Zorva Quill Power Plan",
            "Zorva SMBUS Driver",
            "Zorva USB 3.0 Driver for RQ",
            "CW USB 3.1 Driver",
            "Zorva USB 3.1 Driver",
            "Zorva PCI Device Driver",
            "Zorva I2C Driver",
            "Zorva UART Driver",
            "Zorva GPIO2 Driver",
            "CW GPIO Driver",
            "Zorva SQP Driver",
            "Zorva IOV Driver",
            "Zorva SRH I2C Driver",
            "Zorva VK_RAID Driver",
            "Zorva VK_RAIDWarden2 Utility",
            "Zorva SRH Driver",
            "Zorva SATA Driver",
            "Zorva USB Driver for Merrow",
            "Zorva RAID Driver for Tessel",
            "Zorva RAIDWarden Utility for Tessel",
            "Zorva USB Filter Driver",
            "Zorva CIR Driver",
            "Zorva SPI Driver",
            "Zorva CXP Driver",
            "Zorva Graphics Driver",
            "Zorva MicroPEP Driver",
            "Zorva Gigabit Ethernet Driver"};
}

#endif // TESTS_DETECTIONMACHINE_H
