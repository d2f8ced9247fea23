#pragma once
// The program's start-up, shared by main() and the start-up probe that measures it.
#include <memory>

class TFVostrelanteFirmWare;

// Registers what the windows stand on, builds the main window and every window of the program, and shows the
// main window. A QApplication must exist.
std::unique_ptr<TFVostrelanteFirmWare> Start_Program();
