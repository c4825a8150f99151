#pragma once

#include <QString>
#include <QStringList>

// The language the game speaks: the original (Serbian in Latin letters, the texts as the game
// was written), Serbian in Cyrillic, or English. Switching it redraws every open window at
// once; the player's kept settings remember it for the next run.
namespace Language {

inline const QString ORIGINAL = QStringLiteral("sr");
inline const QString CYRILLIC = QStringLiteral("sr-Cyrl");
inline const QString ENGLISH = QStringLiteral("en");

// Every language's code, in the order the options list them.
QStringList codes();
// The language's name as the options list it.
QString name(const QString& code);

// What the desktop's languages (most wanted first, as QLocale::uiLanguages gives them) ask for:
// the first of them that is Serbian or English decides; any other list gets the original.
QString fromDesktop(const QStringList& uiLanguages);
// The desktop's languages, most wanted first.
QStringList desktopLanguages();

// Speaks the language from now on. Returns false, changing nothing, for a code not in codes().
bool set(const QString& code);
QString current();

}  // namespace Language
