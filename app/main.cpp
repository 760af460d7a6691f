#include "app/commandline.h"
#include "app/files/filesfeature.h"
#include "app/firstpaintprobe.h"
#include "app/map/mapview.h"
#include "app/modules.h"
#include "app/pictures/bakedpictures.h"
#include "app/pictures/programart.h"
#include "app/shell/korvaapplication.h"
#include "app/shell/korvasettings.h"
#include "app/window/latesplash.h"
#include "app/window/tmainform.h"
#include "history/gamehistory.h"
#include "translations/language.h"

#include <QDir>
#include <QFontDatabase>
#include <QImageReader>

#include <fontconfig/fontconfig.h>

#include <thread>

int main(int argc, char** argv) {
    // The headless tools (report, render, extract pictures) need no window.
    const LaunchRequest request = runCommandLine(argc, argv);
    if (request.exitStatus)
        return *request.exitStatus;

    // A start that is slow for once (a cold disk, a picture module read from a folder) shows
    // the splash between the steps that build the window; a quick one goes straight to it.
    // The clock starts here.
    LateSplash splash([] {
        return bakedpictures::programPicture(bakedpictures::kSplash, &programart::splashPicture);
    });

    // The first window's pictures are decompressed and the fonts read (the font
    // configuration at once, the font database once the application exists) on other
    // threads while this one builds the window.
    std::jthread fontConfiguration([] { FcInit(); });
    bakedpictures::startLoading({QString::fromLatin1(bakedpictures::kProgramSheet),
                                 QString::fromLatin1(bakedpictures::kMapSheet),
                                 QString::fromLatin1(bakedpictures::kCounterSheet),
                                 QString::fromLatin1(bakedpictures::kTagSheet)});
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    KorvaApplication app(argc, argv);
    language::installPreferred();
    // The image format plugins, loaded by the first icon Qt reads (a tool bar's), meanwhile.
    std::jthread imagePlugins([] { QImageReader::supportedImageFormats(); });

    fontConfiguration.join();
    std::jthread fonts([] { QFontDatabase::families(); });
    splash.showIfLate();

    try {
        MainFormSetup setup;
        setup.loadModule = &openPictureModule;
        setup.settings = KorvaSettings::userStore();
        setup.historyFolder = GameHistory::defaultRoot();
        setup.progress = [&splash] { splash.showIfLate(); };
        TMainForm mainForm(std::move(setup));
        FirstPaintProbe::watchIfAsked(&mainForm.mapView()); // start-up benchmark only
        mainForm.show();
        // A move file named on the command line (a double-click on an e-mailed turn).
        if (!request.moveFile.isEmpty())
            mainForm.files().OpenMove(QDir::current().absoluteFilePath(request.moveFile));
        KorvaApplication::exec();
    } catch (const std::exception& error) {
        KorvaApplication::reportException(QString::fromUtf8(error.what()));
    }
    delete Splash.data();
    return 0;
}
