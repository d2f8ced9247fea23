#include "ui/UAbout.h"
#include "ui/UBoot.h"
#include "ui/UNew_Project.h"
#include "ui/UOpenConf.h"
#include "ui/UParGen.h"
#include "ui/UProfinetFileName.h"
#include "ui/USoftOptions.h"
#include "ui/UVostrelanteFirmWare.h"

#include <QApplication>
#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Vostrelant"));

    // The main window comes first: it sets the state and the texts every other window starts from.
    const auto main = std::make_unique<TFVostrelanteFirmWare>(QCoreApplication::applicationDirPath());
    auto add = [&main](const char* name, auto* form) {
        main->Add_Window(QString::fromLatin1(name), form, [form] { form->Set_Lang(); });
    };
    add("FNew_Project", new TFNew_Project(main.get()));
    add("FOpenConf", new TFOpenConf(main.get()));
    new TFAbout(main.get());
    add("FSoftOptions", new TFSoftOptions(main.get()));
    add("FParGen", new TFParGen(main.get()));
    add("FProfinetFileName", new TFProfinetFileName(main.get()));
    auto* boot = new TFBoot(main.get());
    add("FBoot", boot);
    main->OnShowBoot = [boot](std::uint32_t BACnetType, std::uint32_t) { boot->Show_Update(BACnetType); };

    main->show();
    return app.exec();
}
