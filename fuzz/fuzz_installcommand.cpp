// Install and removal commands composed from arbitrary switches, feature lists
// and product codes must keep their fixed shape.
//
// Input: UTF-8 text, one field per line (missing lines are empty):
//   0 setup program        1 switches, '|' between them
//   2 install ticks, one character per row ('1' ticked, '0' not, others other numbers)
//   3 installed answers, one character per row ('0' not installed; missing rows installed)
//   4 MsiExec path         5 product code
//   6 features, '|' between them           7 removal ticks, as line 2

#include "commandshape.h"
#include "fuzzsupport.h"
#include "backend/installcommand.h"

#include <QVector>

namespace {

using FuzzSupport::fail;

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
    const QString installFault = CommandShape::installFault(install.arguments, ticked(switches, installTicks));
    if (!installFault.isEmpty())
        fail(installFault);
    for (int row = 0; row < switches.size(); ++row) {
        if (asked.value(row, -1) != row)
            fail(QStringLiteral("installed test not asked once per row in order"));
    }
    if (asked.size() != switches.size())
        fail(QStringLiteral("installed test asked for rows that are not there"));

    const InstallCommand removal = InstallCommand::removal(msiExec, productCode, features, removalTicks);
    if (removal.program != msiExec)
        fail(QStringLiteral("removal program ") + removal.program);
    const QString removalFault = CommandShape::removalFault(removal.arguments, productCode, ticked(features, removalTicks));
    if (!removalFault.isEmpty())
        fail(removalFault);
    return 0;
}
