#ifndef PAGESTATES_H
#define PAGESTATES_H

#include <QString>

#include <functional>

class PageFixture;

// Called in each state with its name (the window size included) and the page, laid out.
using PageStateCheck = std::function<void(const QString &strState, const PageFixture &page)>;

// Brings the pages into every state a user meets, each in the two window sizes (770 x 470 and
// 795 x 520), and calls check in each: the loading page (checking, its two warnings, its quit
// confirmation), the install page (normal and smart-installer footer, the licence page, the
// quit confirmation, a run in progress with the carousel's captions, the result panels of an
// install), the uninstall page (its run and results) and the error panel of both modes. The
// states are reached through the windows' own functions and signals and real runs of the
// stand-in package. Where the environment
// variable PAGE_STATES_PICTURES names a folder, a picture of each state is saved there.
// The pages' engines read strUiLanguage as Qt.uiLanguage (the translation's code, empty for
// English).
void visitPageStates(const PageStateCheck &check, const QString &strUiLanguage = QString());

#endif // PAGESTATES_H
