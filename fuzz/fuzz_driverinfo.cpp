// The scene's install and removal, driven through DriverInfo on a simulated
// machine whose command line and registry come from the input: whatever they
// hold, the started program is the setup program or MsiExec, and its
// arguments keep their fixed shape. Nothing is started: the launcher records.
//
// Input: lines of UTF-8 text, then raw bytes:
//   0 install ticks ('0' unticks row i, '1' ticks it, anything else leaves it)
//   1 removal ticks, as line 0
//   2 processor architecture    3 Windows product version
//   4 application folder
//   then the command line, one argument a line, the executable first, up to an empty line;
//   everything after that empty line is the registry file.

#include "commandshape.h"
#include "backend/driverinfo.h"
#include "backend/drivercatalogue.h"
#include "backend/installcommand.h"
#include "fuzzsupport.h"
#include "recordinglauncher.h"
#include "platform/simulated/regfileregistry.h"
#include "tests/testplatform.h"

#include <memory>

namespace {

using FuzzSupport::fail;

std::unique_ptr<FuzzSupport::ScratchFile> registryFile;

// The next line of `bytes` from `*pos`, without its newline.
QString takeLine(const QByteArray &bytes, int *pos)
{
    int end = bytes.indexOf('\n', *pos);
    if (end < 0)
        end = bytes.size();
    const QString line = QString::fromUtf8(bytes.mid(*pos, end - *pos));
    *pos = qMin(end + 1, bytes.size());
    return line;
}

// Applies a tick line through `tick` and to the expected ticks.
template<typename Tick>
void applyTicks(const QString &line, QVector<qint32> *expected, Tick tick)
{
    for (int i = 0; i < line.size(); ++i) {
        if (line.at(i) != QLatin1Char('0') && line.at(i) != QLatin1Char('1'))
            continue;
        const bool on = line.at(i) == QLatin1Char('1');
        tick(on, i);
        if (i < expected->size())
            (*expected)[i] = on ? 1 : 0;
    }
}

QStringList ticked(const QStringList &items, const QVector<qint32> &ticks)
{
    QStringList result;
    for (int i = 0; i < items.size(); ++i) {
        if (ticks.value(i) == 1)
            result << items.at(i);
    }
    return result;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::quietMessages();
    registryFile = std::make_unique<FuzzSupport::ScratchFile>(QStringLiteral("registry.reg"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));
    int pos = 0;
    const QString installTicks = takeLine(input, &pos);
    const QString removalTicks = takeLine(input, &pos);
    FakeSystemInfo systemInfo;
    systemInfo.architecture = takeLine(input, &pos);
    systemInfo.version = takeLine(input, &pos);
    FakeArguments arguments;
    arguments.dirPath = takeLine(input, &pos);
    arguments.list.clear();
    while (pos < input.size()) {
        const QString argument = takeLine(input, &pos);
        if (argument.isEmpty())
            break;
        arguments.list << argument;
    }
    registryFile->write(input.mid(pos));

    RegFileRegistry registry(registryFile->path());
    RecordingLauncher launcher;
    Platform platform;
    platform.registry = &registry;
    platform.launcher = &launcher;
    platform.systemInfo = &systemInfo;
    platform.arguments = &arguments;
    DriverInfo info(platform);

    // The start-up walk of the maker's products, and the full dump of them.
    HKEY makerKey = nullptr;
    if (registry.openKey(PackageRegistry::makerKeyPath, &makerKey) == Registry::Success) {
        info.query(makerKey);
        info.queryKey(makerKey, -1);
        registry.closeKey(makerKey);
    }

    // Install: the switches are the arguments less the executable and the RAID markers.
    QStringList switches = arguments.list.mid(1);
    switches.removeOne(QStringLiteral("/SET_RAIDNVME"));
    switches.removeOne(QStringLiteral("/SET_RAIDSATA"));
    const int driverCount = info.getNumberOfDrivers();
    if (driverCount != switches.size())
        fail(QStringLiteral("driver count %1, expected %2").arg(driverCount).arg(switches.size()));
    for (int i = -1; i <= driverCount; ++i) {
        info.setDriverName(i);
        info.getDriverName(i);
        info.setVersionNumber(i);
        info.getOlderVersionNumber(i);
    }
    QVector<qint32> ticks(driverCount, 1);
    applyTicks(installTicks, &ticks, [&](bool on, int i) { info.getCheckboxStatus(on, i); });
    info.installbutton();
    const QString setupProgram = QString(arguments.dirPath).replace(QLatin1Char('/'), QLatin1Char('\\'))
        + QStringLiteral("\\..\\Packages\\ZYM_Chipset_Drivers.exe");
    if (launcher.starts.size() != 1)
        fail(QStringLiteral("install started %1 programs").arg(launcher.starts.size()));
    if (launcher.starts.at(0).at(0) != setupProgram)
        fail(QStringLiteral("install started ") + launcher.starts.at(0).at(0));
    const QString installFault = CommandShape::installFault(launcher.starts.at(0).mid(1), ticked(switches, ticks));
    if (!installFault.isEmpty())
        fail(installFault);

    // Removal: the product code is the argument after "/U"; the features are
    // the deployed ones less those never offered.
    const bool removalMode = arguments.list.value(1) == QLatin1String("/U");
    if (info.getCommandLineArguments() != removalMode)
        fail(QStringLiteral("removal mode misread"));
    const QString productCode = removalMode ? arguments.list.value(2) : QString();
    const PackageRegistry packageRegistry(&registry, &systemInfo);
    QStringList features = packageRegistry.read(packageRegistry.ioDriverKey(), QStringLiteral("DeployedFeatures"))
                               .split(QLatin1Char(','), Qt::KeepEmptyParts);
    for (const QString &excluded : DriverCatalogue::removalExclusions())
        features.removeOne(excluded);
    const int featureCount = info.getNumberOfUninstallableDrivers();
    if (featureCount != features.size())
        fail(QStringLiteral("feature count %1, expected %2").arg(featureCount).arg(features.size()));
    for (int i = -1; i <= featureCount; ++i) {
        info.getUnistallableDrivers(i);
        info.setVersionNumberForUninstall(i);
    }
    ticks.fill(1, featureCount);
    applyTicks(removalTicks, &ticks, [&](bool on, int i) { info.getCheckboxStatusForUninstall(on, i); });
    info.uninstallbutton();
    // A product code that is no GUID in braces starts nothing.
    const bool wellFormedCode = InstallCommand::isProductCode(productCode);
    if (launcher.starts.size() != (wellFormedCode ? 2 : 1))
        fail(QStringLiteral("removal started %1 programs").arg(launcher.starts.size() - 1));
    if (!wellFormedCode)
        return 0;
    if (launcher.starts.at(1).at(0) != QLatin1String("C:\\Windows\\System32\\MsiExec.exe"))
        fail(QStringLiteral("removal started ") + launcher.starts.at(1).at(0));
    const QString removalFault =
        CommandShape::removalFault(launcher.starts.at(1).mid(1), productCode, ticked(features, ticks));
    if (!removalFault.isEmpty())
        fail(removalFault);
    return 0;
}
