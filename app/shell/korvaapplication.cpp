#include "app/shell/korvaapplication.h"

#include "base/residentmemory.h"

#include <QMessageBox>

#include <exception>

namespace {
std::function<void(const QString&)>& reporter() {
    static std::function<void(const QString&)> instance;
    return instance;
}
} // namespace

KorvaApplication::KorvaApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // An evening of zooming and opening makes and drops many large pictures.
    residentmemory::returnLargeBlocksWhenFreed();
    setIdentity();
}

void KorvaApplication::setIdentity() {
    // The settings file is ~/.config/Korva/Korva.conf.
    setOrganizationName(QStringLiteral("Korva"));
    setApplicationName(QStringLiteral("Korva"));
    // Wayland shows the window's icon only when it knows the desktop file.
    setDesktopFileName(QStringLiteral(KORVA_APP_ID));
}

bool KorvaApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        reportException(QString::fromUtf8(error.what()));
    } catch (...) {
        reportException(tr("An unknown error occurred."));
    }
    return false;
}

void KorvaApplication::reportException(const QString& message) {
    if (reporter()) {
        reporter()(message);
        return;
    }
    // The message may quote a file's name or contents: plain text, never markup.
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Korva"), message, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void KorvaApplication::setExceptionReporter(std::function<void(const QString&)> reporter_) {
    reporter() = std::move(reporter_);
}
