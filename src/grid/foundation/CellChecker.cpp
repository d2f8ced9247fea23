#include "grid/foundation/CellChecker.h"

QString ZEvuZudedoZadaRudiv::MarkError(int, int, const QString& s) { return s; }

QString ZEvuZudedoZadaRudiv::Correct(int, int, const QString& s) { return s; }

void ZEvuZudedoZadaRudiv::StartCheck() {}

void ZEvuZudedoZadaRudiv::StopCheck() {}
