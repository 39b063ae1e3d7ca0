// Times the conversion of numeric strings to numbers for several forms and prints the time per
// conversion.
#include "vbscript/numbertext.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    constexpr int c_iRounds = 1000000;
    const QStringList forms
            = {"17110", "17,110", " 12345.678 ",           "($1,234.56)", "1.5e2",
               "12-",   "&H7FFF", "0.1234567890123456789", "1,000,000e3", "not a number"};
    for (const QString &form : forms) {
        double dSum = 0;
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < c_iRounds; ++i) {
            double d = 0;
            if (vbscript::parseNumber(form, d) == vbscript::NumberText::Number)
                dSum += d;
        }
        const double dNanoseconds = double(timer.nsecsElapsed()) / c_iRounds;
        out << qSetFieldWidth(24) << Qt::left << ('"' + form + '"') << qSetFieldWidth(0)
            << QString::number(dNanoseconds, 'f', 1) << " ns (sum " << dSum << ")\n";
    }
    return 0;
}
