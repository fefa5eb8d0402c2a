#include "app/uilanguage.h"

#include "platform/environment.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const QString kTranslationDir = QStringLiteral(":/translations");
const QString kPrefix = QStringLiteral("installer_");
const QString kSuffix = QStringLiteral(".qm");

} // namespace

QString UiLanguage::choose(const QStringList &uiLanguages, const QStringList &available)
{
    for (const QString &name : uiLanguages) {
        const QLocale wanted(name);
        if (wanted.language() == QLocale::English)
            return {};
        QString sameLanguage;
        for (const QString &candidate : available) {
            const QLocale offered(candidate);
            if (offered.language() != wanted.language() || offered.script() != wanted.script())
                continue;
            if (offered.country() == wanted.country())
                return candidate;
            if (sameLanguage.isEmpty())
                sameLanguage = candidate;
        }
        // Portuguese from Portugal reads Brazilian Portuguese more easily than English.
        if (!sameLanguage.isEmpty())
            return sameLanguage;
    }
    return {};
}

QStringList UiLanguage::userLanguages(const Environment &environment)
{
#if defined(Q_OS_WIN)
    Q_UNUSED(environment)
    return QLocale::system().uiLanguages();
#else
    // Qt takes "zh-Hant" in LANGUAGE for a bare "zh", which reads as Simplified Chinese: each
    // entry is kept whole here, for QLocale to read with its script.
    QStringList languages = environment.value(QStringLiteral("LANGUAGE")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString locale = environment.value(QLatin1String(name));
        if (!locale.isEmpty()) {
            // "pt_PT.UTF-8@euro" names pt_PT.
            languages << locale.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
            break;
        }
    }
    return languages;
#endif
}

QStringList UiLanguage::available()
{
    // Matched here rather than by a name filter, which QDir turns into a regular expression:
    // that would load and compile the pattern library before the window's first frame.
    QStringList names;
    const QStringList files = QDir(kTranslationDir).entryList(QDir::Files);
    for (const QString &file : files) {
        if (file.size() > kPrefix.size() + kSuffix.size() && file.startsWith(kPrefix) && file.endsWith(kSuffix))
            names << file.mid(kPrefix.size(), file.size() - kPrefix.size() - kSuffix.size());
    }
    return names;
}

std::unique_ptr<QTranslator> UiLanguage::install(const QStringList &uiLanguages)
{
    const QString language = choose(uiLanguages, available());
    if (language.isEmpty())
        return nullptr;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(kPrefix + language, kTranslationDir))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    // Qt's own texts, such as the message box's buttons, where Qt's translations are deployed
    // (windeployqt puts them beside the executable). Goes with ours, as its child.
    auto *qtTranslator = new QTranslator(translator.get());
    if (qtTranslator->load(QStringLiteral("qt_") + language, QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTranslator);
    return translator;
}
