#include "app/uilanguage.h"
#include "backend/installoutcome.h"
#include "backend/packageregistry.h"
#include "backend/productpaths.h"
#include "tests/scenedriver.h"
#include "tests/testplatform.h"
#include "tests/warningrecorder.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QTranslator>
#include <QtTest>

// The languages with the longest texts, in every state of the flows, through the real application
// in its narrowest window, 650x393: a shown text wider or taller than the item that holds it fails,
// and in the pseudo-language (every text longer and accented) a text left unmarked.
namespace {

const QString kIoDriverSection = QStringLiteral("[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\ZYM\\ZYM_Chipset_IODrivers]\r\n");
const QString kProductCode = QStringLiteral("{4D2E1C3B-5A6F-4789-8ABC-DEF012345678}");
const QString kPseudo = QStringLiteral("pseudo");
// Data, not interface text: product names and the licence, which the maker translates.
const QStringList kUntranslated{"textDriverName", "textLicenseContent", "textLicenseContent2"};
// Every way a run can end, as the status strip words it.
const QList<int> kExitCodes{0, 1641, 1602, 1618, 3017, 1603};

qreal offset(int alignment, qreal room, qreal used, int start, int centre)
{
    return alignment & centre ? (room - used) / 2 : alignment & start ? 0 : room - used;
}

// The shown texts under `item` that spill out of their parent (or, when they wrap, out of
// their own width), and in the pseudo-language those that were never translated.
QStringList misfits(const QQuickItem *item, bool pseudo)
{
    QStringList found;
    if (!item->isVisible() || item->opacity() == 0)
        return found;
    const QString text = item->property("text").toString();
    if (item->inherits("QQuickText") && !text.isEmpty()) {
        const QQuickItem *box = item->parentItem();
        const QString name = item->objectName().isEmpty() ? box->objectName() : item->objectName();
        const qreal width = item->property("contentWidth").toReal();
        const qreal height = item->property("contentHeight").toReal();
        const qreal left = item->x() + offset(item->property("effectiveHorizontalAlignment").toInt(), item->width(),
                                              width, Qt::AlignLeft, Qt::AlignHCenter);
        const qreal top = item->y() + offset(item->property("verticalAlignment").toInt(), item->height(), height,
                                             Qt::AlignTop, Qt::AlignVCenter);
        const bool wraps = item->property("wrapMode").toInt() != 0;
        const bool elides = item->property("elide").toInt() != Qt::ElideNone;
        if (!elides && (left < -0.5 || top < -0.5 || left + width > box->width() + 0.5
                        || top + height > box->height() + 0.5 || (wraps && width > item->width() + 0.5)))
            found << QStringLiteral("%1 (%2x%3 in %4x%5): %6").arg(name).arg(width).arg(height)
                         .arg(box->width()).arg(box->height()).arg(text);
        if (pseudo && !text.contains(QLatin1Char('[')) && text.contains(QRegularExpression(QStringLiteral("[A-Za-z]")))
            && !kUntranslated.contains(name))
            found << QStringLiteral("%1 is not marked for translation: %2").arg(name, text);
    }
    const QList<QQuickItem *> children = item->childItems();
    for (const QQuickItem *child : children)
        found << misfits(child, pseudo);
    return found;
}

} // namespace

class TestLanguages : public WarningRecorder
{
    Q_OBJECT

private:
    QString m_language;

    // The offscreen screen gives an 800 pixel window; its layout follows the window's width.
    static void start(SceneDriver &scene)
    {
        QVERIFY(scene.start());
        scene.window()->setWidth(650);
        QTRY_COMPARE(scene.window()->contentItem()->width(), 650.0);
    }

    QString misfits(SceneDriver &scene) const
    {
        return ::misfits(scene.window()->contentItem(), m_language == kPseudo).join(QLatin1Char('\n'));
    }

    // Waits for the moving parts to settle into a state where everything fits.
    void check(SceneDriver &scene) const { QTRY_VERIFY2(misfits(scene).isEmpty(), qPrintable(misfits(scene))); }

    // Each way the run can end, in the status strip of a finished run.
    void checkOutcomes(SceneDriver &scene, bool removal) const
    {
        for (int exitCode : kExitCodes) {
            QVERIFY(scene.item("recInstall")->setProperty("strCompletion", InstallOutcome::classify(exitCode, false, false, removal).statusText));
            QVERIFY2(misfits(scene).isEmpty(), qPrintable(misfits(scene)));
        }
    }

private slots:
    // The longest Latin texts (German, French), the widest glyphs (Japanese), and the pseudo-language.
    void everyTextFits_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"pseudo", "de", "fr", "ja"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    void everyTextFits()
    {
        QFETCH(QString, language);
        m_language = language;
        std::unique_ptr<QTranslator> translator = language == kPseudo ? std::make_unique<QTranslator>() : UiLanguage::install({language});
        QVERIFY(translator);
        if (language == kPseudo) {
            QVERIFY(translator->load(QStringLiteral(PSEUDO_QM)));
            QCoreApplication::installTranslator(translator.get());
        }

        // Install: licence, drivers, installing, finished with a restart offered and the log bar.
        // Removal: the drivers, uninstalling, finished.
        for (const bool removal : {false, true}) {
            TestMachine machine;
            machine.setArguments(removal ? QStringList{"/U", kProductCode}
                                         : QStringList{"/SETZYM_RAID", "/SETRAIDMAVEL", "/SETPCI", "/SETGPIO2"});
            machine.writeRegistry(kIoDriverSection + QStringLiteral("\"DeployedFeatures\"=\"PCI,CIR\"\r\n"));
            if (removal)
                machine.addRecorder(ProductPaths::msiExec, 1.5);
            else // the restart offered, for the longest texts
                machine.addRegistryWriter(ProductPaths::setupProgramFromFrontEnd, PackageRegistry::restartFlagKeyPath,
                                          QStringLiteral("REBOOTSTATUS"), QStringLiteral("YES"), 1.5);
            SceneDriver scene(machine);
            STEP(start(scene));
            STEP(check(scene));
            if (!removal) {
                QVERIFY(scene.click("recAcceptButton"));
                QTRY_COMPARE(scene.value("recInstallButton", "x").toReal(), 0.0);
                STEP(check(scene));
            }
            QVERIFY(scene.click(removal ? "recUninstallButton" : "recInstallButton"));
            QTRY_VERIFY(scene.isShown(removal ? "recIndicatorForUninstall" : "recIndicator"));
            STEP(check(scene));
            QTRY_VERIFY_WITH_TIMEOUT(scene.isShown(removal ? "recFinishButton" : "recExitAndRestart"), 15000);
            STEP(check(scene));
            STEP(checkOutcomes(scene, removal));
        }
        // Removal with nothing to remove, and nothing offered: the warning and the notice.
        for (const QStringList &arguments : {QStringList{"/U", kProductCode}, QStringList()}) {
            TestMachine machine;
            machine.setArguments(arguments);
            SceneDriver scene(machine);
            STEP(start(scene));
            STEP(check(scene));
        }
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
