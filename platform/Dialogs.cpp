#include "Dialogs.h"

#include "Accessibility.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include "Ui.h"

namespace {
QString caption() {
    return QCoreApplication::translate("Dialogs", "KAVGALIJA!");
}

// A box nobody has to answer closes by itself, unless a screen reader may still be speaking it.
void closeLater(QDialog& dialog, int closeAfterMs) {
    if (closeAfterMs >= 0 && !QAccessible::isActive())
        QTimer::singleShot(closeAfterMs, &dialog, &QDialog::accept);
}

// A message, or with `question` a yes-or-no question (Escape answers no). True when accepted.
bool showMessage(const QString& prompt, int face, int closeAfterMs = -1, bool question = false) {
    // Our own box rather than QMessageBox: the text wraps anywhere (a very long name stays inside
    // the box and scrolls), is never read as markup, and the box keeps a sensible size.
    // A box's text can be heard again; a die's face is in the log.
    if (face <= 0) Accessibility::remember(prompt);
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("messageBox"));
    dialog.setWindowTitle(caption());
    dialog.setAccessibleDescription(prompt);
    dialog.setStyleSheet(QStringLiteral(
        "QDialog { background: #f6ecd2; }"
        "QTextEdit { background: transparent; color: #2b1a0e; border: none; }"
        "QPushButton { background: #c9a24a; color: #2b1a0e; border: 2px solid #6b4a1c;"
        " border-radius: 8px; padding: 4px 24px; }"
        "QPushButton:focus { border-color: #2b1a0e; }"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* text = new QTextEdit(&dialog);
    text->setObjectName(QStringLiteral("prompt"));
    text->setReadOnly(true);
    text->setFont(Ui::gameFont(13));
    text->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    text->document()->setDefaultTextOption([] {
        QTextOption option(Qt::AlignCenter);
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        return option;
    }());
    text->setPlainText(prompt);
    text->setAccessibleName(prompt);
    text->setFocusPolicy(Qt::NoFocus);
    // Beside a die the box stays compact: its prompt is a bare number.
    const int kTextWidth = face > 0 ? 240 : 380;
    text->document()->setDefaultFont(text->font());
    text->document()->setTextWidth(kTextWidth);
    const int height = static_cast<int>(text->document()->size().height()) + 8;
    text->setFixedSize(kTextWidth + 8, qBound(40, height, 360));
    auto* ok = new QPushButton(question ? QCoreApplication::translate("Dialogs", "Da")
                                        : QCoreApplication::translate("Dialogs", "OK"),
                               &dialog);
    ok->setDefault(true);
    ok->setFont(Ui::gameFont(12, true));
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QPushButton* no = nullptr;
    if (question) {
        no = new QPushButton(QCoreApplication::translate("Dialogs", "Ne"), &dialog);
        no->setFont(ok->font());
        QObject::connect(no, &QPushButton::clicked, &dialog, &QDialog::reject);
    }
    if (face >= 1 && face <= 6) {
        auto* row = new QHBoxLayout;
        auto* die = new QLabel(&dialog);
        die->setObjectName(QStringLiteral("die"));
        die->setPixmap(DieFace(face, 56, dialog.devicePixelRatioF()));
        die->setAccessibleName(
            QCoreApplication::translate("Dialogs", "Kocka pokazuje %1").arg(face));
        row->addWidget(die, 0, Qt::AlignVCenter);
        row->addWidget(text);
        layout->addLayout(row);
    } else {
        layout->addWidget(text);
    }
    if (no != nullptr) {
        auto* row = new QHBoxLayout;
        row->addWidget(ok);
        row->addWidget(no);
        layout->addLayout(row);
    } else {
        layout->addWidget(ok, 0, Qt::AlignHCenter);
    }
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ok->setFocus();
    closeLater(dialog, closeAfterMs);
    return dialog.exec() == QDialog::Accepted;
}
}  // namespace

QPixmap DieFace(int face, int side, qreal devicePixelRatio) {
    QPixmap pixmap(QSize(side, side) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF square(1.5, 1.5, side - 3, side - 3);
    painter.setPen(QPen(QColor(0x6b, 0x4a, 0x1c), 2));
    painter.setBrush(QColor(0xff, 0xfb, 0xf0));
    painter.drawRoundedRect(square, side * 0.18, side * 0.18);
    // Pips on a 3 x 3 grid, numbered row by row from the top left.
    static const QList<int> pips[7] = {
        {}, {4}, {0, 8}, {0, 4, 8}, {0, 2, 6, 8}, {0, 2, 4, 6, 8}, {0, 2, 3, 5, 6, 8}};
    const qreal step = side / 4.0;
    const qreal radius = side * 0.09;
    painter.setPen(Qt::NoPen);
    painter.setBrush(face == 1 ? QColor(0xc0, 0x2a, 0x2a) : QColor(0x2b, 0x1a, 0x0e));
    for (const int pip : pips[qBound(0, face, 6)])
        painter.drawEllipse(QPointF(step * (1 + pip % 3), step * (1 + pip / 3)), radius, radius);
    return pixmap;
}

void QtDialogs::message(const QString& prompt) {
    showMessage(prompt, 0);
}

void QtDialogs::dieMessage(const QString& prompt, int face) {
    showMessage(prompt, face);
}

void QtDialogs::unattendedMessage(const QString& prompt, int face, int closeAfterMs) {
    showMessage(prompt, face, closeAfterMs);
}

bool QtDialogs::ask(const QString& prompt) {
    return showMessage(prompt, 0, -1, true);
}

QString QtDialogs::input(const QString& prompt) {
    return answeredInput(prompt, QString(), -1);
}

QString QtDialogs::answeredInput(const QString& prompt, const QString& answer, int closeAfterMs) {
    // Our own small dialog: Qt's input dialog would read the prompt as markup.
    QDialog dialog;
    dialog.setWindowTitle(caption());
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(prompt, &dialog);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    auto* field = new QLineEdit(&dialog);
    field->setAccessibleName(prompt);
    label->setBuddy(field);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(label);
    layout->addWidget(field);
    layout->addWidget(buttons);
    dialog.setMinimumWidth(360);
    field->setText(answer);
    field->setFocus();
    closeLater(dialog, closeAfterMs);
    return dialog.exec() == QDialog::Accepted ? field->text() : QString();
}
