// The launcher, the software centre's entry and the icons that go with the installed game.
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
const QString kAppId = u"rs.kavgalija.kavgalija"_s;

QString dist(const QString& suffix) {
    return QDir(QStringLiteral(KAVGALIJA_ASSETS_DIR "/../dist")).absoluteFilePath(kAppId + suffix);
}

QString contents(const QString& suffix) {
    QFile file(dist(suffix));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
}  // namespace

class DesktopFilesTest : public QObject {
    Q_OBJECT
private slots:
    void validatorsPass_data() {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("args");
        QTest::newRow("launcher") << u"desktop-file-validate"_s << QStringList{dist(u".desktop"_s)};
        QTest::newRow("metainfo") << u"appstreamcli"_s
                                  << QStringList{u"validate"_s, u"--no-net"_s, u"--explain"_s,
                                                 dist(u".metainfo.xml"_s)};
    }

    void validatorsPass() {
        QFETCH(QString, tool);
        QFETCH(QStringList, args);
        const QString program = QStandardPaths::findExecutable(tool);
        if (program.isEmpty()) QSKIP(qPrintable(tool + u" is not installed"_s));
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(program, args);
        QVERIFY(p.waitForFinished(60000));
        QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0, p.readAll().data());
    }

    // The launcher starts the installed program under its installed icon name, among the games;
    // the software centre finds it by the metainfo's id, and shows both languages.
    void launcherAndMetainfoAgree() {
        const QString launcher = contents(u".desktop"_s), meta = contents(u".metainfo.xml"_s);
        for (const QString& line : {u"Name=KAVGALIJA!"_s, u"Exec=kavgalija"_s, u"Icon=kavgalija"_s,
                                    u"Categories=Game;BoardGame;"_s})
            QVERIFY2(launcher.contains(u'\n' + line + u'\n'), qPrintable(line));
        for (const QString& tag :
             {u"<id>"_s + kAppId + u"</id>"_s, kAppId + u".desktop</launchable>"_s, u"<summary>"_s,
              u"<summary xml:lang=\"sr\">"_s, u"<p xml:lang=\"sr\">"_s})
            QVERIFY2(meta.contains(tag), qPrintable(tag));
    }

    // Each PNG goes into the theme folder of its size, so it must really be that size.
    void iconsComeInTheirSizes() {
        QVERIFY(QFile::exists(QStringLiteral(KAVGALIJA_ASSETS_DIR "/ui/icon.svg")));
        for (int size : {16, 32, 48, 64, 128, 256}) {
            const QImage icon(QStringLiteral(KAVGALIJA_ASSETS_DIR "/ui/icon-%1.png").arg(size));
            QVERIFY2(icon.size() == QSize(size, size) && icon.hasAlphaChannel(),
                     qPrintable(QString::number(size)));
        }
    }
};

QTEST_GUILESS_MAIN(DesktopFilesTest)
#include "test_desktop_files.moc"
