#include "app/unattendedoptions.h"

#include "engine/catalogtable.h"
#include "engine/modearguments.h"
#include "engine/productcode.h"
#include "platform/outputfile.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

namespace unattended {

namespace {

struct OptionEntry
{
    const char *pszName; // lower case, as the parser knows it
    const char *pszValueName; // none for a switch
    const char *pszHelp; // lines of the help text, "\n" between them
};

const OptionEntry c_aOptions[] = {
        {"quiet", nullptr,
         "no window: install every driver this machine needs, or\n"
         "with /U remove every deployed driver that may be removed"},
        {"passive", nullptr,
         "as /quiet, with the window's progress and result; asks\n"
         "nothing and closes by itself"},
        {"drivers", "<F1,F2,...>", "only these features (for example PCI,SQP)"},
        {"norestart", nullptr, "never restart; exit code 3010 when a restart is due"},
        {"report", "<file>", "write a JSON report of what was found and done"},
        {"log", "<file>", "append the run's steps to this UTF-8 log"},
        {"list", nullptr,
         "detect and report (to standard output without /report);\n"
         "change nothing"},
        {"?", nullptr, "this text (also /h, /help)"},
};
const char *const c_apszHelpAliases[] = {"h", "help"};

const OptionEntry *findOption(const QString &strName)
{
    for (const OptionEntry &entry : c_aOptions) {
        if (strName == QLatin1String(entry.pszName))
            return &entry;
    }
    return nullptr;
}

// The option name a word stands for: led by "--", "-" or "/", in lower case, without a
// "=value" (given back in *pstrValue); none for a word led otherwise.
bool optionWord(const QString &strWord, QString *pstrName, QString *pstrValue = nullptr)
{
    int iLead = 0;
    if (strWord.startsWith(QLatin1String("--")))
        iLead = 2;
    else if (strWord.startsWith(QLatin1Char('-')) || strWord.startsWith(QLatin1Char('/')))
        iLead = 1;
    else
        return false;
    const int iEquals = strWord.indexOf(QLatin1Char('='), iLead);
    *pstrName = strWord.mid(iLead, iEquals < 0 ? -1 : iEquals - iLead).toLower();
    for (const char *pszAlias : c_apszHelpAliases) {
        if (*pstrName == QLatin1String(pszAlias))
            *pstrName = QStringLiteral("?");
    }
    if (pstrValue && iEquals >= 0)
        *pstrValue = strWord.mid(iEquals + 1);
    return true;
}

// Whether a word is one the command line gives a meaning of its own: an option or a mode
// argument. Such a word is never taken as an option's value.
bool isMeaningfulWord(const QString &strWord)
{
    QString strName;
    return ModeArguments::isSmartInstaller(strWord)
            || strWord.compare(ModeArguments::c_uninstall, Qt::CaseInsensitive) == 0
            || (optionWord(strWord, &strName) && findOption(strName));
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

// The words after the mode arguments as the parser reads them: each option as "--name" or
// "--name=value" in lower case, other words as they are. The errors a word makes on its own
// (an unknown option, a misplaced "/U", a missing value) are added in their order;
// *pbAnyOption tells whether any word was led as an option is.
QStringList normalise(const QStringList &lstWords, QStringList *plstErrors, bool *pbAnyOption)
{
    QStringList lstNormal {QStringLiteral("ChipsetInstaller")};
    for (int i = 0; i < lstWords.size(); ++i) {
        const QString &strWord = lstWords.at(i);
        // A second "smartInstaller": the mode is set already.
        if (ModeArguments::isSmartInstaller(strWord))
            continue;
        if (strWord.compare(ModeArguments::c_uninstall, Qt::CaseInsensitive) == 0) {
            plstErrors->append(QStringLiteral("\"%1\": uninstall is \"/U <product code>\", "
                                              "first on the command line")
                                       .arg(strWord));
            continue;
        }
        QString strName;
        QString strValue;
        if (!optionWord(strWord, &strName, &strValue)) {
            lstNormal.append(strWord);
            continue;
        }
        *pbAnyOption = true;
        const OptionEntry *pEntry = findOption(strName);
        if (!pEntry) {
            plstErrors->append(QStringLiteral("unknown option \"%1\"").arg(strWord));
            continue;
        }
        const QString strOption = QStringLiteral("--") + strName;
        if (!pEntry->pszValueName) {
            lstNormal.append(strOption);
            continue;
        }
        if (!strWord.contains(QLatin1Char('='))) {
            if (i + 1 >= lstWords.size() || isMeaningfulWord(lstWords.at(i + 1))) {
                plstErrors->append(QStringLiteral("/%1 needs %2")
                                           .arg(strName, QLatin1String(pEntry->pszValueName)));
                continue;
            }
            strValue = lstWords.at(++i);
        }
        lstNormal.append(strOption + QLatin1Char('=') + strValue);
    }
    return lstNormal;
}

// The file an option names, or an error when the program may not write there.
QString readOutputPath(const QCommandLineParser &parser, const QString &strName, QString *pstrPath)
{
    if (!parser.isSet(strName))
        return QString();
    const QString strPath = parser.value(strName);
    if (const QString strError = platform::outputPathProblem(strPath); !strError.isEmpty())
        return QLatin1Char('/') + strName + QStringLiteral(": ") + strError;
    *pstrPath = strPath;
    return QString();
}

} // namespace

Options parse(const QStringList &lstArguments)
{
    Options options;
    QStringList lstErrors;
    auto fail = [&lstErrors](const QString &strError) {
        if (!strError.isEmpty())
            lstErrors.append(strError);
    };
    // The mode as the window's engine reads it; the options are what that reading leaves.
    const ModeArguments mode = ModeArguments::read(lstArguments);
    options.bSmartInstaller = mode.bSmartInstaller;
    options.bUninstall = mode.bUninstall;
    options.strProductCode = mode.strProductCode;

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionEntry &entry : c_aOptions) {
        QCommandLineOption option(QString::fromLatin1(entry.pszName));
        if (entry.pszValueName)
            option.setValueName(QString::fromLatin1(entry.pszValueName));
        parser.addOption(option);
    }
    bool bAnyOption = false;
    const QStringList lstNormal = normalise(mode.lstOthers, &lstErrors, &bAnyOption);
    if (!parser.parse(lstNormal))
        fail(parser.errorText());

    // The report and the log first: they receive every other error.
    const QString strReportError
            = readOutputPath(parser, QStringLiteral("report"), &options.strReportPath);
    const QString strLogError = readOutputPath(parser, QStringLiteral("log"), &options.strLogPath);
    if (!strReportError.isEmpty())
        lstErrors.prepend(strReportError);
    if (!strLogError.isEmpty())
        lstErrors.prepend(strLogError);

    const QStringList lstGiven = parser.optionNames();
    for (const OptionEntry &entry : c_aOptions) {
        if (lstGiven.count(QString::fromLatin1(entry.pszName)) > 1)
            fail(QStringLiteral("/%1 is given twice").arg(QLatin1String(entry.pszName)));
    }
    for (const QString &strWord : parser.positionalArguments())
        fail(QStringLiteral("unknown option \"%1\"").arg(strWord));

    if (mode.bUninstall && (mode.strProductCode.isEmpty() || isMeaningfulWord(mode.strProductCode)))
        fail(QStringLiteral("/U needs the product code"));
    else if (mode.bUninstall && !ProductCode::isValid(mode.strProductCode))
        fail(QStringLiteral("/U: \"%1\" is not a product code "
                            "({XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX})")
                     .arg(mode.strProductCode));

    options.bNoRestart = parser.isSet(QStringLiteral("norestart"));
    options.bDriversGiven = parser.isSet(QStringLiteral("drivers"));
    if (options.bDriversGiven)
        fail(readFeatures(parser.value(QStringLiteral("drivers")), &options.lstFeatures));

    if (parser.isSet(QStringLiteral("?"))) {
        options.action = Action::Help;
        return options;
    }
    QList<Action> lstActions;
    if (parser.isSet(QStringLiteral("quiet")))
        lstActions.append(Action::Quiet);
    if (parser.isSet(QStringLiteral("passive")))
        lstActions.append(Action::Passive);
    if (parser.isSet(QStringLiteral("list")))
        lstActions.append(Action::List);
    if (lstActions.size() > 1)
        fail(QStringLiteral("/quiet, /passive and /list cannot be given together"));
    else if (lstActions.isEmpty() && !lstGiven.isEmpty())
        fail(QStringLiteral("/drivers, /norestart, /report and /log need /quiet, /passive or "
                            "/list"));
    if (options.bSmartInstaller && !lstActions.isEmpty())
        fail(QStringLiteral("/quiet, /passive and /list do not run for a parent installer "
                            "(smartInstaller)"));
    if (!lstActions.isEmpty())
        options.action = lstActions.first();
    // Without any option the command line is the window's, which reads its mode arguments by
    // its own rules and ignores other plain words.
    if (!bAnyOption)
        lstErrors.clear();
    options.strError = lstErrors.value(0);
    return options;
}

QString usage()
{
    QString strText = QStringLiteral(
            "ChipsetInstaller " PROGRAM_VERSION "\n"
            "ChipsetInstaller [/U <product code>] [options]\n"
            "\n"
            "Without options the installer shows its window. Options (any order, any case, led\n"
            "by /, - or --):\n");
    for (const OptionEntry &entry : c_aOptions) {
        QString strOption = QStringLiteral("  /") + QLatin1String(entry.pszName);
        if (entry.pszValueName)
            strOption += QLatin1Char(' ') + QLatin1String(entry.pszValueName);
        const QStringList lstLines = QString::fromLatin1(entry.pszHelp).split(QLatin1Char('\n'));
        for (const QString &strLine : lstLines) {
            strText += strOption.leftJustified(25) + strLine + QLatin1Char('\n');
            strOption.clear();
        }
    }
    strText += QStringLiteral(
            "\n"
            "Exit codes: 0 success, 3010 success and a restart is due, 1641 success and the\n"
            "restart was started, 1603 the run failed, 1602 the run was cancelled, 1618\n"
            "another installation is in progress, 1633 no driver applies to this machine,\n"
            "1605 the package is not installed or nothing of it may be removed, 87 a\n"
            "command-line error. The setup program's or MsiExec's own 1618, 1602, 3010, 1641\n"
            "and 1605 are passed on; another code after a successful log gives 1603.\n");
    return strText;
}

} // namespace unattended
