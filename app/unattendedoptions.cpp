#include "app/unattendedoptions.h"

#include "engine/catalogtable.h"
#include "engine/modearguments.h"
#include "engine/productcode.h"
#include "platform/outputfile.h"

namespace unattended {

namespace {

enum class Option { Quiet, Drivers, NoRestart, Report, List, Help };

struct OptionEntry
{
    const char *pszName;
    Option option;
    const char *pszValueName; // none for a switch
};

const OptionEntry c_aOptions[] = {
        {"/quiet", Option::Quiet, nullptr},
        {"/drivers", Option::Drivers, "a list of features"},
        {"/norestart", Option::NoRestart, nullptr},
        {"/report", Option::Report, "a file name"},
        {"/list", Option::List, nullptr},
        {"/?", Option::Help, nullptr},
};

const OptionEntry *findOption(const QString &strArgument)
{
    for (const OptionEntry &entry : c_aOptions) {
        if (strArgument.compare(QLatin1String(entry.pszName), Qt::CaseInsensitive) == 0)
            return &entry;
    }
    return nullptr;
}

// The uninstall switch in any case, which the mode arguments take only first and exact.
bool isUninstallSwitch(const QString &strArgument)
{
    return strArgument.compare(ModeArguments::c_uninstall, Qt::CaseInsensitive) == 0;
}

// The value after an option: none when the command line ends or goes on with another option.
bool takeValue(const QStringList &lstArguments, int &i, QString *pValue)
{
    const QString strNext = lstArguments.value(i + 1);
    if (i + 1 >= lstArguments.size() || findOption(strNext)
        || ModeArguments::isSmartInstaller(strNext) || isUninstallSwitch(strNext))
        return false;
    *pValue = lstArguments.at(++i);
    return true;
}

// The features of a "/drivers" list in the catalog's spelling; an error text when the list is
// not a clean comma-separated list of catalog features.
QString readFeatures(const QString &strList, QStringList *pFeatures)
{
    for (const QString &strName : strList.split(QLatin1Char(','), Qt::KeepEmptyParts)) {
        if (strName.isEmpty())
            return QStringLiteral("/drivers: the list \"%1\" has an empty name").arg(strList);
        for (const QChar c : strName) {
            if (c.isSpace())
                return QStringLiteral("/drivers: \"%1\" has a blank in it").arg(strName);
        }
        QString strFeature;
        for (const CatalogRow &row : catalogRows()) {
            const QString strCatalogFeature = featureOf(QLatin1String(row.pszSwitch));
            if (strCatalogFeature.compare(strName, Qt::CaseInsensitive) == 0)
                strFeature = strCatalogFeature;
        }
        if (strFeature.isEmpty())
            return QStringLiteral("/drivers: \"%1\" is not a driver of this package").arg(strName);
        if (pFeatures->contains(strFeature))
            return QStringLiteral("/drivers: \"%1\" is named twice").arg(strName);
        pFeatures->append(strFeature);
    }
    return QString();
}

} // namespace

bool isRequested(const QStringList &lstArguments)
{
    for (const QString &strArgument : lstArguments) {
        if (findOption(strArgument))
            return true;
    }
    return false;
}

Options parse(const QStringList &lstArguments)
{
    Options options;
    QList<Option> lstSeen;
    auto fail = [&options](const QString &strError) {
        if (options.strError.isEmpty())
            options.strError = strError;
    };
    // The mode as the window's engine reads it; the options are what that reading leaves.
    const ModeArguments mode = ModeArguments::read(lstArguments);
    options.bSmartInstaller = mode.bSmartInstaller;
    options.bUninstall = mode.bUninstall;
    options.strProductCode = mode.strProductCode;
    const QStringList &lstOptions = mode.lstOthers;
    for (int i = 0; i < lstOptions.size() && options.strError.isEmpty(); ++i) {
        const QString &strArgument = lstOptions.at(i);
        // A second "smartInstaller": the mode is set already.
        if (ModeArguments::isSmartInstaller(strArgument))
            continue;
        if (isUninstallSwitch(strArgument)) {
            fail(QStringLiteral("\"%1\": uninstall is \"/U <product code>\", first on the "
                                "command line")
                         .arg(strArgument));
            break;
        }
        const OptionEntry *pSpec = findOption(strArgument);
        if (!pSpec) {
            fail(QStringLiteral("unknown option \"%1\"").arg(strArgument));
            break;
        }
        if (lstSeen.contains(pSpec->option)) {
            fail(QStringLiteral("%1 is given twice").arg(QLatin1String(pSpec->pszName)));
            break;
        }
        lstSeen.append(pSpec->option);
        QString strValue;
        if (pSpec->pszValueName && !takeValue(lstOptions, i, &strValue)) {
            fail(QStringLiteral("%1 needs %2")
                         .arg(QLatin1String(pSpec->pszName), QLatin1String(pSpec->pszValueName)));
            break;
        }
        switch (pSpec->option) {
        case Option::Quiet:
        case Option::List:
        case Option::Help:
            break;
        case Option::NoRestart:
            options.bNoRestart = true;
            break;
        case Option::Drivers:
            options.bDriversGiven = true;
            fail(readFeatures(strValue, &options.lstFeatures));
            break;
        case Option::Report:
            // A report that cannot be written, or only where someone else points it, is not
            // attempted.
            if (const QString strError = platform::outputPathProblem(strValue); strError.isEmpty())
                options.strReportPath = strValue;
            else
                fail(QStringLiteral("/report: ") + strError);
            break;
        }
    }

    if (mode.bUninstall && (mode.strProductCode.isEmpty() || findOption(mode.strProductCode)))
        fail(QStringLiteral("/U needs the product code"));
    else if (mode.bUninstall && !ProductCode::isValid(mode.strProductCode))
        fail(QStringLiteral("/U: \"%1\" is not a product code "
                            "({XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX})")
                     .arg(mode.strProductCode));

    if (lstSeen.contains(Option::Help)) {
        options.action = Action::Help;
        options.strError.clear();
        return options;
    }
    const bool bQuiet = lstSeen.contains(Option::Quiet);
    const bool bList = lstSeen.contains(Option::List);
    if (bQuiet && bList)
        fail(QStringLiteral("/quiet and /list cannot be given together"));
    else if (!bQuiet && !bList && !lstSeen.isEmpty())
        fail(QStringLiteral("/drivers, /norestart and /report need /quiet or /list"));
    if (options.bSmartInstaller && (bQuiet || bList))
        fail(QStringLiteral("/quiet and /list do not run for a parent installer (smartInstaller)"));
    if (bQuiet)
        options.action = Action::Quiet;
    else if (bList)
        options.action = Action::List;
    return options;
}

QString usage()
{
    return QStringLiteral(
            "ChipsetInstaller [/U <product code>] [options]\n"
            "\n"
            "Without options the installer shows its window. Options (any order, any case):\n"
            "  /quiet                 no window: install every driver this machine needs, or\n"
            "                         with /U remove every deployed driver that may be removed\n"
            "  /drivers <F1,F2,...>   only these features (for example PCI,SQP)\n"
            "  /norestart             never restart; exit code 3010 when a restart is due\n"
            "  /report <file>         write a JSON report of what was found and done\n"
            "  /list                  detect and report (to standard output without /report);\n"
            "                         change nothing\n"
            "  /?                     this text\n"
            "\n"
            "Exit codes: 0 success, 3010 success and a restart is due, 1641 success and the\n"
            "restart was started, 1603 the run failed, 1618 another copy is running, 1633 no\n"
            "driver applies to this machine, 1605 nothing installed that may be removed,\n"
            "87 a command-line error.\n");
}

} // namespace unattended
