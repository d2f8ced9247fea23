#include "app/ProgramStart.h"
#include "ui/UVostrelanteFirmWare.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const auto main = Start_Program();
    return app.exec();
}
