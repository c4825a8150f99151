#include "Dnevnik.h"

#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

#include "game/Log.h"
#include "platform/Accessibility.h"
#include "platform/Screens.h"
#include "platform/Ui.h"

Dnevnik::Dnevnik(Context& c) : Screen(c, ScreenId::Dnevnik) {
    setFixedSize(720, 520);
    setStyleSheet(
        QStringLiteral(
            "Dnevnik { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f3e6c4,"
            " stop:1 #d9c293); }"
            "QListWidget { background: #fff7e0; color: #2b1a0e; border: 2px solid #8a6430;"
            " border-radius: 6px; }"
            "QListWidget:focus { border-color: #2b1a0e; }"
            "QListWidget::item:selected { background: #c9a24a; color: #2b1a0e; }") +
        Ui::buttonStyle() + QStringLiteral("QPushButton:focus { border-color: #2b1a0e; }"));

    lines = new QListWidget(this);
    lines->setObjectName(QStringLiteral("lines"));
    lines->setGeometry(16, 16, 688, 424);
    lines->setFont(Ui::gameFont(12));
    lines->setWordWrap(true);
    lines->setSelectionMode(QAbstractItemView::SingleSelection);
    // A long game's thousands of lines are laid out a batch at a time, so the window opens at once.
    lines->setLayoutMode(QListView::Batched);
    lines->setBatchSize(200);

    Command1 = Ui::button(this, QStringLiteral("Command1"), QString(), {265, 456, 190, 44});
    Command1->setFont(Ui::gameFont(13, true));
    Command1->setAutoDefault(true);
    setTabOrder(lines, Command1);

    connect(Command1, &QPushButton::clicked, this, &Dnevnik::Command1_Click);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &Dnevnik::Command1_Click);
    retranslate();
}

void Dnevnik::retranslate() {
    setWindowTitle(tr("Dnevnik"));
    lines->setAccessibleName(tr("Dnevnik"));
    Command1->setText(tr("OK"));
    // Lines already shown are written again in the new language; the first showing fills them.
    if (lines->count() > 0) Form_Load();
}

void Dnevnik::Form_Load() {
    const QList<Game::LogEntry>& entries = ctx.log.entries();
    lines->clear();
    QStringList texts;
    texts.reserve(entries.size());
    for (const Game::LogEntry& entry : entries) texts << Game::LogLine(entry, gs);
    lines->addItems(texts);
    if (lines->count() > 0) {
        lines->setCurrentRow(lines->count() - 1);
        lines->scrollToBottom();
    }
    lines->setFocus();
}

void Dnevnik::showEvent(QShowEvent* event) {
    Screen::showEvent(event);
    // A screen reader names the list as it gets the focus, not the line chosen in it: the
    // newest line is said after, and the arrow keys go back from there line by line.
    if (lines->currentItem() != nullptr) Accessibility::announce(this, lines->currentItem()->text());
}

void Dnevnik::Command1_Click() {
    ctx.screens.unload(ScreenId::Dnevnik);
}
