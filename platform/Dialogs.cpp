#include "Dialogs.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "Ui.h"

namespace {
const QString kCaption = QStringLiteral("KAVGALIJA!");
}

void QtDialogs::message(const QString& prompt) {
    // Our own box rather than QMessageBox: the text wraps anywhere (a very long name stays inside
    // the box and scrolls), is never read as markup, and the box keeps a sensible size.
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("messageBox"));
    dialog.setWindowTitle(kCaption);
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
    constexpr int kTextWidth = 380;
    text->document()->setDefaultFont(text->font());
    text->document()->setTextWidth(kTextWidth);
    const int height = static_cast<int>(text->document()->size().height()) + 8;
    text->setFixedSize(kTextWidth + 8, qBound(40, height, 360));
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setDefault(true);
    ok->setFont(Ui::gameFont(12, true));
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    layout->addWidget(text);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ok->setFocus();
    dialog.exec();
}

QString QtDialogs::input(const QString& prompt) {
    // Our own small dialog: Qt's input dialog would read the prompt as markup.
    QDialog dialog;
    dialog.setWindowTitle(kCaption);
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
    field->setFocus();
    return dialog.exec() == QDialog::Accepted ? field->text() : QString();
}
