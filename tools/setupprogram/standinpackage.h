#ifndef STANDINPACKAGE_H
#define STANDINPACKAGE_H

#include <QFile>
#include <QString>
#include <QStringList>
#include <QTextStream>

// What the stand-in package setup program and the stand-in MsiExec share: the product's
// registration, its registry values, its installed files and the verbose log they write.
namespace standin {

QString productCode();
// "Uninstall\{product code}": present while the product is installed.
QString registrationKey();
// The package key, chosen by the processor architecture.
QString packageKey();
// The key whose subkeys are the installed products.
QString productsKey();
// The folder that holds one file per installed feature.
QString installationFolder();

// How the machine description's "package" entry says a run ends.
struct Behaviour
{
    int iResult = 0;
    QString strRebootStatus = QStringLiteral("NO");
    int iSeconds = 0;
    int iOutputMegabytes = 0; // written to standard output and to standard error each
};
Behaviour behaviour();
// Writes as much output as the behaviour says, then waits as long as it says.
void spendTime(const Behaviour &behaviour);

// Deployed features, "Drivers" first; empty when the product is not installed.
QStringList deployedFeatures();
// The catalog's product name for a feature; empty when the feature has no product of its own.
QString productName(const QString &strFeature);
QString displayName(const QString &strFeature);

// Records the features as installed: files, product keys with versions, deployed list.
void installFeatures(const QStringList &lstFeatures, const QString &strInfoPath);
// Takes the features away again; the product registration stays.
void removeFeatures(const QStringList &lstFeatures);
// Removes what is left of the product, its registration included.
void removeProduct();

// A Windows Installer style verbose log, replaced on every run. Lines end in CR LF and reach
// the file as they are written.
class VerboseLog
{
public:
    VerboseLog(const QString &strPath, const QString &strCallingProcess);
    void write(const QString &strMessage, bool bServer = true);
    // Writes the closing lines with the result code.
    void finish(int iResult);

private:
    QFile m_file;
    QTextStream m_stream;
};

} // namespace standin

#endif // STANDINPACKAGE_H
