#pragma once
// The options of the grid's text search; bit n of the stored set is member n.
#include "platform/EnumSet.h"

enum class TFindParameters {
    fnMatchCase, fnMatchFull, fnMatchRegular, fnDirectionLeftRight, fnMatchStart, fnFindInCurrentRow,
    fnFindInCurrentCol, fnIncludeFixed, fnAutoGoto, fnIgnoreHTMLTags, fnBackward, fnIncludeHiddenColumns,
    fnFindInPresetCol, fnFindInPresetRow, fnSelectedCells, fnIncludeHiddenRows
};
using TFindParams = TEnumSet<TFindParameters>;
