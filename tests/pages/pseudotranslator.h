#ifndef PSEUDOTRANSLATOR_H
#define PSEUDOTRANSLATOR_H

#include <QTranslator>

// A pseudo-language made as texts are looked up: every text of the program in brackets, with
// accented letters, and longer than its source, as translations are (by 40 %; short texts,
// like a button's caption, by 70 % to 100 %). Arguments (%1, %n) and markup stay as they are.
class PseudoTranslator : public QTranslator
{
public:
    static QString pseudo(const QString &strSource);

    bool isEmpty() const override { return false; }
    QString translate(const char *pszContext, const char *pszSource,
                      const char *pszDisambiguation = nullptr, int n = -1) const override;
};

#endif // PSEUDOTRANSLATOR_H
