#include "app/shell/korvasettings.h"

#include <QFileInfo>
#include <QSettings>

namespace {
const QString kLastFolder = QStringLiteral("files/lastFolder");
const QString kRecentFiles = QStringLiteral("files/recent");
// Qt's own geometry of old, which kept the frame's guess.
const QString kOldGeometry = QStringLiteral("window/geometry");
const QString kClient = QStringLiteral("window/client");
const QString kMaximized = QStringLiteral("window/maximized");
const QString kState = QStringLiteral("window/state");
const QString kZoom = QStringLiteral("view/zoom");
const QString kOverview = QStringLiteral("view/overview");
const QString kReadableLosses = QStringLiteral("view/readableLosses");
const QString kWatchedFolders = QStringLiteral("games/watchedFolders");
const QString kArchivedGames = QStringLiteral("games/archived");
const QString kDialogSizes = QStringLiteral("dialogs/%1/size");
} // namespace

KorvaSettings::KorvaSettings(std::unique_ptr<QSettings> store) : store_(std::move(store)) {}

KorvaSettings::~KorvaSettings() = default;

std::unique_ptr<QSettings> KorvaSettings::userStore() {
    return std::make_unique<QSettings>();
}

QString KorvaSettings::lastFolder() const {
    const QString folder = store_ ? store_->value(kLastFolder).toString() : QString();
    return QFileInfo(folder).isDir() ? folder : QString();
}

void KorvaSettings::noteFile(const QString& path) {
    if (store_)
        store_->setValue(kLastFolder, QFileInfo(path).absolutePath());
}

QStringList KorvaSettings::recentFiles() const {
    if (!store_)
        return {};
    // Another Korva on the same settings may have changed the list since.
    store_->sync();
    return store_->value(kRecentFiles).toStringList();
}

void KorvaSettings::setRecentFiles(const QStringList& files) {
    if (!store_)
        return;
    store_->setValue(kRecentFiles, files);
    store_->sync(); // for the other Korvas to read
}

std::optional<WindowPlace> KorvaSettings::windowPlace() const {
    const QRect client = store_ ? store_->value(kClient).toRect() : QRect();
    if (!client.isValid())
        return std::nullopt;
    return WindowPlace{client, store_->value(kMaximized).toBool()};
}

QByteArray KorvaSettings::windowState() const {
    return store_ ? store_->value(kState).toByteArray() : QByteArray();
}

void KorvaSettings::setWindow(const WindowPlace& place, const QByteArray& state) {
    if (!store_)
        return;
    store_->remove(kOldGeometry);
    store_->setValue(kClient, place.client);
    store_->setValue(kMaximized, place.maximized);
    store_->setValue(kState, state);
}

double KorvaSettings::zoom() const {
    bool ok = false;
    const double zoom = store_ ? store_->value(kZoom, 1.0).toDouble(&ok) : 1.0;
    return ok && zoom > 0.0 ? zoom : 1.0;
}

bool KorvaSettings::overviewShown() const {
    return store_ && store_->value(kOverview, false).toBool();
}

bool KorvaSettings::readableLosses() const {
    return store_ && store_->value(kReadableLosses, false).toBool();
}

void KorvaSettings::setView(double zoom, bool overviewShown, bool readableLosses) {
    if (!store_)
        return;
    store_->setValue(kZoom, zoom);
    store_->setValue(kOverview, overviewShown);
    store_->setValue(kReadableLosses, readableLosses);
}

QStringList KorvaSettings::watchedFolders() const {
    return store_ ? store_->value(kWatchedFolders).toStringList() : QStringList();
}

void KorvaSettings::setWatchedFolders(const QStringList& folders) {
    if (store_)
        store_->setValue(kWatchedFolders, folders);
}

QStringList KorvaSettings::archivedGames() const {
    return store_ ? store_->value(kArchivedGames).toStringList() : QStringList();
}

void KorvaSettings::setArchivedGames(const QStringList& games) {
    if (!store_)
        return;
    store_->setValue(kArchivedGames, games);
    store_->sync(); // korva --games reads it too
}

QSize KorvaSettings::dialogSize(const QString& dialog) const {
    return store_ ? store_->value(kDialogSizes.arg(dialog)).toSize() : QSize();
}

void KorvaSettings::setDialogSize(const QString& dialog, const QSize& size) {
    if (store_)
        store_->setValue(kDialogSizes.arg(dialog), size);
}
