// The program's own start-up, every window it makes at start included, ended at the main window's first paint.
#include "FirstFrame.h"
#include "app/ProgramStart.h"
#include "ui/UVostrelanteFirmWare.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const auto main = Start_Program();
    TFirstFrame firstFrame;
    main->installEventFilter(&firstFrame);
    return app.exec();
}
