#include "Ui.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "Language.h"
#include "PictureBox.h"

namespace Ui {

QString buttonStyle() {
    return QStringLiteral(
        "QPushButton { background: #c9a24a; color: #2b1a0e; border: 2px solid #6b4a1c;"
        " border-radius: 10px; padding: 4px; }"
        "QPushButton:hover { background: #e0bb5e; }");
}

namespace {
const QString kLettering = QStringLiteral("Comic Sans MS");

// Comic Neue has no Cyrillic letters; rather than mix it with whichever font has them, Cyrillic
// is lettered in Andika throughout, a font as plain and friendly.
QStringList letteringFamilies() {
    if (Language::current() == Language::CYRILLIC) return {QStringLiteral("Andika"), kLettering};
    return {kLettering};
}
}  // namespace

QFont gameFont(int pointSize, bool bold) {
    QFont font(letteringFamilies(), pointSize);
    font.setBold(bold);
    return font;
}

void reletter() {
    const QStringList families = letteringFamilies();
    for (QWidget* widget : QApplication::allWidgets()) {
        QFont font = widget->font();
        if (!widget->testAttribute(Qt::WA_SetFont) || !font.families().contains(kLettering) ||
            font.families() == families)
            continue;
        font.setFamilies(families);
        widget->setFont(font);
    }
}

QLabel* label(QWidget* parent, const QString& designerName, const QString& text,
              const QRect& geometry) {
    auto* l = new QLabel(parent);
    l->setObjectName(designerName);
    l->setTextFormat(Qt::PlainText);
    l->setText(text);
    l->setGeometry(geometry);
    return l;
}

QPushButton* button(QWidget* parent, const QString& designerName, const QString& caption,
                    const QRect& geometry) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(designerName);
    b->setGeometry(geometry);
    return b;
}

PictureBox* picture(QWidget* parent, const QString& designerName, const QRect& geometry,
                    bool stretch) {
    auto* p = new PictureBox(designerName, parent, stretch);
    p->setGeometry(geometry);
    return p;
}

QString portraitOf(const QString& player) {
    return QCoreApplication::translate("Ui", "Portret: %1").arg(player);
}

void fitInto(PictureBox* box, const QRect& slot) {
    QSize size = slot.size();
    if (!box->pixmap().isNull()) size = box->pixmap().size().scaled(size, Qt::KeepAspectRatio);
    QRect place(QPoint(0, 0), size);
    place.moveCenter(slot.center());
    box->setGeometry(place);
}

QFrame* panel(QWidget* parent, const QRect& slot) {
    auto* f = new QFrame(parent);
    f->setObjectName(QStringLiteral("panel"));
    f->setGeometry(slot.adjusted(-6, -6, 6, 6));
    return f;
}

namespace {
// Registers the copies of the font in the application directory whose file names match. The
// installed game has none: it uses the same files from Debian's fonts-comic-neue.
void registerFonts(const QString& appDir, const QStringList& patterns) {
    const QDir fonts(appDir + QStringLiteral("/fonts"));
    for (const QString& file : fonts.entryList(patterns, QDir::Files, QDir::Name))
        QFontDatabase::addApplicationFont(fonts.filePath(file));
}
}  // namespace

void installGameFonts(const QString& appDir) {
    installFirstFonts(appDir);
    installOtherFonts(appDir);
}

void installFirstFonts(const QString& appDir) {
    registerFonts(appDir, {QStringLiteral("*-Regular.ttf"), QStringLiteral("*-Regular.otf"),
                           QStringLiteral("*-Bold.ttf"), QStringLiteral("*-Bold.otf")});
    QFont::insertSubstitution(kLettering, QStringLiteral("Comic Neue"));
}

void installOtherFonts(const QString& appDir) {
    const QStringList first = {QStringLiteral("-Regular."), QStringLiteral("-Bold.")};
    QStringList others;
    for (const QString& file : QDir(appDir + QStringLiteral("/fonts"))
                                   .entryList({QStringLiteral("*.ttf"), QStringLiteral("*.otf")})) {
        if (!file.contains(first[0]) && !file.contains(first[1])) others << file;
    }
    if (!others.isEmpty()) registerFonts(appDir, others);
}

}  // namespace Ui
