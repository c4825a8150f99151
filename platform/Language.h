#pragma once

#include <QString>
#include <QStringList>

// The language the game speaks: the original (Serbian in Latin letters without their marks, the
// texts as the game was written), Serbian in Latin with its proper letters, Serbian in Cyrillic,
// or English. Switching it redraws every open window at once; the player's kept settings remember
// it for the next run.
namespace Language {

inline const QString ORIGINAL = QStringLiteral("sr");
inline const QString LATIN = QStringLiteral("sr-Latn");
inline const QString CYRILLIC = QStringLiteral("sr-Cyrl");
inline const QString ENGLISH = QStringLiteral("en");

// Every language's code, in the order the options list them.
QStringList codes();
// The language's name as the options list it.
QString name(const QString& code);

// What the desktop's languages (most wanted first, as QLocale::uiLanguages gives them) ask for:
// the first of them that is Serbian or English decides; any other list gets the original, and so
// does Serbian in Latin letters: the proper letters are a choice, never a default.
QString fromDesktop(const QStringList& uiLanguages);
// The desktop's languages, most wanted first.
QStringList desktopLanguages();

// Speaks the language from now on. Returns false, changing nothing, for a code not in codes().
bool set(const QString& code);
QString current();

// A sentence with an amount, in the language's plural forms: the source's %n, as
// QT_TRANSLATE_N_NOOP marks it. Qt fills %n only for n >= 0; here a goal below zero is written as
// well.
QString counted(const char* context, const char* source, int n);

}  // namespace Language
