#include "bakedpictures.h"
#include "commandline.h"
#include "firstpaintprobe.h"
#include "korvaapplication.h"
#include "mapview.h"
#include "modules.h"
#include "programart.h"
#include "tmainform.h"
#include "tsplash.h"

#include <QDir>

namespace {

// The splash picture drawn at build time, or drawn now when the program carries none.
QImage splashPicture() {
    const auto sheet = bakedpictures::loadSheet(QString::fromLatin1(bakedpictures::kProgramSheet));
    const auto found = sheet.find(bakedpictures::kSplash);
    return found != sheet.end() ? found->second : programart::splashPicture();
}

} // namespace

int main(int argc, char** argv) {
    // The headless tools (report, render, extract pictures) need no window.
    const LaunchRequest request = runCommandLine(argc, argv);
    if (request.exitStatus)
        return *request.exitStatus;

    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    KorvaApplication app(argc, argv);

    auto* splash = new TSplash(splashPicture());
    Splash = splash;
    splash->show();
    QCoreApplication::processEvents();

    try {
        MainFormSetup setup;
        setup.loadModule = &openPictureModule;
        TMainForm mainForm(std::move(setup));
        FirstPaintProbe::watchIfAsked(&mainForm.mapView()); // start-up benchmark only
        mainForm.show();
        // A move file named on the command line (a double-click on an e-mailed turn).
        if (!request.moveFile.isEmpty())
            mainForm.OpenMove(QDir::current().absoluteFilePath(request.moveFile));
        KorvaApplication::exec();
    } catch (const std::exception& error) {
        KorvaApplication::reportException(QString::fromLocal8Bit(error.what()));
    }
    delete Splash.data();
    return 0;
}
