// Install and removal commands composed from arbitrary switches, feature lists and product codes
// keep their fixed shape, every name in them from a ticked row.
// Input: UTF-8 text, one field per line (missing lines are empty):
//   0 setup program   1 switches, '|' between them   2 install ticks, one character per row ('1'
//   ticked, '0' not, others other numbers)   3 installed answers, one character per row ('0' not
//   installed; missing rows installed)   4 MsiExec path   5 product code
//   6 features, '|' between them   7 removal ticks, as line 2

#include "fuzzsupport.h"
#include "backend/drivercatalogue.h"
#include "backend/installcommand.h"

#include <QRegularExpression>
#include <QVector>

#include <algorithm>
#include <numeric>

namespace {

const QString Names = QStringLiteral("([A-Za-z0-9_.]+(?:,[A-Za-z0-9_.]+)*)");

// Whether every entry of a comma (or blank) separated list is allowed.
bool allAllowed(const QString &list, const QStringList &allowed)
{
    const QStringList entries = list.split(QRegularExpression(QStringLiteral("[, ]")), Qt::SkipEmptyParts);
    return std::all_of(entries.cbegin(), entries.cend(), [&](const QString &entry) { return allowed.contains(entry); });
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
    QVector<int> rows(shownChoice ? switches.size() : 0);
    std::iota(rows.begin(), rows.end(), 0);
    if (asked != rows)
        fail(QStringLiteral("installed test not asked once per row in order"));
    if (shownChoice) {
        // [/S, /vQTLAUNCH=1 [SETNAME=YES ...] [ADDLOCAL=k1,k2,...] /qr, /clone_wait]
        static const QRegularExpression shape(QRegularExpression::anchoredPattern(
            QStringLiteral("/vQTLAUNCH=1((?: SET[A-Za-z0-9_.]+=YES)*)(?: ADDLOCAL=") + Names + QStringLiteral(")? /qr")));
        const QRegularExpressionMatch match = shape.match(install.arguments.value(1));
        QStringList names, keys;
        for (const QString &componentSwitch : tickedSwitches) {
            names << QString(componentSwitch).remove(QLatin1Char('/')) + QStringLiteral("=YES");
            keys << DriverCatalogue::featureKey(componentSwitch);
        }
        if (install.arguments.size() != 3 || install.arguments.at(0) != QLatin1String("/S")
            || install.arguments.at(2) != QLatin1String("/clone_wait") || !match.hasMatch()
            || !allAllowed(match.captured(1), names) || !allAllowed(match.captured(2), keys))
            fail(QStringLiteral("malformed or not ticked: ") + install.arguments.join(QLatin1Char('|')));
    }

    // [/x, code, REMOVE=ALL, /qn] or [/i, code, [REMOVE=k1,k2,...], /qn], every key a ticked feature.
    const InstallCommand removal = InstallCommand::removal(lines.value(4), productCode, features, removalTicks);
    QStringList arguments = removal.arguments;
    const QString all = arguments.join(QLatin1Char('|'));
    static const QRegularExpression shape(QRegularExpression::anchoredPattern(
        QStringLiteral("/x\\|REMOVE=ALL|/i(?:\\|REMOVE=") + Names + QStringLiteral(")?")));
    if (removal.program != lines.value(4) || arguments.size() < 3 || arguments.takeAt(1) != productCode
        || arguments.takeLast() != QLatin1String("/qn"))
        fail(QStringLiteral("not [/x|/i, code, ..., /qn]: ") + all);
    const QRegularExpressionMatch match = shape.match(arguments.join(QLatin1Char('|')));
    if (!match.hasMatch() || !allAllowed(match.captured(1), tickedFeatures))
        fail(QStringLiteral("malformed: ") + all);
    // Only a braced GUID passes as a product code: no blank, quote or option.
    if (InstallCommand::isProductCode(productCode) && productCode.size() != 38)
        fail(QStringLiteral("accepted as a product code: ") + productCode);
    return 0;
}
