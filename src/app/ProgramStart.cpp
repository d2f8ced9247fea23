#include "app/ProgramStart.h"
#include "app/ProgramWindows.h"
#include "ui/UVostrelanteFirmWare.h"
#include "widgets/dropdown/GridDropDownEditors.h"

#include <QCoreApplication>

std::unique_ptr<TFVostrelanteFirmWare> Start_Program()
{
    QCoreApplication::setApplicationName(QStringLiteral("Vostrelant"));
    // The grid opens its drop-down cell editors through this library, which stands on the grid.
    RegisterGridDropDownEditors();

    // The main window comes first: it sets the state and the texts every other window starts from.
    auto main = std::make_unique<TFVostrelanteFirmWare>(QCoreApplication::applicationDirPath());
    Create_Program_Windows(*main);
    main->show();
    return main;
}
