// Runs a script file with a WScript object whose Echo prints to standard output; for
// comparing the engine with another script host by hand.
#include "vbscript/engine.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

namespace {

class EchoObject : public vbscript::HostObject
{
public:
    QString typeName() const override { return QStringLiteral("Object"); }
    vbscript::Value callMethod(const QString &strName, vbscript::Arguments &args) override
    {
        if (!nameIs(strName, QLatin1String("Echo")))
            unsupported(strName);
        QStringList parts;
        for (int i = 0; i < args.count(); ++i)
            parts << (args[i].isNull() ? QString() : args[i].toString());
        QTextStream(stdout) << parts.join(QLatin1Char(' ')) << '\n';
        return vbscript::Value();
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: vbsrun file.vbs [function]\n";
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly))
        return 2;
    vbscript::Engine engine;
    engine.registerObject(QStringLiteral("WScript"),
                          vbscript::Value(std::make_shared<EchoObject>()));
    vbscript::Outcome outcome = engine.load(QString::fromUtf8(file.readAll()), file.fileName());
    if (outcome && argc > 2)
        outcome = engine.call(QString::fromLocal8Bit(argv[2]));
    if (!outcome) {
        QTextStream(stderr) << outcome.error.toString() << '\n';
        return 1;
    }
    return 0;
}
