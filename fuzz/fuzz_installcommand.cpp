// Install and removal commands composed from arbitrary switches, feature lists
// and product codes must keep their fixed shape.
//
// Input: UTF-8 text, one field per line (missing lines are empty):
//   0 setup program        1 switches, '|' between them
//   2 install ticks, one character per row ('1' ticked, '0' not, others other numbers)
//   3 installed answers, one character per row ('0' not installed; missing rows installed)
//   4 MsiExec path         5 product code
//   6 features, '|' between them           7 removal ticks, as line 2

#include "fuzzsupport.h"
#include "backend/drivercatalogue.h"
#include "backend/installcommand.h"

#include <QVector>

namespace {

using FuzzSupport::fail;

// Letters, digits, underscores and periods, at least one.
bool isName(const QString &text)
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

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// Every entry of a comma list is a name out of `allowed`.
QString listFault(const QString &list, const QStringList &allowed)
{
    for (const QString &key : list.split(QLatin1Char(','), Qt::KeepEmptyParts)) {
        if (!isName(key))
            return QStringLiteral("malformed key ") + quoted(key);
        if (!allowed.contains(key))
            return QStringLiteral("key not ticked: ") + quoted(key);
    }
    return QString();
}

// The only shapes an install argument list may take, whatever the command line
// held: "/S", "/vQTLAUNCH=1 [NAME=YES ...] [ADDLOCAL=k1,k2,...] /qr", "/clone_wait",
// where every NAME and key comes from a ticked switch. Answers what is wrong, or
// an empty text.
QString installFault(const QStringList &arguments, const QStringList &tickedSwitches)
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

// "/x", code, "REMOVE=ALL", "/qn" or "/i", code, ["REMOVE=k1,k2,..."], "/qn",
// where every key is a ticked feature.
QString removalFault(const QStringList &arguments, const QString &productCode,
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

QStringList list(const QString &line)
{
    return line.isEmpty() ? QStringList() : line.split(QLatin1Char('|'), Qt::KeepEmptyParts);
}

QVector<qint32> ticks(const QString &line)
{
    QVector<qint32> result;
    for (const QChar c : line)
        result << qint32(c.unicode()) - '0';
    return result;
}

QStringList ticked(const QStringList &items, const QVector<qint32> &ticks)
{
    QStringList result;
    for (int i = 0; i < items.size(); ++i) {
        if (ticks.value(i, 0) == 1)
            result << items.at(i);
    }
    return result;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::quietMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size)).split(QLatin1Char('\n'));
    const QString setupProgram = lines.value(0);
    const QStringList switches = list(lines.value(1));
    const QVector<qint32> installTicks = ticks(lines.value(2));
    const QString installed = lines.value(3);
    const QString msiExec = lines.value(4);
    const QString productCode = lines.value(5);
    const QStringList features = list(lines.value(6));
    const QVector<qint32> removalTicks = ticks(lines.value(7));

    QVector<int> asked;
    const InstallCommand install = InstallCommand::install(setupProgram, switches, installTicks, [&](int row) {
        asked << row;
        return row >= installed.size() || installed.at(row) != QLatin1Char('0');
    });
    if (install.program != setupProgram)
        fail(QStringLiteral("install program ") + install.program);
    const QString fault = installFault(install.arguments, ticked(switches, installTicks));
    if (!fault.isEmpty())
        fail(fault);
    for (int row = 0; row < switches.size(); ++row) {
        if (asked.value(row, -1) != row)
            fail(QStringLiteral("installed test not asked once per row in order"));
    }
    if (asked.size() != switches.size())
        fail(QStringLiteral("installed test asked for rows that are not there"));

    const InstallCommand removal = InstallCommand::removal(msiExec, productCode, features, removalTicks);
    if (removal.program != msiExec)
        fail(QStringLiteral("removal program ") + removal.program);
    const QString problem = removalFault(removal.arguments, productCode, ticked(features, removalTicks));
    if (!problem.isEmpty())
        fail(problem);
    return 0;
}
