#pragma once

#include <QStringList>

#include <memory>

class Environment;
class QTranslator;

// The front-end's texts in the user's interface language: picks the translation compiled in under
// ":/translations" (installer_xx.qm) and installs it on the application. English, the language
// the texts are written in, needs none.
class UiLanguage final
{
public:
    // The first of `uiLanguages` (the user's languages, most preferred first, as "de-DE" or
    // "zh-Hans-CN") that has one of the `available` translations (as "de" or "pt_BR"): the same
    // language and script, the same country where there is a choice. Empty text when English comes
    // first or none has a translation.
    static QString choose(const QStringList &uiLanguages, const QStringList &available);

    // The user's languages, most preferred first: Windows' display languages; elsewhere the
    // entries of LANGUAGE as written, then the locale of LC_ALL, LC_MESSAGES or LANG.
    static QStringList userLanguages(const Environment &environment);

    // The translations compiled in, as "de" or "pt_BR".
    static QStringList available();

    // Installs the chosen translation, and Qt's own where it is deployed, on the application;
    // null when English stays.
    static std::unique_ptr<QTranslator> install(const QStringList &uiLanguages);
};
