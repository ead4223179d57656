#pragma once
// The texts Qt writes itself (the buttons of its standard dialogs, the
// editing menu of a text box) in the game's language: the buttons the game's
// own dialogs also show come from the language file, the rest are built in.
class QCoreApplication;

namespace ui {

// Installs the translator once for the application; it reads the current
// language at every lookup, so a change of language applies at once.
void InstalarTraducaoQt(QCoreApplication& app);

} // namespace ui
