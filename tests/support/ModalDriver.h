#pragma once
// Acts on the next modal window once it is up, from inside its modal loop.
#include <functional>

class QWidget;

// `act` runs once, with the modal window, as soon as one is showing (checked every few milliseconds,
// given up after about 2 s).
void OnNextModal(std::function<void(QWidget* modal)> act);
