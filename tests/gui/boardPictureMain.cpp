// Writes the README's picture of the board: board_picture [output.png]

#include <QApplication>
#include <cstdio>

#include "boardPicture.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString path =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(VELTAN_BOARD_PICTURE_PATH);
    if (!RenderBoardPicture().save(path, "PNG")) {
        std::fprintf(stderr, "board_picture: cannot write %s\n", qPrintable(path));
        return 1;
    }
    std::printf("board_picture: wrote %s\n", qPrintable(path));
    return 0;
}
