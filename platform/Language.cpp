#include "Language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include "Ui.h"

namespace {

QString current_ = Language::ORIGINAL;

QTranslator& translator() {
    static QTranslator t;
    return t;
}

// Qt's own texts that the game's windows show: the input box's buttons and a text field's menu.
// Debian has no Serbian translation of Qt, so the game's files carry these few.
[[maybe_unused]] const char* const kQtTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Undo"),      QT_TRANSLATE_NOOP("QLineEdit", "&Redo"),
    QT_TRANSLATE_NOOP("QLineEdit", "Cu&t"),       QT_TRANSLATE_NOOP("QLineEdit", "&Copy"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Paste"),     QT_TRANSLATE_NOOP("QLineEdit", "Delete"),
    QT_TRANSLATE_NOOP("QLineEdit", "Select All"),
};

}  // namespace

namespace Language {

QStringList codes() {
    return {ORIGINAL, LATIN, CYRILLIC, ENGLISH};
}

QString name(const QString& code) {
    //: Each language is best named in itself, so that whoever reads it can find their way back.
    if (code == CYRILLIC) return QCoreApplication::translate("Language", "Srpski (cirilica)");
    if (code == ENGLISH) return QCoreApplication::translate("Language", "English");
    if (code == LATIN) return QCoreApplication::translate("Language", "Srpski (latinica)");
    return QCoreApplication::translate("Language", "Srpski (original)");
}

QString fromDesktop(const QStringList& uiLanguages) {
    for (const QString& wanted : uiLanguages) {
        const QLocale locale(wanted);
        if (locale.language() == QLocale::English) return ENGLISH;
        if (locale.language() == QLocale::Serbian)
            return locale.script() == QLocale::CyrillicScript ? CYRILLIC : ORIGINAL;
    }
    return ORIGINAL;
}

QStringList desktopLanguages() {
    QStringList languages = QLocale::system().uiLanguages();
    // Qt reads sr_RS@latin as Serbian in Cyrillic, its default script; the modifier asks for Latin.
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (value.isEmpty()) continue;
        if (value.startsWith(QLatin1String("sr")) && value.contains(QLatin1String("@latin")))
            languages.prepend(QStringLiteral("sr-Latn"));
        break;
    }
    return languages;
}

bool set(const QString& code) {
    if (!codes().contains(code)) return false;
    if (code == current_) return true;
    QCoreApplication::removeTranslator(&translator());
    current_ = code;
    Ui::reletter();
    if (code == ORIGINAL) return true;
    // The compiled translations are built into the program.
    QString file = code;
    file.replace(QLatin1Char('-'), QLatin1Char('_'));
    if (translator().load(QStringLiteral(":/i18n/kavgalija_") + file))
        QCoreApplication::installTranslator(&translator());
    return true;
}

QString current() {
    return current_;
}

QString counted(const char* context, const char* source, int n) {
    QString text = QCoreApplication::translate(context, source, nullptr, n);
    if (n < 0) text.replace(QLatin1String("%n"), QString::number(n));
    return text;
}

}  // namespace Language
