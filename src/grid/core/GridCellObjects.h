#pragma once
// Small types of the grid's picture, indicator and marker cells.
#include "grid/foundation/GridProgress.h"
#include <QObject>
#include <cstdint>
#include <functional>

enum class TBalloonIcon { biNone, biInfo, biWarning, biError };

// A cell scroll bar's page size and range; both -1 for a cell without one.
struct TScrollProp {
    std::int32_t PageSize = -1;
    std::int32_t Range = -1;
};

using TRatingChangeEvent = std::function<void(QObject* Sender, int ACol, int ARow, double& NewRate, bool& Allow)>;
