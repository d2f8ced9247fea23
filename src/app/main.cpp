#include "app/ProgramWindows.h"
#include "ui/UVostrelanteFirmWare.h"
#include "widgets/dropdown/GridDropDownEditors.h"

#include <QApplication>
#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Vostrelant"));
    // The grid opens its drop-down cell editors through this library, which stands on the grid.
    RegisterGridDropDownEditors();

    // The main window comes first: it sets the state and the texts every other window starts from.
    const auto main = std::make_unique<TFVostrelanteFirmWare>(QCoreApplication::applicationDirPath());
    Create_Program_Windows(*main);

    main->show();
    return app.exec();
}
