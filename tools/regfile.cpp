// regfile: reads and changes a registry file as `reg export` writes it, for the
// stand-in programs of the simulated machine, which change the registry as the
// real package does. Every change rewrites the file in one rename. The front-end's
// own answers (`show`, `rows`, `outcome`, ...) are FrontEndOracle's.
#include "platform/simulated/regfileparser.h"
#include "platform/simulated/regfilewriter.h"
#include "platform/simulated/regkeynode.h"
#include "tools/frontendoracle.h"
#include "tools/toolio.h"

#include <QFile>
#include <QtEndian>

#include <cstdio>

using namespace ToolIo;

namespace {

const char Usage[] =
    "usage: regfile get FILE KEY NAME          print a value (text, or a dword as a decimal number)\n"
    "       regfile set FILE KEY NAME TEXT     set a string value, making the key as needed\n"
    "       regfile set-lines FILE             set the string values read from standard input, one\n"
    "                                          KEY<tab>NAME<tab>TEXT a line, in one rewrite\n"
    "       regfile set-dword FILE KEY NAME N  set a dword value (decimal, or hex with 0x)\n"
    "       regfile delete FILE KEY NAME       remove a value\n"
    "       regfile delete-key FILE KEY        remove a key and everything below it\n"
    "       regfile keys FILE KEY              print the names of a key's subkeys, one a line\n";
const char Footer[] =
    "KEY is a path such as HKEY_LOCAL_MACHINE\\SOFTWARE\\ZYM (or HKLM\\...); NAME \"\" is the\n"
    "default value. Exit status: 0 done, 1 key or value missing, 2 bad arguments or file.\n";

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
    const int answered = FrontEndOracle::run(command, arguments.mid(1));
    if (answered >= 0)
        return answered;
    const int wanted = command == QLatin1String("get") || command == QLatin1String("delete") ? 4
        : command == QLatin1String("set") || command == QLatin1String("set-dword")         ? 5
        : command == QLatin1String("delete-key") || command == QLatin1String("keys")       ? 3
        : command == QLatin1String("set-lines")                                            ? 2
                                                                                            : -1;
    if (wanted < 0 || arguments.size() != wanted) {
        std::fputs(Usage, stderr);
        std::fputs(FrontEndOracle::usage, stderr);
        std::fputs(Footer, stderr);
        return Failed;
    }
    if (command == QLatin1String("set-lines"))
        return setLines(arguments.at(1));
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
