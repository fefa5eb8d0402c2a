#include "commandshape.h"

#include "backend/drivercatalogue.h"

namespace {

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// Every entry of a comma list is a name out of `allowed`.
QString listFault(const QString &list, const QStringList &allowed)
{
    for (const QString &key : list.split(QLatin1Char(','), Qt::KeepEmptyParts)) {
        if (!CommandShape::isName(key))
            return QStringLiteral("malformed key ") + quoted(key);
        if (!allowed.contains(key))
            return QStringLiteral("key not ticked: ") + quoted(key);
    }
    return QString();
}

} // namespace

bool CommandShape::isName(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        const bool ok = (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('_') || c == QLatin1Char('.');
        if (!ok)
            return false;
    }
    return true;
}

QString CommandShape::installFault(const QStringList &arguments, const QStringList &tickedSwitches)
{
    if (arguments.size() != 3 || arguments.at(0) != QLatin1String("/S") || arguments.at(2) != QLatin1String("/clone_wait"))
        return QStringLiteral("not [/S, /v..., /clone_wait]: ") + arguments.join(QLatin1Char('|'));
    const QString v = arguments.at(1);
    if (!v.startsWith(QLatin1String("/vQTLAUNCH=1 ")) || !v.endsWith(QLatin1String(" /qr")))
        return QStringLiteral("/v argument not QTLAUNCH=1 ... /qr: ") + quoted(v);

    QStringList names;
    QStringList keys;
    for (const QString &componentSwitch : tickedSwitches) {
        names << QString(componentSwitch).remove(QLatin1Char('/'));
        keys << DriverCatalogue::featureKey(componentSwitch);
    }
    // Blanks separate the properties, so the tokens between the fixed first
    // and last one are all the text from outside can have become.
    const QStringList tokens = v.mid(2).split(QLatin1Char(' '), Qt::KeepEmptyParts);
    bool addLocalSeen = false;
    for (int i = 1; i < tokens.size() - 1; ++i) {
        const QString &token = tokens.at(i);
        if (token.endsWith(QLatin1String("=YES"))) {
            const QString name = token.chopped(4);
            if (isName(name) && names.contains(name))
                continue;
        }
        if (token.startsWith(QLatin1String("ADDLOCAL=")) && !addLocalSeen) {
            addLocalSeen = true;
            const QString fault = listFault(token.mid(9), keys);
            if (!fault.isEmpty())
                return QStringLiteral("ADDLOCAL: ") + fault + QStringLiteral(" in ") + quoted(v);
            continue;
        }
        return QStringLiteral("foreign token ") + quoted(token) + QStringLiteral(" in ") + quoted(v);
    }
    return QString();
}

QString CommandShape::removalFault(const QStringList &arguments, const QString &productCode,
                                   const QStringList &tickedFeatures)
{
    const QString all = arguments.join(QLatin1Char('|'));
    if (arguments.size() < 3 || arguments.size() > 4 || arguments.last() != QLatin1String("/qn"))
        return QStringLiteral("not [/x|/i, code, ..., /qn]: ") + all;
    if (arguments.at(1) != productCode)
        return QStringLiteral("product code not passed as one argument: ") + all;
    if (arguments.at(0) == QLatin1String("/x")) {
        if (arguments.size() != 4 || arguments.at(2) != QLatin1String("REMOVE=ALL"))
            return QStringLiteral("/x without exactly REMOVE=ALL: ") + all;
        return QString();
    }
    if (arguments.at(0) != QLatin1String("/i"))
        return QStringLiteral("neither /x nor /i: ") + all;
    if (arguments.size() == 3)
        return QString();
    if (!arguments.at(2).startsWith(QLatin1String("REMOVE=")))
        return QStringLiteral("third argument no REMOVE list: ") + all;
    const QString fault = listFault(arguments.at(2).mid(7), tickedFeatures);
    return fault.isEmpty() ? QString() : QStringLiteral("REMOVE: ") + fault + QStringLiteral(" in ") + all;
}
