#pragma once
// Where a caption stands relative to the image or colour box of an item or key.
enum class TItemLayout { ilCaptionLeft, ilCaptionRight, ilCaptionTop, ilCaptionBottom };
