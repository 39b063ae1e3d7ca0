#ifndef PLATFORM_OUTPUTFILE_DETAIL_H
#define PLATFORM_OUTPUTFILE_DETAIL_H

#include <QString>

// What both systems' output files share, and what each does on its own.
namespace platform::outputfile_detail {

// False for a path that the system's encoding would change.
bool isEncodable(const QString &strPath);

// The path in double quotes, as the reasons name it.
QString quoted(const QString &strPath);

// Per system: writes data to a temporary file beside strPath, syncs it and renames it over the
// path, which outputPathProblem() has let through. False, with the reason, when it could not.
bool replaceFile(const QString &strPath, const QByteArray &data, QString *pstrReason);

// ".ChipsetInstaller-<tag of the file's name>-<six random letters>.tmp": short whatever the
// file's name, and telling whose it is.
QString temporaryNameFor(const QString &strFileName);
bool isTemporaryNameFor(const QString &strCandidate, const QString &strFileName);

} // namespace platform::outputfile_detail

#endif // PLATFORM_OUTPUTFILE_DETAIL_H
