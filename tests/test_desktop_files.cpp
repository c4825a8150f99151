// The launcher, the software centre's entry and the icons that go with the installed game.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QXmlStreamReader>

namespace {
const QString kAppId = QStringLiteral("rs.kavgalija.kavgalija");

QString distDir() {
    return QDir(QStringLiteral(KAVGALIJA_ASSETS_DIR "/../dist")).absolutePath();
}
QString launcherPath() {
    return distDir() + QLatin1Char('/') + kAppId + QStringLiteral(".desktop");
}
QString metainfoPath() {
    return distDir() + QLatin1Char('/') + kAppId + QStringLiteral(".metainfo.xml");
}

// The [Desktop Entry] keys, untranslated and translated ("Name", "Name[sr]").
QMap<QString, QString> readLauncher() {
    QFile file(launcherPath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    QMap<QString, QString> keys;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && !line.startsWith(QLatin1Char('#')))
            keys.insert(line.left(eq), line.mid(eq + 1));
    }
    return keys;
}

// Runs a validator; its whole output goes into the failure message.
void validate(const QString& tool, const QStringList& args) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) QSKIP(qPrintable(tool + QStringLiteral(" is not installed")));
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    QVERIFY(p.waitForFinished(60000));
    const QString output = QString::fromUtf8(p.readAll());
    QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0, qPrintable(output));
}
}  // namespace

class DesktopFilesTest : public QObject {
    Q_OBJECT
private slots:
    void launcherValidates() {
        validate(QStringLiteral("desktop-file-validate"), {launcherPath()});
    }

    void metainfoValidates() {
        validate(QStringLiteral("appstreamcli"),
                 {QStringLiteral("validate"), QStringLiteral("--no-net"),
                  QStringLiteral("--explain"), metainfoPath()});
    }

    void launcherStartsTheGameWithItsIcon() {
        const auto keys = readLauncher();
        QCOMPARE(keys.value(QStringLiteral("Name")), QStringLiteral("KAVGALIJA!"));
        QCOMPARE(keys.value(QStringLiteral("Exec")), QStringLiteral("kavgalija"));
        QCOMPARE(keys.value(QStringLiteral("Icon")), QStringLiteral("kavgalija"));
        const QStringList categories =
            keys.value(QStringLiteral("Categories")).split(QLatin1Char(';'));
        QVERIFY(categories.contains(QStringLiteral("Game")));
        QVERIFY(categories.contains(QStringLiteral("BoardGame")));
        QVERIFY(!keys.value(QStringLiteral("Comment[sr]")).isEmpty());
    }

    // The software centre finds the launcher by the metainfo's id, and shows both languages.
    void metainfoNamesTheLauncher() {
        QFile file(metainfoPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString id, launchable, name;
        QStringList summaryLanguages, paragraphLanguages;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            const auto tag = xml.name();
            const QString lang = xml.attributes().value(QStringLiteral("xml:lang")).toString();
            if (tag == QLatin1String("id"))
                id = xml.readElementText();
            else if (tag == QLatin1String("launchable"))
                launchable = xml.readElementText();
            else if (tag == QLatin1String("name") && lang.isEmpty() && name.isEmpty())
                name = xml.readElementText();
            else if (tag == QLatin1String("summary"))
                summaryLanguages << lang;
            else if (tag == QLatin1String("p"))
                paragraphLanguages << lang;
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(id, kAppId);
        QCOMPARE(launchable, kAppId + QStringLiteral(".desktop"));
        QCOMPARE(name, QStringLiteral("KAVGALIJA!"));
        for (const QStringList& langs : {summaryLanguages, paragraphLanguages}) {
            QVERIFY(langs.contains(QString()));
            QVERIFY(langs.contains(QStringLiteral("sr")));
        }
    }

    // Each PNG goes into the theme folder of its size, so it must really be that size.
    void iconsComeInTheirSizes() {
        const QString ui = QStringLiteral(KAVGALIJA_ASSETS_DIR "/ui/");
        QVERIFY(QFile::exists(ui + QStringLiteral("icon.svg")));
        for (int size : {16, 32, 48, 64, 128, 256}) {
            const QImage icon(ui + QStringLiteral("icon-%1.png").arg(size));
            QVERIFY2(!icon.isNull(), qPrintable(QString::number(size)));
            QCOMPARE(icon.size(), QSize(size, size));
            QVERIFY(icon.hasAlphaChannel());
        }
    }
};

QTEST_GUILESS_MAIN(DesktopFilesTest)
#include "test_desktop_files.moc"
