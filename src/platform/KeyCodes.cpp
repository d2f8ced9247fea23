#include "platform/KeyCodes.h"
#include <utility>

namespace {
struct KeyPair {
    int qt;
    std::uint16_t vk;
};

constexpr KeyPair kNamedKeys[] = {
    {Qt::Key_Backspace, VK_BACK},      {Qt::Key_Tab, VK_TAB},          {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Clear, VK_CLEAR},         {Qt::Key_Return, VK_RETURN},    {Qt::Key_Enter, VK_RETURN},
    {Qt::Key_Shift, VK_SHIFT},         {Qt::Key_Control, VK_CONTROL},  {Qt::Key_Alt, VK_MENU},
    {Qt::Key_Pause, VK_PAUSE},         {Qt::Key_CapsLock, VK_CAPITAL}, {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE},         {Qt::Key_PageUp, VK_PRIOR},     {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_End, VK_END},             {Qt::Key_Home, VK_HOME},        {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},               {Qt::Key_Right, VK_RIGHT},      {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Select, VK_SELECT},       {Qt::Key_Print, VK_SNAPSHOT},   {Qt::Key_Execute, VK_EXECUTE},
    {Qt::Key_Insert, VK_INSERT},       {Qt::Key_Delete, VK_DELETE},    {Qt::Key_Help, VK_HELP},
    {Qt::Key_Meta, VK_LWIN},           {Qt::Key_Menu, VK_APPS},        {Qt::Key_NumLock, VK_NUMLOCK},
    {Qt::Key_ScrollLock, VK_SCROLL},   {Qt::Key_Semicolon, VK_OEM_1},  {Qt::Key_Colon, VK_OEM_1},
    {Qt::Key_Equal, VK_OEM_PLUS},      {Qt::Key_Comma, VK_OEM_COMMA},  {Qt::Key_Less, VK_OEM_COMMA},
    {Qt::Key_Period, VK_OEM_PERIOD},   {Qt::Key_Greater, VK_OEM_PERIOD}, {Qt::Key_Slash, VK_OEM_2},
    {Qt::Key_Question, VK_OEM_2},      {Qt::Key_QuoteLeft, VK_OEM_3},  {Qt::Key_AsciiTilde, VK_OEM_3},
    {Qt::Key_BracketLeft, VK_OEM_4},   {Qt::Key_BraceLeft, VK_OEM_4},  {Qt::Key_Backslash, VK_OEM_5},
    {Qt::Key_Bar, VK_OEM_5},           {Qt::Key_BracketRight, VK_OEM_6}, {Qt::Key_BraceRight, VK_OEM_6},
    {Qt::Key_Apostrophe, VK_OEM_7},    {Qt::Key_QuoteDbl, VK_OEM_7},  {Qt::Key_Minus, VK_OEM_MINUS},
    {Qt::Key_Underscore, VK_OEM_MINUS}, {Qt::Key_Plus, VK_OEM_PLUS},
};

// On the keypad these keys have codes of their own.
constexpr KeyPair kKeypadKeys[] = {
    {Qt::Key_Asterisk, VK_MULTIPLY}, {Qt::Key_Plus, VK_ADD},     {Qt::Key_Minus, VK_SUBTRACT},
    {Qt::Key_Period, VK_DECIMAL},    {Qt::Key_Comma, VK_DECIMAL}, {Qt::Key_Slash, VK_DIVIDE},
};

// Shifted digits on the main keyboard still report the digit key.
constexpr std::pair<int, char> kShiftedDigits[] = {
    {Qt::Key_Exclam, '1'},     {Qt::Key_At, '2'},         {Qt::Key_NumberSign, '3'}, {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},    {Qt::Key_AsciiCircum, '6'}, {Qt::Key_Ampersand, '7'}, {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},  {Qt::Key_ParenRight, '0'},
};
} // namespace

std::uint16_t VirtualKeyFromQt(int key, Qt::KeyboardModifiers modifiers)
{
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return std::uint16_t((keypad ? VK_NUMPAD0 : '0') + (key - Qt::Key_0));
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return std::uint16_t('A' + (key - Qt::Key_A));
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return std::uint16_t(VK_F1 + (key - Qt::Key_F1));
    if (keypad)
        for (const auto& k : kKeypadKeys)
            if (k.qt == key)
                return k.vk;
    for (const auto& k : kNamedKeys)
        if (k.qt == key)
            return k.vk;
    for (const auto& [qt, vk] : kShiftedDigits)
        if (qt == key)
            return std::uint16_t(vk);
    return 0;
}

TShiftState ShiftStateFromQt(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    TShiftState s;
    s.setFlag(TShiftStateItem::ssShift, modifiers.testFlag(Qt::ShiftModifier));
    s.setFlag(TShiftStateItem::ssAlt, modifiers.testFlag(Qt::AltModifier));
    s.setFlag(TShiftStateItem::ssCtrl, modifiers.testFlag(Qt::ControlModifier));
    s.setFlag(TShiftStateItem::ssLeft, buttons.testFlag(Qt::LeftButton));
    s.setFlag(TShiftStateItem::ssRight, buttons.testFlag(Qt::RightButton));
    s.setFlag(TShiftStateItem::ssMiddle, buttons.testFlag(Qt::MiddleButton));
    return s;
}
