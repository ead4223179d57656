// One QApplication for every screen test, offscreen, with the default world
// of the build as the data folder and a throw-away program folder.
#include "plataforma/caminhos.hpp"
#include "ui/traducao.hpp"
#include "world/idioma.hpp"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Offscreen always; a caller may give the offscreen screen its own size.
    if (!qgetenv("QT_QPA_PLATFORM").startsWith("offscreen"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // No sound server here: the audio back end is told so at once, rather
    // than left to look for (or start) one while a test waits.
    if (qgetenv("PULSE_SERVER").isEmpty()) qputenv("PULSE_SERVER", "unix:/nonexistent/pulse");
    qputenv("PITCHLORD_SEM_SOM", "1");
    QApplication app(argc, argv);
    ui::InstalarTraducaoQt(app);
    ::testing::InitGoogleTest(&argc, argv);
    QTemporaryDir programa;
    plataforma::DefinirRaiz(PITCHLORD_JOGO);
    plataforma::DefinirPastaPrograma(programa.path().toStdString());
    world::IniciarIdioma();
    return RUN_ALL_TESTS();
}
