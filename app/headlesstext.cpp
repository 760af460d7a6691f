#include "app/headlesstext.h"

#include "translations/language.h"

#include <QCoreApplication>

#include <memory>

namespace {

std::unique_ptr<QCoreApplication>& application() {
    static std::unique_ptr<QCoreApplication> instance;
    return instance;
}

} // namespace

namespace headlesstext {

void begin() {
    if (QCoreApplication::instance())
        return;
    // Qt keeps a reference to the count and the arguments for the application's life.
    static int argc = 1;
    static char name[] = "korva";
    static char* argv[] = {name, nullptr};
    application() = std::make_unique<QCoreApplication>(argc, argv);
    language::installPreferred();
}

void end() {
    application().reset();
}

} // namespace headlesstext
