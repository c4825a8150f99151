#include "Keeping.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <algorithm>

#include "ComputerPace.h"
#include "Context.h"
#include "Language.h"
#include "Sound.h"
#include "game/Random.h"

namespace {
// A save larger than this is no save of ours (four players' names and the board fit in a few KB).
constexpr qint64 kLargestSave = 4 * 1024 * 1024;
}  // namespace

SaveFile::SaveFile(const QString& folder)
    : path_(folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("game.json"))) {}

bool SaveFile::exists() const {
    return keeps() && QFileInfo::exists(path_);
}

bool SaveFile::write(const QByteArray& game) {
    if (!keeps()) return false;
    QDir().mkpath(QFileInfo(path_).path());
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(game);
    return file.commit();
}

std::optional<Game::SavedGame> SaveFile::read(bool* unreadable) {
    if (unreadable) *unreadable = false;
    if (!exists()) return std::nullopt;
    QFile file(path_);
    std::optional<Game::SavedGame> game;
    if (file.open(QIODevice::ReadOnly) && file.size() <= kLargestSave)
        game = Game::FromJson(file.readAll());
    file.close();
    if (!game) {
        KeepAside(path_);
        if (unreadable) *unreadable = true;
    }
    return game;
}

void SaveFile::remove() {
    if (keeps()) QFile::remove(path_);
}

AutoSave::AutoSave(SaveFile& file, const GameState& gs, const Random& dice,
                   const Game::Log& log)
    : file_(file), gs_(gs), dice_(dice), log_(log) {
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &AutoSave::check);
}

void AutoSave::check() {
    if (!file_.keeps()) return;
    if (gs_.stage == Stage::Won) {
        if (!record_.isEmpty()) file_.remove();
        record_.clear();
        return;
    }
    if (!Game::InProgress(gs_)) return;
    // The record alone is quick to write out; a long game's log is not, and it only grows, so
    // its revision tells whether it changed.
    const QString dice = QString::fromStdString(dice_.state());
    const QByteArray record = Game::ToJson({gs_, dice});
    if (record == record_ && log_.revision() == logRevision_) return;
    if (file_.write(Game::ToJson({gs_, dice, log_}))) {
        record_ = record;
        logRevision_ = log_.revision();
    }
}

QString KeepAside(const QString& path) {
    const QString aside =
        path + QStringLiteral(".bad-") +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QFile::rename(path, aside);
    return aside;
}

namespace {
const QString kPaces[] = {QStringLiteral("normal"), QStringLiteral("fast"),
                          QStringLiteral("at-once")};
}  // namespace

KeptSettings::KeptSettings(const QString& file, Sound& sound, Context* ctx)
    : file_(file), sound_(sound), ctx_(ctx) {}

KeptSettings::~KeptSettings() {
    if (watching_) qApp->removeEventFilter(this);
    if (ctx_ != nullptr && watching_) ctx_->paceChanged = nullptr;
}

bool KeptSettings::apply(bool language) {
    if (file_.isEmpty()) return true;
    bool readable = true;
    if (QFileInfo::exists(file_)) {
        QSettings kept(file_, QSettings::IniFormat);
        const QString code = kept.value(QStringLiteral("language"), Language::current()).toString();
        const QString on = kept.value(QStringLiteral("sound"), QStringLiteral("true")).toString();
        bool volumeOk = false;
        const int volume = kept.value(QStringLiteral("volume"), Sound::MAX_VOLUME).toInt(&volumeOk);
        const QString paceName = kept.value(QStringLiteral("pace"), kPaces[0]).toString();
        const auto pace = std::find(std::begin(kPaces), std::end(kPaces), paceName);
        readable = kept.status() == QSettings::NoError && Language::codes().contains(code) &&
                   (on == QLatin1String("true") || on == QLatin1String("false")) && volumeOk &&
                   volume >= 0 && volume <= Sound::MAX_VOLUME && pace != std::end(kPaces);
        if (readable) {
            if (language) Language::set(code);
            sound_.setOn(on == QLatin1String("true"));
            sound_.setVolume(volume);
            if (ctx_ != nullptr)
                SetComputerPace(*ctx_, static_cast<ComputerPace>(pace - std::begin(kPaces)));
        } else {
            KeepAside(file_);
        }
    }
    connect(&sound_, &Sound::levelChanged, this, &KeptSettings::store);
    if (ctx_ != nullptr) ctx_->paceChanged = [this] { store(); };
    qApp->installEventFilter(this);
    watching_ = true;
    return readable;
}

QString KeptSettings::unreadable() {
    return tr("Zapamcena podesavanja ne mogu da se procitaju, pa su sklonjena u stranu.");
}

bool KeptSettings::eventFilter(QObject* watched, QEvent* event) {
    if (watched == qApp && event->type() == QEvent::LanguageChange) store();
    return false;
}

void KeptSettings::store() {
    QDir().mkpath(QFileInfo(file_).path());
    QSettings kept(file_, QSettings::IniFormat);
    kept.setValue(QStringLiteral("language"), Language::current());
    kept.setValue(QStringLiteral("sound"),
                  sound_.isOn() ? QStringLiteral("true") : QStringLiteral("false"));
    kept.setValue(QStringLiteral("volume"), sound_.volume());
    if (ctx_ != nullptr)
        kept.setValue(QStringLiteral("pace"), kPaces[static_cast<int>(PaceOf(*ctx_))]);
}
