#include "Dialogs.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

namespace {
const QString kCaption = QStringLiteral("KAVGALIJA!");
}

void QtDialogs::message(const QString& prompt) {
    QMessageBox box(QMessageBox::NoIcon, kCaption, prompt, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
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
    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(label);
    layout->addWidget(field);
    layout->addWidget(buttons);
    dialog.setMinimumWidth(360);
    field->setFocus();
    return dialog.exec() == QDialog::Accepted ? field->text() : QString();
}
