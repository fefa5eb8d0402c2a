#include "tools/frontendoracle.h"

#include "backend/commandline.h"
#include "backend/drivercatalogue.h"
#include "backend/installcommand.h"
#include "backend/installoutcome.h"
#include "backend/packageregistry.h"
#include "backend/productpaths.h"
#include "platform/qt/qtsysteminfo.h"
#include "platform/simulated/regfileparser.h"
#include "platform/simulated/regfileregistry.h"
#include "tools/toolio.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QVector>

#include <utility>

using namespace ToolIo;

const char FrontEndOracle::usage[] =
    "       regfile show FILE                  what the front-end reads in FILE on this machine\n"
    "       regfile rows [ARG...]              how the front-end takes these arguments, one line each:\n"
    "                                          tile<tab>SWITCH<tab>NAME<tab>VERSION-7-VISTA<tab>VERSION,\n"
    "                                          unknown<tab>SWITCH (no tile; rides along with a shown choice),\n"
    "                                          marker<tab>MARKER, dropped<tab>TOKEN<tab>WHY, or for \"/U CODE\"\n"
    "                                          removal<tab>CODE<tab>valid|invalid\n"
    "       regfile product-paths              the product's fixed Windows paths and registry keys, NAME<tab>PATH\n"
    "                                          a line (a key's 64-bit view: NAME-native)\n"
    "       regfile outcome CODE install|removal [FILE]\n"
    "                                          how the page ends a run with the exit code CODE, one line:\n"
    "                                          done|restart|retry<tab>success|failure<tab>EXIT<tab>EXIT-RESTART:\n"
    "                                          the page's end (restart: Restart Now offered; retry: the tiles\n"
    "                                          again), whether the installer did its work, and the front-end's\n"
    "                                          exit code on Close or Finish and on Restart Now; FILE's restart\n"
    "                                          flag counts for a successful install\n"
    "       regfile exit-codes                 the front-end's exit codes, as the package contract's table\n"
    "       regfile exit-code WAY              the exit code of a way out without a run's end (WAY as\n"
    "                                          exit-codes names it: second-copy, left-before-starting, ...)\n"
    "       regfile product-code TEXT          exit 0 when the front-end takes TEXT as a product code\n";

namespace {

QString quoted(const QString &text)
{
    return text.isNull() ? QStringLiteral("(absent)") : QLatin1Char('"') + text + QLatin1Char('"');
}

// The products below the maker's key that name a component switch, walked as the front-end walks
// them at start.
QVector<PackageRegistry::Product> products(Registry &registry, const PackageRegistry &package)
{
    QVector<PackageRegistry::Product> found;
    HKEY makerKey = nullptr;
    if (registry.openKey(PackageRegistry::makerKeyPath, &makerKey) != Registry::Success)
        return found;
    for (const QString &name : PackageRegistry::productKeyNames(registry, makerKey)) {
        const PackageRegistry::Product product = package.product(name);
        if (!product.componentSwitch.isNull())
            found.append(product);
    }
    registry.closeKey(makerKey);
    return found;
}

// The subkeys of `keyPath`, in the registry's order.
QStringList subKeys(Registry &registry, const QString &keyPath)
{
    QStringList names;
    HKEY key = nullptr;
    if (registry.openKey(keyPath, &key) == Registry::Success) {
        names = PackageRegistry::productKeyNames(registry, key);
        registry.closeKey(key);
    }
    return names;
}

// One row of the removal page: its name and version as the page shows them, what Uninstall does
// with it, and the installed version the registry lists when the page shows another.
QString removalRow(const QString &feature, const QString &version, const QVector<PackageRegistry::Product> &products)
{
    QString row = QStringLiteral("removable: %1 = \"%2\"%3")
                      .arg(feature.isEmpty() ? QStringLiteral("(no feature)") : feature, DriverCatalogue::removalName(feature),
                           version.isEmpty() ? QString() : QLatin1Char(' ') + version);
    if (feature.isEmpty())
        return row + QStringLiteral(": a row without a driver, which removes the whole product (MsiExec /x, REMOVE=ALL)");
    for (const PackageRegistry::Product &product : products) {
        if (product.componentSwitch == QStringLiteral("/SET") + feature && !product.version.isEmpty() && product.version != version)
            return row + QStringLiteral(" (the page shows the catalogue's version; the registry lists %1 installed)").arg(product.version);
    }
    return row;
}

// How the page ends a run with `code`, and what the front-end exits with then.
int outcome(const QString &code, const QString &kind, const QString &filePath)
{
    bool number = false;
    const int exitCode = code.toInt(&number);
    if (!number || (kind != QLatin1String("install") && kind != QLatin1String("removal")))
        return fail(QStringLiteral("outcome wants an exit code and install or removal"));
    bool flagged = false;
    if (!filePath.isEmpty()) {
        RegFileRegistry registry(filePath);
        const QtSystemInfo systemInfo;
        flagged = PackageRegistry(&registry, &systemInfo).isRestartRequired();
    }
    const InstallOutcome end = InstallOutcome::classify(exitCode, false, flagged, kind == QLatin1String("removal"));
    print(QStringLiteral("%1\t%2\t%3\t%4")
              .arg(end.retryOffered ? QStringLiteral("retry") : end.restartOffered ? QStringLiteral("restart") : QStringLiteral("done"),
                   end.succeeded ? QStringLiteral("success") : QStringLiteral("failure"))
              .arg(end.closeExitCode)
              .arg(end.restartNowExitCode));
    return Done;
}

int productCode(const QString &text)
{
    if (InstallCommand::isProductCode(text))
        return Done;
    return fail(QStringLiteral("not a product code (a GUID in braces, such as {5A3C1E2B-7D4F-4E8A-9B61-2C0F3D8E7A15}): ")
                + text);
}

// One "label: text" line per fact, so a script can pick a line by its label. Every answer comes
// from the functions the page's backend reads the registry with.
int show(const QString &filePath)
{
    // The front-end reads a missing file as a clean machine; asked about a file, the tool says it is not there.
    QFile file(filePath);
    if (!QFileInfo(filePath).isFile() || !file.open(QIODevice::ReadOnly))
        return fail(filePath + QStringLiteral(": ") + (!QFileInfo::exists(filePath) ? QStringLiteral("no such file")
                                                   : QFileInfo(filePath).isFile() ? file.errorString()
                                                                                  : QStringLiteral("not a file")));
    // A file the front-end reads as empty (no header, unreadable, empty) is previewed, then answered as a bad file.
    const bool readable = RegFileParser(file.readAll()).problem() == RegFileParser::NoProblem;
    file.close();
    RegFileRegistry registry(filePath);
    const QtSystemInfo systemInfo;
    const PackageRegistry package(&registry, &systemInfo);
    const QString ioKey = package.ioDriverKey();
    const bool olderWindows = package.isOlderWindows();

    const QStringList problems = registry.problems(PackageRegistry::makerKeyPath);
    for (const QString &problem : problems)
        print(QStringLiteral("warning: ") + problem);
    print(QStringLiteral("view: ") + ioKey.left(ioKey.lastIndexOf(QLatin1Char('\\'))) + QStringLiteral(" (")
          + systemInfo.cpuArchitecture() + QStringLiteral(" host)"));
    print(QStringLiteral("package installed: %1 (InstallationPath %2)")
              .arg(package.isPackageInstalled() ? QStringLiteral("yes") : QStringLiteral("no"),
                   quoted(registry.readText(ioKey, QStringLiteral("InstallationPath")))));
    const QString launchedFrom = registry.readText(package.packageKey(), QStringLiteral("iamlaunchedfrom"));
    print(QStringLiteral("launched from: iamlaunchedfrom %1%2")
              .arg(quoted(launchedFrom), package.isLaunchedFromExtractionFolder()
                                             ? QStringLiteral(", the extraction folder: the published install launch "
                                                              "(not the window's Install) would start MsiExec")
                                             : QString()));
    const QString deployed = package.deployedFeatures();
    print(QStringLiteral("deployed features: ") + quoted(registry.readText(ioKey, QStringLiteral("DeployedFeatures"))));
    const QStringList removable = DriverCatalogue::removableFeatures(deployed);
    print(QStringLiteral("removal rows: %1").arg(removable.size()));
    const QVector<PackageRegistry::Product> productKeys = products(registry, package);
    for (const QString &feature : removable)
        print(removalRow(feature, DriverCatalogue::removalVersion(feature, olderWindows), productKeys));
    const QString restart = registry.readText(PackageRegistry::restartFlagKeyPath, QStringLiteral("REBOOTSTATUS"));
    print(QStringLiteral("restart flag: REBOOTSTATUS %1, %2")
              .arg(quoted(restart), package.isRestartRequired() ? QStringLiteral("a restart is offered")
                                                                 : QStringLiteral("no restart offered")));
    for (const PackageRegistry::Product &product : productKeys)
        print(QStringLiteral("product: %1 %2 %3").arg(product.keyName, product.componentSwitch, quoted(product.version)));
    // Windows Installer lists the package under its product code, in either view.
    for (const QString &root : {QStringLiteral("HKLM\\SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\"),
                                QStringLiteral("HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\")}) {
        for (const QString &name : subKeys(registry, root)) {
            if (InstallCommand::isProductCode(name)
                && registry.readText(root + name, QStringLiteral("DisplayName")) == QLatin1String("ZYM Chipset Drivers"))
                print(QStringLiteral("product code: %1 (uninstall entry %2)").arg(name, root + name));
        }
    }
    return readable ? Done : Failed;
}

// How the front-end takes a command line: the backend's own parse and catalogue.
int rows(const QStringList &arguments)
{
    const CommandLine commandLine(QStringList{QStringLiteral("ChipsetDriverInstaller")} + arguments);
    if (commandLine.isRemoval()) {
        const QString code = commandLine.productCode();
        print(QStringLiteral("removal\t%1\t%2").arg(code, InstallCommand::isProductCode(code) ? "valid" : "invalid"));
        return Done;
    }
    const QString tab = QStringLiteral("\t");
    for (const CommandLine::Argument &argument : commandLine.arguments()) {
        switch (argument.kind) {
        case CommandLine::Kind::Tile:
            print(QStringLiteral("tile\t") + argument.text + tab + DriverCatalogue::installName(argument.text) + tab
                  + DriverCatalogue::installVersion(argument.text, true) + tab
                  + DriverCatalogue::installVersion(argument.text, false));
            break;
        case CommandLine::Kind::Unknown:
            print(QStringLiteral("unknown\t") + argument.text);
            break;
        case CommandLine::Kind::Marker:
            print(QStringLiteral("marker\t") + argument.text);
            break;
        case CommandLine::Kind::Dropped:
            // A tab or a line break in the token would split its line.
            print(QStringLiteral("dropped\t") + QString(argument.text).replace(QRegularExpression(QStringLiteral("[\\x00-\\x1f]")), QStringLiteral("?"))
                  + tab + argument.whyDropped);
            break;
        }
    }
    return Done;
}

// A host of the given architecture, to name the package's keys in the view it reads.
struct Host final : SystemInfo
{
    explicit Host(const char *architecture) : m_architecture(QString::fromLatin1(architecture)) {}
    QString productVersion() const override { return QStringLiteral("10"); }
    QString cpuArchitecture() const override { return m_architecture; }
    QString m_architecture;
};

int productPaths()
{
    print(QStringLiteral("extract-only-program\t") + ProductPaths::extractOnlyProgram);
    print(QStringLiteral("setup-program-from-front-end\t") + ProductPaths::setupProgramFromFrontEnd);
    print(QStringLiteral("msiexec\t") + ProductPaths::msiExec);
    print(QStringLiteral("installation-log\t") + ProductPaths::installationLog);
    // The package writes its keys in both views; a 64-bit host reads the 32-bit one (WOW6432Node).
    print(QStringLiteral("maker-key\t") + PackageRegistry::makerKeyPath.chopped(1));
    for (const auto &[suffix, architecture] : {std::pair{"", "x86_64"}, std::pair{"-native", "arm64"}}) {
        const Host host(architecture);
        const PackageRegistry package(nullptr, &host);
        print(QStringLiteral("package-key%1\t").arg(QLatin1String(suffix)) + package.packageKey());
        print(QStringLiteral("io-driver-key%1\t").arg(QLatin1String(suffix)) + package.ioDriverKey());
    }
    return Done;
}

int exitCodes()
{
    for (const QString &line : InstallOutcome::contractTable())
        print(line);
    return Done;
}

} // namespace

int FrontEndOracle::run(const QString &command, const QStringList &arguments)
{
    const int count = arguments.size();
    if (command == QLatin1String("rows"))
        return rows(arguments);
    if (command == QLatin1String("product-paths") && count == 0)
        return productPaths();
    if (command == QLatin1String("exit-codes") && count == 0)
        return exitCodes();
    if (command == QLatin1String("exit-code") && count == 1) {
        const int code = InstallOutcome::exitCode(arguments.at(0));
        if (code < 0)
            return fail(QStringLiteral("no such way out: ") + arguments.at(0));
        print(QString::number(code));
        return Done;
    }
    if (command == QLatin1String("show") && count == 1)
        return show(arguments.at(0));
    if (command == QLatin1String("product-code") && count == 1)
        return productCode(arguments.at(0));
    // The registry file of `outcome` may be left out.
    if (command == QLatin1String("outcome") && (count == 2 || count == 3))
        return outcome(arguments.at(0), arguments.at(1), arguments.value(2));
    return -1;
}
