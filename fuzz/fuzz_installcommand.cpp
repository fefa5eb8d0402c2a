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

#include <QRegularExpression>
#include <QVector>

#include <algorithm>
#include <numeric>

namespace {

const QString Names = QStringLiteral("([A-Za-z0-9_.]+(?:,[A-Za-z0-9_.]+)*)");

// Every entry of a comma list out of `allowed`.
QString notAllowed(const QString &list, const QStringList &allowed)
{
    for (const QString &entry : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (!allowed.contains(entry))
            return entry;
    }
    return QString();
}

// The only shape an install argument list may take, whatever the command line
// held: [/S, /vQTLAUNCH=1 [SETNAME=YES ...] [ADDLOCAL=k1,k2,...] /qr, /clone_wait],
// every NAME and key from a ticked switch. Answers what is wrong, or nothing.
QString installFault(const QStringList &arguments, const QStringList &tickedSwitches)
{
    static const QRegularExpression shape(QRegularExpression::anchoredPattern(
        QStringLiteral("/vQTLAUNCH=1((?: SET[A-Za-z0-9_.]+=YES)*)(?: ADDLOCAL=") + Names + QStringLiteral(")? /qr")));
    const QRegularExpressionMatch match = shape.match(arguments.value(1));
    if (arguments.size() != 3 || arguments.at(0) != QLatin1String("/S") || arguments.at(2) != QLatin1String("/clone_wait")
        || !match.hasMatch())
        return QStringLiteral("malformed: ") + arguments.join(QLatin1Char('|'));
    QStringList names;
    QStringList keys;
    for (const QString &componentSwitch : tickedSwitches) {
        names << QString(componentSwitch).remove(QLatin1Char('/')) + QStringLiteral("=YES");
        keys << DriverCatalogue::featureKey(componentSwitch);
    }
    const QString property = notAllowed(match.captured(1).replace(QLatin1Char(' '), QLatin1Char(',')), names);
    const QString key = notAllowed(match.captured(2), keys);
    return property.isEmpty() && key.isEmpty() ? QString() : QStringLiteral("not ticked: ") + property + key;
}

// [/x, code, REMOVE=ALL, /qn] or [/i, code, [REMOVE=k1,k2,...], /qn], every key a ticked feature.
QString removalFault(QStringList arguments, const QString &productCode, const QStringList &tickedFeatures)
{
    static const QRegularExpression shape(QRegularExpression::anchoredPattern(
        QStringLiteral("/x\\|REMOVE=ALL|/i(?:\\|REMOVE=") + Names + QStringLiteral(")?")));
    const QString all = arguments.join(QLatin1Char('|'));
    if (arguments.size() < 3 || arguments.takeAt(1) != productCode || arguments.takeLast() != QLatin1String("/qn"))
        return QStringLiteral("not [/x|/i, code, ..., /qn]: ") + all;
    const QRegularExpressionMatch match = shape.match(arguments.join(QLatin1Char('|')));
    return match.hasMatch() && notAllowed(match.captured(1), tickedFeatures).isEmpty() ? QString()
                                                                                        : QStringLiteral("malformed: ") + all;
}

QStringList list(const QString &line)
{
    return line.isEmpty() ? QStringList() : line.split(QLatin1Char('|'));
}

// The ticks a line gives, and the items they tick.
QVector<qint32> ticks(const QString &line, const QStringList &items, QStringList *ticked)
{
    QVector<qint32> result;
    for (const QChar c : line) {
        result << qint32(c.unicode()) - '0';
        if (result.last() == 1 && result.size() <= items.size())
            *ticked << items.at(result.size() - 1);
    }
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size)).split(QLatin1Char('\n'));
    const QStringList switches = list(lines.value(1));
    QStringList tickedSwitches;
    const QVector<qint32> installTicks = ticks(lines.value(2), switches, &tickedSwitches);
    const QString installed = lines.value(3);
    const QString productCode = lines.value(5);
    const QStringList features = list(lines.value(6));
    QStringList tickedFeatures;
    const QVector<qint32> removalTicks = ticks(lines.value(7), features, &tickedFeatures);

    QVector<int> asked;
    const InstallCommand install = InstallCommand::install(lines.value(0), switches, installTicks, [&](int row) {
        asked << row;
        return row >= installed.size() || installed.at(row) != QLatin1Char('0');
    });
    // Without a ticked switch the catalogue knows, nothing is started.
    const bool shownChoice = std::any_of(tickedSwitches.cbegin(), tickedSwitches.cend(), &DriverCatalogue::knows);
    if (install.program != (shownChoice ? lines.value(0) : QString()))
        fail(QStringLiteral("install program ") + install.program);
    const QString fault = shownChoice ? installFault(install.arguments, tickedSwitches) : QString();
    if (!fault.isEmpty())
        fail(fault);
    QVector<int> rows(shownChoice ? switches.size() : 0);
    std::iota(rows.begin(), rows.end(), 0);
    if (asked != rows)
        fail(QStringLiteral("installed test not asked once per row in order"));

    const InstallCommand removal = InstallCommand::removal(lines.value(4), productCode, features, removalTicks);
    if (removal.program != lines.value(4))
        fail(QStringLiteral("removal program ") + removal.program);
    const QString problem = removalFault(removal.arguments, productCode, tickedFeatures);
    if (!problem.isEmpty())
        fail(problem);
    // Only a braced GUID passes as a product code: no blank, quote or option.
    if (InstallCommand::isProductCode(productCode) && productCode.size() != 38)
        fail(QStringLiteral("accepted as a product code: ") + productCode);
    return 0;
}
