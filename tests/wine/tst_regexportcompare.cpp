// One registry, two readers: the Wine test program read its tree through the Win32 API and wrote down every answer;
// here the registry-file reader reads the same tree from Wine's `reg export` of it and must answer the same.
#include "platform/simulated/regfileregistry.h"

#include <QFile>
#include <QScopeGuard>
#include <QtTest>

class RegExportCompareTest : public QObject
{
    Q_OBJECT

private slots:
    void sameAnswers_data()
    {
        QTest::addColumn<QStringList>("record");
        // Wine writes the export as Windows does: UTF-16LE behind a byte-order mark.
        QFile exported(qEnvironmentVariable("ZYM_REGEXPORT_FILE"));
        QVERIFY(exported.open(QIODevice::ReadOnly) && exported.read(2) == QByteArray("\xff\xfe", 2));
        // Tab-separated fields, each the hexadecimal digits of its UTF-8.
        QFile file(qEnvironmentVariable("ZYM_REGEXPORT_EXPECTATIONS"));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QVERIFY2(lines.size() > 50, "the expectations are there");
        for (int line = 0; line < lines.size(); ++line) {
            QStringList record;
            for (const QByteArray &field : lines.at(line).split('\t'))
                record << QString::fromUtf8(QByteArray::fromHex(field));
            if (record.size() >= 3)
                QTest::addRow("line %d: %s %s", line + 1, qPrintable(record.at(0)), qPrintable(record.at(2).left(40))) << record;
        }
    }

    // Each record: kind, key path, then what the kind asks and what Windows answered.
    void sameAnswers()
    {
        QFETCH(QStringList, record);
        RegFileRegistry registry(qEnvironmentVariable("ZYM_REGEXPORT_FILE"));
        const QString kind = record.at(0);
        if (kind == QLatin1String("text") || kind == QLatin1String("absent")) {
            const QString text = registry.readText(record.at(1), record.at(2));
            QCOMPARE(text.isNull(), kind == QLatin1String("absent"));
            QCOMPARE(text, record.value(3));
            return;
        }
        HKEY key = nullptr;
        QCOMPARE(registry.openKey(record.at(1), &key), long(Registry::Success));
        const auto close = qScopeGuard([&] { registry.closeKey(key); });
        QCOMPARE(record.size(), 5);
        QString name;
        QByteArray data;
        const int index = record.at(2).toInt();
        Registry::KeyInfo info;
        const long result = kind == QLatin1String("info") ? registry.queryInfo(key, &info)
            : kind == QLatin1String("enumKey")             ? registry.enumKey(key, index, &name)
            : kind == QLatin1String("enumValue")           ? registry.enumValue(key, index, &name)
                                                           : registry.queryValue(key, record.at(2), &data);
        if (kind == QLatin1String("info")) {
            QCOMPARE(result, long(Registry::Success));
            QCOMPARE(QStringList({QString::number(info.subKeyCount), QString::number(info.valueCount),
                                  QString::number(info.maxValueDataLength)}), record.mid(2));
        } else {
            QCOMPARE(result, record.at(3).toLong());
            if (result == Registry::Success)
                QCOMPARE(kind == QLatin1String("data") ? QString::fromLatin1(data.toHex()) : name, record.at(4));
        }
    }
};

QTEST_GUILESS_MAIN(RegExportCompareTest)

#include "tst_regexportcompare.moc"
