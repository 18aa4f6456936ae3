// Writes a picture of the "How to play" window for the README:
//   QT_QPA_PLATFORM=offscreen howtoplay-shot docs/images/how-to-play.png [width height]
// The window is shown at the given logical size (660 x 900 by default) and
// grabbed as the screen shows it, at the screen's device pixel ratio.

#include <QApplication>
#include <QImage>
#include <QTextStream>
#include <cstdlib>

#include "howToPlayWindow.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2 && argc != 4) {
        QTextStream(stderr) << "usage: howtoplay-shot OUTPUT.png [WIDTH HEIGHT]\n";
        return EXIT_FAILURE;
    }
    THowToPlayWindow window;
    window.resize(argc == 4 ? std::atoi(argv[2]) : 660, argc == 4 ? std::atoi(argv[3]) : 900);
    window.show();
    QApplication::processEvents();
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        QTextStream(stderr) << "cannot write " << argv[1] << "\n";
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
