#include "platform/simulated/regfileregistry.h"
#include "platform/simulated/regfilewriter.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

enum Encoding { Utf8Lf, Utf8BomCrLf, Utf16LeBomCrLf };

// The file text with its lines ended and encoded as the chosen writer would.
QByteArray encode(const QStringList &lines, Encoding encoding)
{
    const QString text = lines.join(encoding == Utf8Lf ? QStringLiteral("\n") : QStringLiteral("\r\n"));
    return RegFileWriter::encode(text, encoding == Utf8Lf ? RegFileWriter::Encoding::Utf8
                                     : encoding == Utf8BomCrLf ? RegFileWriter::Encoding::Utf8WithBom
                                                               : RegFileWriter::Encoding::Utf16Le);
}

QStringList reg(const QStringList &lines)
{
    return QStringList{RegFileWriter::header(), QString()} + lines;
}

} // namespace

// The registry file the simulated Windows reads, whatever it holds.
class TestRegFileRegistry final : public QObject
{
    Q_OBJECT

private slots:
    void readText_data();
    void readText();
    void survivesHugeLines();

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
        {"escapes", reg({k, R"("P"="C:\\Pro Files\\\"q\"")"}), kp, "P", R"(C:\Pro Files\"q")"},
        {"empty string is not absent", reg({k, R"("E"="")"}), kp, "E", QLatin1String("")},
        {"absent value", reg({k, R"("V"="1")"}), kp, "W", QString()},
        {"deleted value", reg({k, R"("V"="1")", R"("V"=-)"}), kp, "V", QString()},
        {"deleted key takes its subtree", reg({"[" + kn + "\\A\\B]", R"("V"="1")", "[-" + kn + "\\A]"}), kp + "\\A\\B", "V",
         QString()},
        {"names ignore case", reg({"[HKLM\\Software\\ZYM]", R"("Version"="1")"}), "HKLM\\SOFTWARE\\zym", "vERSION", "1"},
        {"later value wins", reg({k, R"("V"="1")", "[HKLM\\O]", k, R"("V"="2")"}), kp, "V", "2"},
        {"malformed lines skipped",
         reg({k, R"("U"="open)", R"("H"=hex:zz)", R"("D"=dword:123456789)", "junk", R"("N" "x")", R"("G"="yes")"}),
         kp, "G", "yes"},
        {"section without bracket takes no values", reg({k, "[HKLM\\SOFTWARE\\Zym\\X", R"("B"="2")"}), kp, "B", QString()},
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

void TestRegFileRegistry::survivesHugeLines()
{
    const QString deep = "[HKLM" + QString("\\a").repeated(200000) + "]";
    RegFileRegistry registry(write(encode(reg({deep, "[" + QString(1 << 20, '['), R"("H"=hex:)" + QString("01,").repeated(1 << 18),
        R"("L"=")" + QString(1 << 22, '\\'), "[HKLM\\K]", R"("V"="1")"}), Utf16LeBomCrLf)));
    QCOMPARE(registry.readText("HKLM\\K", "V"), QStringLiteral("1"));
    HKEY key = nullptr;
    QCOMPARE(registry.openKey("HKLM\\a", &key), long(Registry::FileNotFound)); // deeper than the registry allows
}

QTEST_GUILESS_MAIN(TestRegFileRegistry)
#include "tst_regfileregistry.moc"
