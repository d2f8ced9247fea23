#pragma once
// The checks made on the communication parameters before ParGen.xml is written.
#include <QString>

class TParControls;

// True (an error) when the name holds anything but the digits and the letters A to Z, a to z.
bool Check_Device_Name(const QString& Name);

// The text number of the first check that fails, in their fixed order; 0 when every check passes.
int First_ParGen_Error(const TParControls& controls);
