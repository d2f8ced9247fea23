#pragma once
// Message boxes and file dialogs. Every box and dialog passes through a hook when one is set,
// so windows can be driven without a screen and their questions read back.
#include "platform/EnumSet.h"
#include "platform/ModalResult.h"
#include <QString>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>

class QWidget;

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum class TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll,
                        mbHelp, mbClose };

using TMsgDlgButtons = TEnumSet<TMsgDlgBtn>;

// The platform's MessageBox flags and answers (the answers equal the modal results).
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_ABORTRETRYIGNORE = 0x2;
constexpr unsigned MB_YESNOCANCEL = 0x3;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_RETRYCANCEL = 0x5;
constexpr unsigned MB_ICONERROR = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONWARNING = 0x30;
constexpr unsigned MB_ICONINFORMATION = 0x40;
constexpr unsigned MB_DEFBUTTON2 = 0x100;
constexpr unsigned MB_DEFBUTTON3 = 0x200;
constexpr int IDOK = mrOk;
constexpr int IDCANCEL = mrCancel;
constexpr int IDABORT = mrAbort;
constexpr int IDRETRY = mrRetry;
constexpr int IDIGNORE = mrIgnore;
constexpr int IDYES = mrYes;
constexpr int IDNO = mrNo;

// What one message box asks. DefaultResult is what Enter would choose, CancelResult what Escape
// or closing the box gives.
struct TMessageRequest {
    QString Text;
    QString Caption;
    TMsgDlgType Type = TMsgDlgType::mtInformation;
    TMsgDlgButtons Buttons;
    TModalResult DefaultResult = mrOk;
    TModalResult CancelResult = mrOk;
};

// Toolkit forms. MessageDlg's caption follows the type ("Error", "Confirm", ...).
TModalResult MessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons);
void ShowMessage(const QString& Msg);
int MessageBox(const QString& Text, const QString& Caption, unsigned Flags);

struct TFileDialogRequest {
    bool Save = false;
    QString Title;
    QString InitialDir;
    QString Filter;      // toolkit spelling: "Description|*.ext|Other|*.a;*.b"
    QString DefaultExt;  // appended when the chosen name has no extension ("csv", ".csv" or "*.csv")
    QString FileName;    // proposed name
};

// The name a save dialog returns for a typed name: `ext` ("csv", ".csv" or "*.csv") appended when the
// name has no extension.
QString WithDefaultExt(const QString& name, QString ext);
// True with the chosen file name, false when the user cancels.
bool PromptForOpenFile(const TFileDialogRequest& Request, QString& FileName);
bool PromptForSaveFile(const TFileDialogRequest& Request, QString& FileName);

// Test hooks: while set, no real box or dialog opens. A file hook returns the name the user would
// choose (as typed) or nothing for Cancel. An empty function restores the real windows.
using TMessageHook = std::function<TModalResult(const TMessageRequest&)>;
using TFileDialogHook = std::function<std::optional<QString>(const TFileDialogRequest&)>;
void SetMessageHook(TMessageHook hook);
void SetFileDialogHook(TFileDialogHook hook);

// Toolkit filter "A|*.a|B|*.b;*.c" as Qt's "A (*.a);;B (*.b *.c)".
QString QtFileFilter(const QString& ToolkitFilter);
