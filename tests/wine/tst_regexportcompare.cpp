// One registry, two readers: the Wine test program read its tree through the
// Win32 API and wrote down every answer; here the registry-file reader reads
// the same tree from Wine's `reg export` of it and must answer the same.
#include "platform/simulated/regfileregistry.h"

#include <QFile>
#include <QScopeGuard>
#include <QtTest>

class RegExportCompareTest : public QObject
{
    Q_OBJECT

private slots:
    void inputsArePresent();
    void sameAnswers_data();
    void sameAnswers();

private:
    static QString exportFile() { return qEnvironmentVariable("ZYM_REGEXPORT_FILE"); }
    static QString expectationsFile() { return qEnvironmentVariable("ZYM_REGEXPORT_EXPECTATIONS"); }
    // Tab-separated records, with '%', tab and line breaks percent-encoded.
    static QList<QStringList> records();
};

QList<QStringList> RegExportCompareTest::records()
{
    QList<QStringList> result;
    QFile file(expectationsFile());
    if (!file.open(QIODevice::ReadOnly))
        return result;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.isEmpty())
            continue;
        QStringList fields;
        for (const QByteArray &field : line.split('\t'))
            fields << QString::fromUtf8(QByteArray::fromPercentEncoding(field));
        result << fields;
    }
    return result;
}

void RegExportCompareTest::inputsArePresent()
{
    QFile exported(exportFile());
    QVERIFY2(exported.open(QIODevice::ReadOnly), qPrintable(QStringLiteral("export file: ") + exportFile()));
    // Wine writes the export as Windows does: UTF-16LE behind a byte-order mark.
    QVERIFY(exported.read(2) == QByteArray("\xff\xfe", 2));
    QVERIFY2(records().size() > 50, qPrintable(QStringLiteral("expectations file: ") + expectationsFile()));
}

void RegExportCompareTest::sameAnswers_data()
{
    QTest::addColumn<QStringList>("record");
    int line = 0;
    for (const QStringList &record : records()) {
        ++line;
        const QString key = record.value(1).section(QLatin1Char('\\'), -1);
        const QString what = (record.value(0) + QLatin1Char(' ') + key + QLatin1Char(' ') + record.value(2)).left(60);
        QTest::newRow(qPrintable(QStringLiteral("line %1: %2").arg(line).arg(what))) << record;
    }
}

void RegExportCompareTest::sameAnswers()
{
    QFETCH(QStringList, record);
    QVERIFY(record.size() >= 3);
    RegFileRegistry registry(exportFile());
    const QString kind = record.at(0);
    const QString path = record.at(1);

    if (kind == QLatin1String("text")) {
        QVERIFY(record.size() == 4);
        const QString text = registry.readText(path, record.at(2));
        QVERIFY2(!text.isNull(), "read as absent");
        QCOMPARE(text, record.at(3));
        return;
    }
    if (kind == QLatin1String("absent")) {
        const QString text = registry.readText(path, record.at(2));
        QVERIFY2(text.isNull(), qPrintable(QStringLiteral("read as \"%1\"").arg(text)));
        return;
    }

    HKEY key = nullptr;
    QCOMPARE(registry.openKey(path, &key), long(Registry::Success));
    const auto close = qScopeGuard([&] { registry.closeKey(key); });
    QVERIFY(record.size() == 5);

    if (kind == QLatin1String("info")) {
        Registry::KeyInfo info;
        QCOMPARE(registry.queryInfo(key, &info), long(Registry::Success));
        QCOMPARE(info.subKeyCount, record.at(2).toInt());
        QCOMPARE(info.valueCount, record.at(3).toInt());
        QCOMPARE(info.maxValueDataLength, record.at(4).toInt());
    } else if (kind == QLatin1String("enumKey") || kind == QLatin1String("enumValue")) {
        QString name;
        const int index = record.at(2).toInt();
        const long result = kind == QLatin1String("enumKey") ? registry.enumKey(key, index, &name)
                                                             : registry.enumValue(key, index, &name);
        QCOMPARE(result, record.at(3).toLong());
        if (result == Registry::Success) {
            QCOMPARE(name.size(), record.at(4).size());
            QCOMPARE(name, record.at(4));
        }
    } else if (kind == QLatin1String("data")) {
        QByteArray data;
        const long result = registry.queryValue(key, record.at(2), &data);
        QCOMPARE(result, record.at(3).toLong());
        if (result == Registry::Success)
            QCOMPARE(QString::fromLatin1(data.toHex()), record.at(4));
    } else {
        QFAIL(qPrintable(QStringLiteral("unknown record: ") + kind));
    }
}

QTEST_GUILESS_MAIN(RegExportCompareTest)

#include "tst_regexportcompare.moc"
