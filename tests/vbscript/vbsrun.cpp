// Runs a script file with a WScript object whose Echo prints to standard output, after the
// text of --prelude files; the language cases run through it, and it compares the engine with
// another script host by hand. An error is printed as "name(line, column): text (number)".
#include "vbscript/engine.h"

#include <QCommandLineParser>
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
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addPositionalArgument("file", "The script.", "file.vbs");
    parser.addPositionalArgument("function", "A function to call after loading.", "[function]");
    const QCommandLineOption prelude("prelude", "Script text loaded before the file.", "file");
    parser.addOption(prelude);
    parser.process(app);
    const QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty() || arguments.size() > 2)
        parser.showHelp(2);
    const QStringList files = parser.values(prelude) << arguments.first();
    QString text;
    for (const QString &path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            QTextStream(stderr) << "cannot read " << path << '\n';
            return 2;
        }
        text += QString::fromUtf8(file.readAll()) + QLatin1Char('\n');
    }
    vbscript::Engine engine;
    engine.registerObject(QStringLiteral("WScript"),
                          vbscript::Value(std::make_shared<EchoObject>()));
    vbscript::Outcome outcome = engine.load(text, arguments.first());
    if (outcome && arguments.size() > 1)
        outcome = engine.call(arguments.at(1));
    if (!outcome) {
        QTextStream(stderr) << outcome.error.toString() << '\n';
        return 1;
    }
    return 0;
}
