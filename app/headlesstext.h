#pragma once

// The headless commands speak the player's language too, and Qt translates only through an
// application: this one lives from the first word a command prints until a command makes an
// application of its own (drawing needs a QGuiApplication) or the window starts.
namespace headlesstext {

// Makes the application and loads the player's language, unless an application runs.
void begin();
// Ends the application begin() made; a command's own application loads the language again
// with language::installPreferred().
void end();

} // namespace headlesstext
