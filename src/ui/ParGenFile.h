#pragma once
// ParGen.xml: the project's communication parameters, read into and written from the controls of the
// built model's panels.
#include <QByteArray>
#include <QString>

class TParControls;
namespace Xml {
struct TElement;
}

// Every element of the root into its control; a missing element (a null root: all of them) gives the
// older element where one exists, else the control's design value.
void Read_ParGen(const Xml::TElement* root, const TParControls& controls);

// The whole file from the controls: root Par_Gen, its 54 elements in their order, then the comment.
QByteArray ParGen_Content(const TParControls& controls);
// Writes it to path, whole or not at all, and only inside Project_Dir; false with the message.
bool Write_ParGen(const TParControls& controls, const QString& path, QString* error);
