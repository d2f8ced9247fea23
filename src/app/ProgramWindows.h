#pragma once
// The program's dialog windows: created once, after the main window, in the program's fixed order.

class TFVostrelanteFirmWare;

// Creates every dialog window as a child of `main` and registers it there under its form name.
void Create_Program_Windows(TFVostrelanteFirmWare& main);
