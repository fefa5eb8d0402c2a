#include "backend/installcommand.h"

#include "backend/drivercatalogue.h"

#include "backend/logging.h"

#include <QRegularExpression>

namespace {

bool isTicked(const QVector<qint32> &ticks, int index)
{
    return ticks.value(index, 0) == 1;
}

bool isNameCharacter(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
        || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('_') || c == QLatin1Char('.');
}

bool isPropertyName(const QString &name)
{
    if (name.isEmpty())
        return false;
    for (QChar c : name) {
        if (!isNameCharacter(c))
            return false;
    }
    return true;
}

QString withoutSlashes(QString text)
{
    return text.remove(QLatin1Char('/'));
}

} // namespace

bool InstallCommand::isFeatureKey(const QString &key)
{
    const QChar first = key.isEmpty() ? QChar() : key.at(0);
    const bool startsWell = first == QLatin1Char('_') || (first.isLetter() && first.unicode() < 128);
    return startsWell && isPropertyName(key);
}

bool InstallCommand::isProductCode(const QString &code)
{
    static const QRegularExpression guid(QRegularExpression::anchoredPattern(
        QStringLiteral("\\{[0-9A-Fa-f]{8}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{12}\\}")));
    return guid.match(code).hasMatch();
}

InstallCommand InstallCommand::install(const QString &setupProgram, const QStringList &switches,
                                       const QVector<qint32> &ticks, const InstalledTest &isInstalled)
{
    InstallCommand command;
    bool shownChoice = false;
    for (int i = 0; i < switches.size(); ++i)
        shownChoice = shownChoice || (isTicked(ticks, i) && DriverCatalogue::knows(switches.at(i)));
    if (!shownChoice)
        return command;
    QVector<bool> wellFormed(switches.size(), false);
    for (int i = 0; i < switches.size(); ++i) {
        if (!isTicked(ticks, i))
            continue;
        const QString &componentSwitch = switches.at(i);
        const QString property = withoutSlashes(componentSwitch);
        // A switch that is no property name could add arguments or properties; one without "/SET"
        // names no driver and would set another installer property ("/REMOVE", "/ADDLOCAL").
        if (!componentSwitch.startsWith(QLatin1String("/SET")) || !isPropertyName(property)
            || !isFeatureKey(DriverCatalogue::featureKey(componentSwitch))) {
            qCDebug(lcProcess).noquote() << "leaving out malformed switch" << componentSwitch;
            continue;
        }
        wellFormed[i] = true;
        command.properties += property + QStringLiteral("=YES ");
    }

    // Every row asks the installed test, as the documented composition does;
    // one "not installed" answer leaves ADDLOCAL out altogether.
    QStringList addLocalKeys;
    bool installed = true;
    for (int i = 0; i < switches.size(); ++i) {
        if (!isInstalled(i)) {
            installed = false;
            addLocalKeys.clear();
            continue;
        }
        if (!installed || !wellFormed.at(i))
            continue;
        const QString key = DriverCatalogue::featureKey(switches.at(i));
        addLocalKeys << key;
        qCDebug(lcProcess).noquote() << "adding " << key << "to addlocal";
        qCDebug(lcProcess).noquote() << QStringLiteral("ADDLOCAL=") + addLocalKeys.join(QLatin1Char(','));
    }

    // With nothing to add locally the property is left out: "ADDLOCAL" alone
    // would be a malformed assignment.
    const QString addLocal = addLocalKeys.isEmpty()
        ? QString()
        : QStringLiteral("ADDLOCAL=") + addLocalKeys.join(QLatin1Char(',')) + QLatin1Char(' ');
    const QString quoted = QStringLiteral("QTLAUNCH=1 ") + command.properties + addLocal + QStringLiteral("/qr");

    command.text = QLatin1Char('"') + setupProgram + QStringLiteral("\" /S /v\"") + quoted + QStringLiteral("\" /clone_wait");
    command.program = setupProgram;
    command.arguments = QStringList{QStringLiteral("/S"), QStringLiteral("/v") + quoted, QStringLiteral("/clone_wait")};
    return command;
}

InstallCommand InstallCommand::removal(const QString &msiExecPath, const QString &productCode,
                                       const QStringList &features, const QVector<qint32> &ticks)
{
    InstallCommand command;
    command.program = msiExecPath;

    bool everyTick = true;
    for (qint32 tick : ticks) {
        if (tick == 0) {
            everyTick = false;
            break;
        }
    }
    if (everyTick) {
        command.text = msiExecPath + QStringLiteral(" /x ") + productCode + QStringLiteral(" REMOVE=ALL /qn");
        command.arguments = QStringList{QStringLiteral("/x"), productCode, QStringLiteral("REMOVE=ALL"), QStringLiteral("/qn")};
        return command;
    }

    QStringList keys;
    for (int i = 0; i < features.size(); ++i) {
        if (!isTicked(ticks, i))
            continue;
        if (!isFeatureKey(features.at(i))) {
            qCDebug(lcProcess).noquote() << "leaving out malformed feature" << features.at(i);
            continue;
        }
        keys << features.at(i);
    }
    command.arguments = QStringList{QStringLiteral("/i"), productCode};
    // Nothing ticked: no REMOVE at all rather than the malformed " REMOVE".
    if (!keys.isEmpty()) {
        command.properties = QStringLiteral(" REMOVE=") + keys.join(QLatin1Char(','));
        command.arguments << command.properties.mid(1);
    }
    command.arguments << QStringLiteral("/qn");
    command.text = msiExecPath + QStringLiteral(" /i ") + productCode + command.properties + QStringLiteral(" /qn");
    return command;
}
