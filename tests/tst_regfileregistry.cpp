#include "regfileregistry.h"

#include <QRandomGenerator>
#include <QDateTime>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

namespace {

enum Encoding { Utf8Lf, Utf8BomCrLf, Utf16LeBomCrLf };

// The file text with its lines ended and encoded as the chosen writer would.
QByteArray encode(const QStringList &lines, Encoding encoding)
{
    const QString text = lines.join(encoding == Utf8Lf ? QStringLiteral("\n") : QStringLiteral("\r\n"));
    if (encoding != Utf16LeBomCrLf)
        return (encoding == Utf8BomCrLf ? QByteArray("\xef\xbb\xbf") : QByteArray()) + text.toUtf8();
    QByteArray bytes("\xff\xfe");
    for (const QChar c : text)
        bytes.append(char(c.unicode() & 0xff)).append(char(c.unicode() >> 8));
    return bytes;
}

QStringList reg(const QStringList &lines)
{
    return QStringList{QStringLiteral("Windows Registry Editor Version 5.00"), QString()} + lines;
}

QByteArray utf16z(const QString &text)
{
    return encode({text}, Utf16LeBomCrLf).mid(2) + QByteArray(2, '\0');
}

// What an enumeration names before it answers NoMoreItems.
QStringList names(Registry &registry, HKEY key, long (Registry::*enumerate)(HKEY, int, QString *))
{
    QStringList names;
    QString name;
    int i = 0;
    for (; (registry.*enumerate)(key, i, &name) == Registry::Success; ++i)
        names << name;
    return (registry.*enumerate)(key, i, &name) == Registry::NoMoreItems ? names : QStringList{"no end"};
}

// Visits every key and value below `key` the way the product walk does.
void walk(Registry &registry, HKEY key, int depth)
{
    Registry::KeyInfo info;
    QCOMPARE(registry.queryInfo(key, &info), long(Registry::Success));
    QString name;
    QByteArray data;
    for (int i = 0; registry.enumValue(key, i, &name) != Registry::NoMoreItems; ++i)
        registry.queryValue(key, name, &data);
    for (int i = 0; depth < 600 && registry.enumKey(key, i, &name) != Registry::NoMoreItems; ++i) {
        HKEY sub = nullptr;
        if (registry.openSubKey(key, name, &sub) == Registry::Success)
            walk(registry, sub, depth + 1);
        registry.closeKey(sub);
    }
}

} // namespace

class TestRegFileRegistry final : public QObject
{
    Q_OBJECT

private slots:
    void readText_data();
    void readText();
    void rereadsFileButKeysKeepTheirTree();
    void seesEveryReplacement_data();
    void seesEveryReplacement();
    void missingFile_data();
    void missingFile();
    void problems_data();
    void problems();
    void walkEnumeratesInFileOrder();
    void nameLengthLimits_data();
    void nameLengthLimits();
    void queryValue_data();
    void queryValue();
    void survivesHugeLines();
    void survivesArbitraryBytes();

private:
    QString write(const QByteArray &bytes)
    {
        QFile file(m_path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(m_path));
        return m_path;
    }

    QTemporaryDir m_dir;
    const QString m_path = m_dir.filePath(QStringLiteral("registry.reg"));
};

void TestRegFileRegistry::readText_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("keyPath");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected"); // null: absent

    const QString kn = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Zym");
    const QString k = "[" + kn + "]";
    const QString kp = QStringLiteral("HKLM\\SOFTWARE\\Zym");
    const struct {
        const char *row;
        QStringList lines;
        QString keyPath;
        QString name;
        QString expected;
    } cases[] = {
        {"plain string", reg({k, R"("Version"="1.2.3")"}), kp, "Version", "1.2.3"},
        {"escapes", reg({k, R"("P"="C:\\Pro Files\\\"q\"")"}), kp, "P", R"(C:\Pro Files\"q")"},
        {"other backslashes literal", reg({k, R"("P"="a\nb\\")"}), kp, "P", R"(a\nb\)"},
        {"default value", reg({k, R"(@="dflt")"}), kp, "", "dflt"},
        {"dword as decimal", reg({k, R"("C"=dword:0000001f)"}), kp, "C", "31"},
        {"dword unsigned", reg({k, R"("C"=dword:ffffffff)"}), kp, "C", "4294967295"},
        {"expandable over continuation lines",
         reg({k, R"("E"=hex(2):25,00,\)", R"(  50,00,\)", "\t25,00,00,00"}), kp, "E", "%P%"},
        {"multi-string joined by newline", reg({k, R"("M"=hex(7):61,00,00,00,62,00,00,00,00,00)"}), kp, "M", "a\nb"},
        {"qword as decimal", reg({k, R"("Q"=hex(b):00,01,00,00,00,00,00,00)"}), kp, "Q", "256"},
        {"binary as hex digits", reg({k, R"("B"=hex:0a,FF)"}), kp, "B", "0aff"},
        {"empty string is not absent", reg({k, R"("E"="")"}), kp, "E", QLatin1String("")},
        {"absent value", reg({k, R"("V"="1")"}), kp, "W", QString()},
        {"absent key", reg({k, R"("V"="1")"}), kp + "\\Sub", "V", QString()},
        {"deleted value", reg({k, R"("V"="1")", R"("V"=-)"}), kp, "V", QString()},
        {"deleted key takes its subtree", reg({"[" + kn + "\\A\\B]", R"("V"="1")", "[-" + kn + "\\A]"}), kp + "\\A\\B", "V",
         QString()},
        {"recreated key starts empty", reg({k, R"("Old"="1")", "[-" + kn + "]", k}), kp, "Old", QString()},
        {"key names ignore case", reg({"[HKLM\\Software\\ZYM]", R"("V"="1")"}), "HKLM\\SOFTWARE\\zym", "V", "1"},
        {"value names ignore case", reg({k, R"("Version"="1")"}), kp, "vERSION", "1"},
        {"short hive asked long", reg({"[HKCU\\X]", R"("V"="1")"}), "HKEY_CURRENT_USER\\X", "V", "1"},
        {"trailing and doubled separators", reg({"[HKLM\\S\\\\W\\]", R"("V"="1")"}), "HKLM\\\\S\\W\\", "V", "1"},
        {"later value wins", reg({k, R"("V"="1")", "[HKLM\\O]", k, R"("V"="2")"}), kp, "V", "2"},
        {"later section merges", reg({k, R"("A"="1")", k, R"("B"="2")"}), kp, "A", "1"},
        {"malformed lines skipped",
         reg({k, R"("U"="open)", R"("H"=hex:zz)", R"("D"=dword:123456789)", "junk", R"("N" "x")", R"("G"="yes")"}),
         kp, "G", "yes"},
        {"bad hex value not stored", reg({k, R"("H"=hex:0g)"}), kp, "H", QString()},
        {"section without bracket takes no values", reg({k, "[HKLM\\SOFTWARE\\Zym\\X", R"("B"="2")"}), kp, "B", QString()},
        {"continuation stops at a section", reg({k, R"("H"=hex:01,\)", "[HKLM\\N]", R"("V"="1")"}), "HKLM\\N", "V", "1"},
        {"unknown hive ignored", reg({"[HKEY_NOPE\\X]", R"("V"="1")"}), "HKEY_NOPE\\X", "V", QString()},
        {"comments skipped", reg({k, "; \"V\"=\"0\"", R"("V"="1")"}), kp, "V", "1"},
        {"REGEDIT4 header", QStringList{"REGEDIT4", k, R"("V"="1")"}, kp, "V", "1"},
        {"no header no registry", QStringList{"Windows Registry Editor", k, R"("V"="1")"}, kp, "V", QString()},
        {"non-ASCII names and text", reg({"[HKLM\\Größe]", R"("Ñame"="東京 €")"}), "HKLM\\größe", "ñame", "東京 €"},
    };
    const struct {
        const char *row;
        Encoding encoding;
    } encodings[] = {{"utf8 lf", Utf8Lf}, {"utf8 bom crlf", Utf8BomCrLf}, {"utf16le bom crlf", Utf16LeBomCrLf}};
    for (const auto &c : cases) {
        for (const auto &e : encodings) {
            QTest::addRow("%s / %s", c.row, e.row) << encode(c.lines, e.encoding) << c.keyPath << c.name << c.expected;
        }
    }
    QTest::newRow("ANSI REGEDIT4 file") << QByteArray("REGEDIT4\r\n[HKLM\\K]\r\n\"V\"=\"Gr\xfc\xdf\x80\"\r\n")
                                      << "HKLM\\K" << "V" << QStringLiteral("Grüß€");
}

void TestRegFileRegistry::readText()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, keyPath);
    QFETCH(QString, name);
    QFETCH(QString, expected);

    const QString text = RegFileRegistry(write(file)).readText(keyPath, name);
    QCOMPARE(text.isNull(), expected.isNull());
    QCOMPARE(text, expected);
}

void TestRegFileRegistry::rereadsFileButKeysKeepTheirTree()
{
    RegFileRegistry registry(write(encode(reg({"[HKLM\\K\\Sub]", R"("V"="1")"}), Utf16LeBomCrLf)));
    HKEY key = nullptr;
    QCOMPARE(registry.openKey("HKLM\\K", &key), long(Registry::Success));
    write(encode(reg({"[HKLM\\K\\Sub]", R"("V"="2")"}), Utf8Lf));
    QCOMPARE(registry.readText("HKLM\\K\\Sub", "V"), QStringLiteral("2"));
    QVERIFY(QFile::remove(m_path));
    QVERIFY(registry.readText("HKLM\\K\\Sub", "V").isNull());
    HKEY sub = nullptr;
    QCOMPARE(registry.openKey("HKLM\\K", &sub), long(Registry::FileNotFound));

    // The key opened first walks on in the tree it came from.
    QCOMPARE(registry.openSubKey(key, "SUB", &sub), long(Registry::Success));
    registry.closeKey(key);
    QByteArray data;
    QCOMPARE(registry.queryValue(sub, "v", &data), long(Registry::Success));
    QCOMPARE(data, utf16z("1"));
    registry.closeKey(sub);
    registry.closeKey(nullptr);
}

void TestRegFileRegistry::seesEveryReplacement_data()
{
    QTest::addColumn<bool>("renamed");
    QTest::newRow("renamed over, same size and times") << true;
    QTest::newRow("rewritten in place, times put back") << false;
}

void TestRegFileRegistry::seesEveryReplacement()
{
    QFETCH(bool, renamed);

    // Same size, so only the file's identity and times can tell the versions apart.
    const QDateTime old = QDateTime::currentDateTimeUtc().addSecs(-3600);
    const auto version = [&](const QString &path, char value) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(encode(reg({"[HKLM\\K]", QStringLiteral("\"V\"=\"%1\"").arg(value)}), Utf8Lf));
        QVERIFY(file.flush());
        QVERIFY(file.setFileTime(old, QFileDevice::FileModificationTime));
    };
    version(m_path, '1');
    RegFileRegistry registry(m_path);
    QCOMPARE(registry.readText("HKLM\\K", "V"), QStringLiteral("1"));
    QCOMPARE(registry.readText("HKLM\\K", "V"), QStringLiteral("1"));
    const QString next = renamed ? m_dir.filePath("next.reg") : m_path;
    version(next, '2');
    if (renamed)
        QCOMPARE(::rename(QFile::encodeName(next).constData(), QFile::encodeName(m_path).constData()), 0);
    QCOMPARE(registry.readText("HKLM\\K", "V"), QStringLiteral("2"));
}

void TestRegFileRegistry::missingFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("problem"); // what the person who set the machine up is told
    QTest::newRow("empty path") << QString() << QString();
    QTest::newRow("no such file") << m_dir.filePath("absent.reg") << QString();
    QTest::newRow("a directory") << m_dir.path() << "is not a file";
}

void TestRegFileRegistry::missingFile()
{
    QFETCH(QString, path);
    QFETCH(QString, problem);
    RegFileRegistry registry(path);
    QCOMPARE(registry.problems("HKLM\\SOFTWARE").join(' ').contains(problem), true);
    QCOMPARE(registry.problems("HKLM\\SOFTWARE").isEmpty(), problem.isEmpty());
    QVERIFY(registry.readText("HKLM\\SOFTWARE", "").isNull());
    HKEY key = reinterpret_cast<HKEY>(&registry);
    QCOMPARE(registry.openKey("HKLM", &key), long(Registry::FileNotFound));
    QCOMPARE(key, HKEY(nullptr));
}

void TestRegFileRegistry::problems_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("problem"); // empty: none

    const QString product = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\ZYM\\ZYM_Chipset_Drivers]";
    const QByteArray utf16 = encode(reg({product, R"("ProductVersion"="1")"}), Utf16LeBomCrLf);
    QByteArray bigEndian("\xfe\xff");
    for (int i = 2; i + 1 < utf16.size(); i += 2)
        bigEndian.append(utf16.at(i + 1)).append(utf16.at(i));

    QTest::newRow("an export of the package") << utf16 << QString();
    QTest::newRow("empty") << QByteArray() << "is empty";
    QTest::newRow("a byte-order mark alone") << QByteArray("\xff\xfe") << "is empty";
    QTest::newRow("UTF-16 without its byte-order mark") << utf16.mid(2) << "encoding that cannot be read";
    QTest::newRow("big-endian UTF-16") << bigEndian << "encoding that cannot be read";
    QTest::newRow("binary junk") << QByteArray("\x7f" "ELF\x02\x01\x01\0\0\0", 10) << "encoding that cannot be read";
    QTest::newRow("no header") << encode({product, R"("ProductVersion"="1")"}, Utf8Lf)
                               << "does not begin with \"Windows Registry Editor Version 5.00\"";
    QTest::newRow("exported from the 64-bit view")
        << encode(reg({"[HKEY_LOCAL_MACHINE\\SOFTWARE\\ZYM\\ZYM_Chipset_Drivers]", R"("ProductVersion"="1")"}), Utf16LeBomCrLf)
        << "has no key below HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\ZYM (the 32-bit view, which the front-end reads), "
           "so no product is found installed; it has keys below HKEY_LOCAL_MACHINE\\SOFTWARE\\ZYM: it was exported "
           "from the 64-bit view, export HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\ZYM instead";
    QTest::newRow("the maker's key without products")
        << encode(reg({"[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\ZYM]"}), Utf8Lf)
        << "has no key below HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\ZYM (the 32-bit view, which the front-end reads), "
           "so no product is found installed";
}

void TestRegFileRegistry::problems()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, problem);

    const QStringList problems = RegFileRegistry(write(file)).problems("HKLM\\SOFTWARE\\WOW6432Node\\ZYM\\");
    if (problem.isEmpty())
        QCOMPARE(problems, QStringList());
    else
        QVERIFY2(problems.size() == 1 && problems.first().contains(problem), qPrintable(problems.join('\n')));
}

void TestRegFileRegistry::walkEnumeratesInFileOrder()
{
    // Removals come before later names, which must still be found afterwards.
    RegFileRegistry registry(write(encode(reg({"[HKLM\\S\\Zym]", R"("Name"="Zym")", R"("Tmp"="gone")", "@=dword:1",
        R"("tmp"=-)", "[HKLM\\S\\Zym\\Gone]", "[HKLM\\S\\Zym\\Beta]", "[HKLM\\S\\Zym\\alpha]", R"("Data"=hex:01,02,03)",
        "[-HKLM\\S\\Zym\\gone]", "[HKLM\\S\\Zym\\BETA\\Deep]", "[HKLM\\S\\Zym\\Delta]"}), Utf16LeBomCrLf)));
    HKEY key = nullptr;
    QCOMPARE(registry.openKey("HKLM\\S\\Zym\\", &key), long(Registry::Success));
    Registry::KeyInfo info;
    QCOMPARE(registry.queryInfo(key, &info), long(Registry::Success));
    QCOMPARE(info.subKeyCount, 3);
    QCOMPARE(info.valueCount, 2);
    QCOMPARE(info.maxValueDataLength, 8); // "Zym" and its terminator in UTF-16

    QCOMPARE(names(registry, key, &Registry::enumKey), QStringList({"Beta", "alpha", "Delta"}));
    QCOMPARE(names(registry, key, &Registry::enumValue), QStringList({"Name", ""}));
    QString name;
    QCOMPARE(registry.enumKey(key, -1, &name), long(Registry::NoMoreItems));
    QByteArray data;
    QCOMPARE(registry.queryValue(key, "", &data), long(Registry::Success));
    QCOMPARE(data, QByteArray("\x01\0\0\0", 4));

    HKEY sub = nullptr;
    QCOMPARE(registry.openSubKey(key, "beta\\deep", &sub), long(Registry::Success));
    QCOMPARE(registry.queryInfo(sub, &info), long(Registry::Success));
    QCOMPARE(info.subKeyCount + info.valueCount + info.maxValueDataLength, 0);
    registry.closeKey(sub);
    QCOMPARE(registry.openSubKey(key, "ALPHA", &sub), long(Registry::Success));
    QCOMPARE(registry.queryValue(sub, "data", &data), long(Registry::Success));
    QCOMPARE(data, QByteArray("\x01\x02\x03"));
    registry.closeKey(sub);
    QCOMPARE(registry.openSubKey(key, "Gone", &sub), long(Registry::FileNotFound));
    QCOMPARE(sub, HKEY(nullptr));
    registry.closeKey(key);

    QCOMPARE(registry.openKey("HKEY_LOCAL_MACHINE\\s", &key), long(Registry::Success)); // made by its subkey's section
    QCOMPARE(registry.queryInfo(key, &info), long(Registry::Success));
    QCOMPARE(info.subKeyCount, 1);
    registry.closeKey(key);
}

void TestRegFileRegistry::nameLengthLimits_data()
{
    QTest::addColumn<bool>("isKey");
    QTest::addColumn<int>("length");
    QTest::addColumn<long>("result");
    QTest::newRow("key name of 254 fits") << true << 254 << long(Registry::Success);
    QTest::newRow("key name of 255 leaves no room for the NUL") << true << 255 << long(Registry::MoreData);
    QTest::newRow("value name of 16382 fits") << false << 16382 << long(Registry::Success);
    QTest::newRow("value name of 16383 leaves no room for the NUL") << false << 16383 << long(Registry::MoreData);
}

void TestRegFileRegistry::nameLengthLimits()
{
    QFETCH(bool, isKey);
    QFETCH(int, length);
    QFETCH(long, result);
    const QString longName(length, QLatin1Char('n'));
    RegFileRegistry registry(write(encode(reg({"[HKLM\\K]", isKey ? "[HKLM\\K\\" + longName + "]" : "\"" + longName + "\"=\"\""}), Utf8Lf)));
    HKEY key = nullptr;
    QCOMPARE(registry.openKey("HKLM\\K", &key), long(Registry::Success));
    QString name;
    QCOMPARE(isKey ? registry.enumKey(key, 0, &name) : registry.enumValue(key, 0, &name), result);
    QCOMPARE(name, result == Registry::Success ? longName : QString());
    registry.closeKey(key);
}

void TestRegFileRegistry::queryValue_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<long>("result");
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("string in UTF-16LE with terminator") << R"("V"="ab")" << long(Registry::Success) << utf16z("ab");
    QTest::newRow("empty string is its terminator") << R"("V"="")" << long(Registry::Success) << QByteArray(2, '\0');
    QTest::newRow("dword little endian") << R"("v"=dword:01020304)" << long(Registry::Success) << QByteArray("\x04\x03\x02\x01");
    QTest::newRow("expandable as written") << R"("V"=hex(2):41,00,00,00)" << long(Registry::Success) << utf16z("A");
    QTest::newRow("binary as written") << R"("V"=hex:00,7f,80)" << long(Registry::Success) << QByteArray("\x00\x7f\x80", 3);
    QTest::newRow("empty binary") << R"("V"=hex:)" << long(Registry::Success) << QByteArray();
    QTest::newRow("absent value") << R"("W"="x")" << long(Registry::FileNotFound) << QByteArray();
}

void TestRegFileRegistry::queryValue()
{
    QFETCH(QString, line);
    QFETCH(long, result);
    QFETCH(QByteArray, data);
    RegFileRegistry registry(write(encode(reg({"[HKLM\\K]", line}), Utf8BomCrLf)));
    HKEY key = nullptr;
    QCOMPARE(registry.openKey("HKLM\\K", &key), long(Registry::Success));
    QByteArray read;
    QCOMPARE(registry.queryValue(key, "V", &read), result);
    QCOMPARE(read, data);
    Registry::KeyInfo info;
    QCOMPARE(registry.queryInfo(key, &info), long(Registry::Success));
    if (result == Registry::Success)
        QCOMPARE(info.maxValueDataLength, data.size());
    registry.closeKey(key);
}

void TestRegFileRegistry::survivesHugeLines()
{
    const QString deep = "[HKLM" + QString("\\a").repeated(200000) + "]";
    RegFileRegistry registry(write(encode(reg({deep, "[" + QString(1 << 20, '['), R"("H"=hex:)" + QString("01,").repeated(1 << 18),
        R"("L"=")" + QString(1 << 22, '\\'), "[HKLM\\K]", R"("V"="1")"}), Utf16LeBomCrLf)));
    QCOMPARE(registry.readText("HKLM\\K", "V"), QStringLiteral("1"));
    HKEY key = nullptr;
    QCOMPARE(registry.openKey("HKLM\\a", &key), long(Registry::FileNotFound)); // deeper than the registry allows
}

void TestRegFileRegistry::survivesArbitraryBytes()
{
    const QStringList lines = reg({"[HKLM\\K]", R"("V"="1")", R"("E"=hex(2):25,00,\)", "  50,00,00,00", "[-HKLM\\K]", "[HKLM\\K\\S]", "@=dword:2"});
    for (Encoding encoding : {Utf8Lf, Utf16LeBomCrLf}) {
        // Every prefix holding the first value's line whole reads it.
        const QByteArray file = encode(lines, encoding);
        const int firstValueEnd = encode(lines.mid(0, 4), encoding).size();
        for (int size = 0; size <= file.size(); ++size) {
            RegFileRegistry registry(write(file.left(size)));
            const QString text = registry.readText("HKLM\\K", "V");
            if (size >= firstValueEnd && size < file.indexOf(encoding == Utf8Lf ? "[-" : QByteArray("[\0-", 3)))
                QCOMPARE(text, QStringLiteral("1"));
        }
    }
    QRandomGenerator random(0x5eed);
    const QByteArray seed = encode(lines, Utf16LeBomCrLf);
    for (int round = 0; round < 400; ++round) {
        QByteArray bytes = round % 2 ? seed : encode(reg({}), Utf8Lf);
        const int changes = int(random.bounded(1, 40));
        for (int i = 0; i < changes; ++i) {
            const char byte = char(random.bounded(256));
            if (round % 2)
                bytes[int(random.bounded(bytes.size()))] = byte;
            else
                bytes.append(byte % 3 ? byte : "\"[\\,=\n"[random.bounded(6)]);
        }
        RegFileRegistry registry(write(bytes));
        registry.readText("HKLM\\K", "V");
        for (const char *hive : {"HKLM", "HKCU", "HKCR", "HKU", "HKCC"}) {
            HKEY key = nullptr;
            if (registry.openKey(hive, &key) == Registry::Success)
                walk(registry, key, 0);
            registry.closeKey(key);
        }
    }
}

QTEST_GUILESS_MAIN(TestRegFileRegistry)

#include "tst_regfileregistry.moc"
