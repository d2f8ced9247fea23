// A Qt Widgets hello-world, ended at its first paint: what the program's start-up is measured against.
#include "FirstFrame.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Hello, world"), &window));
    TFirstFrame firstFrame;
    window.installEventFilter(&firstFrame);
    window.show();
    return app.exec();
}
