// regfile: reads and changes a registry file as `reg export` writes it, for the
// stand-in programs of the simulated machine, which change the registry as the
// real package does. Every change rewrites the file in one rename. `show` tells
// what the front-end reads in a file, through the front-end's own reader.
#include "backend/commandline.h"
#include "backend/drivercatalogue.h"
#include "backend/installcommand.h"
#include "backend/installoutcome.h"
#include "backend/packageregistry.h"
#include "backend/productpaths.h"
#include "platform/qt/qtsysteminfo.h"
#include "platform/simulated/regfileparser.h"
#include "platform/simulated/regfileregistry.h"
#include "platform/simulated/regfilewriter.h"
#include "platform/simulated/regkeynode.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QVector>
#include <QtEndian>

#include <cstdio>
#include <utility>

namespace {

const char Usage[] =
    "usage: regfile get FILE KEY NAME          print a value (text, or a dword as a decimal number)\n"
    "       regfile set FILE KEY NAME TEXT     set a string value, making the key as needed\n"
    "       regfile set-lines FILE             set the string values read from standard input, one\n"
    "                                          KEY<tab>NAME<tab>TEXT a line, in one rewrite\n"
    "       regfile set-dword FILE KEY NAME N  set a dword value (decimal, or hex with 0x)\n"
    "       regfile delete FILE KEY NAME       remove a value\n"
    "       regfile delete-key FILE KEY        remove a key and everything below it\n"
    "       regfile keys FILE KEY              print the names of a key's subkeys, one a line\n"
    "       regfile show FILE                  what the front-end reads in FILE on this machine\n"
    "       regfile rows [ARG...]              how the front-end takes these arguments, one line each:\n"
    "                                          tile<tab>SWITCH<tab>NAME<tab>VERSION-7-VISTA<tab>VERSION,\n"
    "                                          unknown<tab>SWITCH (no tile; rides along with a shown choice),\n"
    "                                          marker<tab>MARKER, dropped<tab>TOKEN<tab>WHY, or for \"/U CODE\"\n"
    "                                          removal<tab>CODE<tab>valid|invalid\n"
    "       regfile product-paths              the product's fixed Windows paths and registry keys, NAME<tab>PATH\n"
    "                                          a line (a key's 64-bit view: NAME-native)\n"
    "       regfile outcome CODE install|removal [FILE]\n"
    "                                          how the page ends a run with the exit code CODE: done,\n"
    "                                          restart (offered) or retry, a tab, then success or failure;\n"
    "                                          FILE's restart flag counts for a successful install\n"
    "       regfile product-code TEXT          exit 0 when the front-end takes TEXT as a product code\n"
    "KEY is a path such as HKEY_LOCAL_MACHINE\\SOFTWARE\\ZYM (or HKLM\\...); NAME \"\" is the\n"
    "default value. Exit status: 0 done, 1 key or value missing, 2 bad arguments or file.\n";

enum Status { Done = 0, Missing = 1, Failed = 2 };

void print(const QString &text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

int fail(const QString &message)
{
    std::fprintf(stderr, "regfile: %s\n", message.toUtf8().constData());
    return Failed;
}

const RegKeyNode *findKey(RegFileWriter &file, const QString &keyPath)
{
    const QStringList names = RegFileParser::keyPath(keyPath);
    return names.isEmpty() ? nullptr : file.tree().descendant(names);
}

int get(RegFileWriter &file, const QString &keyPath, const QString &name)
{
    const RegKeyNode *key = findKey(file, keyPath);
    const RegKeyNode::Value *value = key ? key->value(name) : nullptr;
    if (!value)
        return Missing;
    QByteArray data = value->data;
    if (value->type == RegKeyNode::RegSz) {
        if (data.endsWith(QByteArray(2, '\0')))
            data.chop(2);
        print(RegFileParser::fromUtf16Le(data));
    } else if (value->type == RegKeyNode::RegDword && data.size() == 4) {
        print(QString::number(qFromLittleEndian<quint32>(data.constData())));
    } else {
        // Other data as the file writes it, after the "@=".
        print(RegFileWriter::valueLine(QString(), value->type, data, QStringLiteral("\n")).mid(2));
    }
    return Done;
}

int keys(RegFileWriter &file, const QString &keyPath)
{
    const RegKeyNode *key = findKey(file, keyPath);
    if (!key)
        return Missing;
    for (int i = 0; i < key->subKeyCount(); ++i)
        print(key->subKeyAt(i)->name());
    return Done;
}

// The subkeys of `keyPath`, walked as the front-end walks the maker's key.
QStringList subKeys(Registry &registry, const QString &keyPath)
{
    QStringList names;
    HKEY key = nullptr;
    if (registry.openKey(keyPath, &key) != Registry::Success)
        return names;
    Registry::KeyInfo info;
    if (registry.queryInfo(key, &info) == Registry::Success) {
        for (int i = 0; i < info.subKeyCount; ++i) {
            QString name;
            if (registry.enumKey(key, i, &name) == Registry::Success)
                names << name;
        }
    }
    registry.closeKey(key);
    return names;
}

QString quoted(const QString &text)
{
    return text.isNull() ? QStringLiteral("(absent)") : QLatin1Char('"') + text + QLatin1Char('"');
}

// The product keys below the maker's key that name a component switch, as the install page reads
// them, in the registry's order: key name, switch, installed version.
QVector<QStringList> products(Registry &registry)
{
    QVector<QStringList> found;
    for (const QString &name : subKeys(registry, PackageRegistry::makerKeyPath)) {
        const QString path = PackageRegistry::makerKeyPath + name;
        const QString command = registry.readText(path, QStringLiteral("prdtcmd"));
        if (!command.isNull())
            found.append({name, command, registry.readText(path, QStringLiteral("ProductVersion"))});
    }
    return found;
}

// One row of the removal page: its name and version as the page shows them, what Uninstall does
// with it, and the installed version the registry lists when the page shows another.
QString removalRow(const QString &feature, const QString &version, const QVector<QStringList> &products)
{
    QString row = QStringLiteral("removable: %1 = \"%2\"%3")
                      .arg(feature.isEmpty() ? QStringLiteral("(no feature)") : feature, DriverCatalogue::removalName(feature),
                           version.isEmpty() ? QString() : QLatin1Char(' ') + version);
    if (feature.isEmpty())
        return row + QStringLiteral(": a row without a driver, which removes the whole product (MsiExec /x, REMOVE=ALL)");
    for (const QStringList &product : products) {
        if (product.at(1) == QStringLiteral("/SET") + feature && !product.at(2).isEmpty() && product.at(2) != version)
            return row + QStringLiteral(" (the page shows the catalogue's version; the registry lists %1 installed)").arg(product.at(2));
    }
    return row;
}

// How the page ends a run with `code`, as its table of outcomes says.
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
    print((end.retryOffered ? QStringLiteral("retry") : end.restartOffered ? QStringLiteral("restart") : QStringLiteral("done"))
          + (end.succeeded ? QStringLiteral("\tsuccess") : QStringLiteral("\tfailure")));
    return Done;
}

int productCode(const QString &text)
{
    if (InstallCommand::isProductCode(text))
        return Done;
    return fail(QStringLiteral("not a product code (a GUID in braces, such as {5A3C1E2B-7D4F-4E8A-9B61-2C0F3D8E7A15}): ")
                + text);
}

// One "label: text" line per fact, so a script can pick a line by its label.
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
    const QString installedAt = registry.readText(ioKey, QStringLiteral("InstallationPath"));
    print(QStringLiteral("package installed: %1 (InstallationPath %2)")
              .arg(installedAt.isEmpty() ? QStringLiteral("no") : QStringLiteral("yes"), quoted(installedAt)));
    const QString deployed = registry.readText(ioKey, QStringLiteral("DeployedFeatures"));
    print(QStringLiteral("deployed features: ") + quoted(deployed));
    const QStringList removable = DriverCatalogue::removableFeatures(deployed);
    print(QStringLiteral("removal rows: %1").arg(removable.size()));
    const QVector<QStringList> productKeys = products(registry);
    for (const QString &feature : removable)
        print(removalRow(feature, DriverCatalogue::removalVersion(feature, olderWindows), productKeys));
    const QString restart = registry.readText(PackageRegistry::restartFlagKeyPath, QStringLiteral("REBOOTSTATUS"));
    print(QStringLiteral("restart flag: REBOOTSTATUS %1, %2")
              .arg(quoted(restart), package.isRestartRequired() ? QStringLiteral("a restart is offered")
                                                                 : QStringLiteral("no restart offered")));
    for (const QStringList &product : productKeys)
        print(QStringLiteral("product: %1 %2 %3").arg(product.at(0), product.at(1), quoted(product.at(2))));
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

// Many values in one rewrite: a registry as large as a whole export is written
// in one go instead of one rename per value.
int setLines(const QString &filePath)
{
    RegFileWriter file(filePath);
    QString error;
    if (!file.load(&error))
        return fail(filePath + QStringLiteral(": ") + error);
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read standard input"));
    const QStringList lines = QString::fromUtf8(input.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (QString line : lines) {
        // Input from a Windows tool ends its lines with a carriage return, which is no part of the text.
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const int nameAt = line.indexOf(QLatin1Char('\t')) + 1;
        const int textAt = nameAt > 0 ? line.indexOf(QLatin1Char('\t'), nameAt) + 1 : 0;
        RegKeyNode *key = textAt > 0 ? file.key(line.left(nameAt - 1)) : nullptr;
        if (!key)
            return fail(QStringLiteral("not KEY<tab>NAME<tab>TEXT with a key path: ") + line);
        key->setValue(line.mid(nameAt, textAt - nameAt - 1), RegKeyNode::RegSz, RegFileWriter::stringData(line.mid(textAt)));
    }
    if (!file.save(&error))
        return fail(filePath + QStringLiteral(": ") + error);
    return Done;
}

} // namespace

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromUtf8(argv[i]);
    const QString command = arguments.value(0);
    if (command == QLatin1String("rows"))
        return rows(arguments.mid(1));
    if (command == QLatin1String("product-paths") && arguments.size() == 1)
        return productPaths();
    const int wanted = command == QLatin1String("get") || command == QLatin1String("delete") ? 4
        : command == QLatin1String("set") || command == QLatin1String("set-dword")         ? 5
        : command == QLatin1String("delete-key") || command == QLatin1String("keys")       ? 3
        : command == QLatin1String("show") || command == QLatin1String("set-lines")         ? 2
        : command == QLatin1String("product-code")                                         ? 2
        : command == QLatin1String("outcome")                                              ? 3
                                                                                            : -1;
    // The registry file of `outcome` may be left out.
    const bool optionalFile = command == QLatin1String("outcome") && arguments.size() == 4;
    if (wanted < 0 || (arguments.size() != wanted && !optionalFile)) {
        std::fputs(Usage, stderr);
        return Failed;
    }
    if (command == QLatin1String("show"))
        return show(arguments.at(1));
    if (command == QLatin1String("set-lines"))
        return setLines(arguments.at(1));
    if (command == QLatin1String("outcome"))
        return outcome(arguments.at(1), arguments.at(2), arguments.value(3));
    if (command == QLatin1String("product-code"))
        return productCode(arguments.at(1));
    const QString keyPath = arguments.at(2);
    if (RegFileParser::keyPath(keyPath).isEmpty())
        return fail(QStringLiteral("not a key path: ") + keyPath);

    RegFileWriter file(arguments.at(1));
    QString error;
    if (!file.load(&error))
        return fail(arguments.at(1) + QStringLiteral(": ") + error);

    if (command == QLatin1String("get"))
        return get(file, keyPath, arguments.at(3));
    if (command == QLatin1String("keys"))
        return keys(file, keyPath);

    if (command == QLatin1String("set")) {
        file.key(keyPath)->setValue(arguments.at(3), RegKeyNode::RegSz, RegFileWriter::stringData(arguments.at(4)));
    } else if (command == QLatin1String("set-dword")) {
        bool ok = false;
        const quint32 number = arguments.at(4).toUInt(&ok, 0);
        if (!ok)
            return fail(QStringLiteral("not a 32-bit number: ") + arguments.at(4));
        QByteArray data(4, '\0');
        qToLittleEndian(number, data.data());
        file.key(keyPath)->setValue(arguments.at(3), RegKeyNode::RegDword, data);
    } else if (command == QLatin1String("delete")) {
        RegKeyNode *key = file.tree().descendant(RegFileParser::keyPath(keyPath));
        if (!key || !key->value(arguments.at(3)))
            return Done;
        key->removeValue(arguments.at(3));
    } else {
        if (!findKey(file, keyPath))
            return Done;
        file.removeKey(keyPath);
    }
    if (!file.save(&error))
        return fail(arguments.at(1) + QStringLiteral(": ") + error);
    return Done;
}
