#include "platform/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <iterator>
#include <utility>
#include <vector>

namespace {

TMessageHook& MessageHook()
{
    static TMessageHook hook;
    return hook;
}

TFileDialogHook& FileDialogHook()
{
    static TFileDialogHook hook;
    return hook;
}

struct ButtonInfo {
    TMsgDlgBtn Btn;
    TModalResult Result;
    QMessageBox::StandardButton Standard;
};

// In the toolkit's order, which is also the order the buttons stand in the box.
constexpr ButtonInfo kButtons[] = {
    {TMsgDlgBtn::mbYes, mrYes, QMessageBox::Yes},
    {TMsgDlgBtn::mbNo, mrNo, QMessageBox::No},
    {TMsgDlgBtn::mbOK, mrOk, QMessageBox::Ok},
    {TMsgDlgBtn::mbCancel, mrCancel, QMessageBox::Cancel},
    {TMsgDlgBtn::mbAbort, mrAbort, QMessageBox::Abort},
    {TMsgDlgBtn::mbRetry, mrRetry, QMessageBox::Retry},
    {TMsgDlgBtn::mbIgnore, mrIgnore, QMessageBox::Ignore},
    {TMsgDlgBtn::mbAll, mrAll, QMessageBox::NoButton},
    {TMsgDlgBtn::mbNoToAll, mrNoToAll, QMessageBox::NoToAll},
    {TMsgDlgBtn::mbYesToAll, mrYesToAll, QMessageBox::YesToAll},
    {TMsgDlgBtn::mbHelp, mrHelp, QMessageBox::Help},
    {TMsgDlgBtn::mbClose, mrClose, QMessageBox::Close},
};

QMessageBox::Icon IconOf(TMsgDlgType type)
{
    switch (type) {
    case TMsgDlgType::mtWarning: return QMessageBox::Warning;
    case TMsgDlgType::mtError: return QMessageBox::Critical;
    case TMsgDlgType::mtInformation: return QMessageBox::Information;
    case TMsgDlgType::mtConfirmation: return QMessageBox::Question;
    case TMsgDlgType::mtCustom: break;
    }
    return QMessageBox::NoIcon;
}

TModalResult ShowRealBox(const TMessageRequest& r)
{
    QMessageBox box(IconOf(r.Type), r.Caption, r.Text, QMessageBox::NoButton, QApplication::activeWindow());
    // Texts carry names the user typed: shown as they are, never read as markup.
    box.setTextFormat(Qt::PlainText);
    std::vector<std::pair<QAbstractButton*, TModalResult>> results;
    for (const ButtonInfo& b : kButtons) {
        if (!r.Buttons.Contains(b.Btn))
            continue;
        QPushButton* button = b.Standard == QMessageBox::NoButton
                                  ? box.addButton(QObject::tr("All"), QMessageBox::AcceptRole)
                                  : box.addButton(b.Standard);
        results.emplace_back(button, b.Result);
        if (b.Result == r.DefaultResult)
            box.setDefaultButton(button);
        if (b.Result == r.CancelResult)
            box.setEscapeButton(button);
    }
    box.exec();
    for (const auto& [button, result] : results)
        if (box.clickedButton() == button)
            return result;
    return r.CancelResult;
}

TModalResult Run(const TMessageRequest& r)
{
    return MessageHook() ? MessageHook()(r) : ShowRealBox(r);
}

QString CaptionOf(TMsgDlgType type)
{
    switch (type) {
    case TMsgDlgType::mtWarning: return QStringLiteral("Warning");
    case TMsgDlgType::mtError: return QStringLiteral("Error");
    case TMsgDlgType::mtInformation: return QStringLiteral("Information");
    case TMsgDlgType::mtConfirmation: return QStringLiteral("Confirm");
    case TMsgDlgType::mtCustom: break;
    }
    return QApplication::applicationName();
}

bool PromptForFile(const TFileDialogRequest& r, QString& FileName)
{
    std::optional<QString> chosen;
    if (FileDialogHook()) {
        chosen = FileDialogHook()(r);
    } else {
        QFileDialog dialog(QApplication::activeWindow(), r.Title, r.InitialDir, QtFileFilter(r.Filter));
        dialog.setAcceptMode(r.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(r.Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        // The callers ask their own overwrite question.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        if (!r.FileName.isEmpty())
            dialog.selectFile(r.FileName);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            chosen = dialog.selectedFiles().constFirst();
    }
    if (!chosen || chosen->isEmpty())
        return false;
    FileName = WithDefaultExt(*chosen, r.DefaultExt);
    return true;
}

} // namespace

QString WithDefaultExt(const QString& name, QString ext)
{
    while (ext.startsWith(QLatin1Char('*')) || ext.startsWith(QLatin1Char('.')))
        ext.remove(0, 1);
    if (ext.isEmpty() || !QFileInfo(name).suffix().isEmpty())
        return name;
    return name + QLatin1Char('.') + ext;
}

TModalResult MessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons)
{
    using B = TMsgDlgBtn;
    TMessageRequest r{Msg, CaptionOf(DlgType), DlgType, Buttons, mrOk, mrOk};
    r.DefaultResult = Buttons.Contains(B::mbOK) ? mrOk : Buttons.Contains(B::mbYes) ? mrYes : mrRetry;
    r.CancelResult = Buttons.Contains(B::mbCancel) ? mrCancel : Buttons.Contains(B::mbNo) ? mrNo : mrOk;
    return Run(r);
}

void ShowMessage(const QString& Msg)
{
    Run({Msg, QApplication::applicationName(), TMsgDlgType::mtCustom, {TMsgDlgBtn::mbOK}, mrOk, mrOk});
}

int MessageBox(const QString& Text, const QString& Caption, unsigned Flags)
{
    using B = TMsgDlgBtn;
    struct Layout {
        TMsgDlgButtons Buttons;
        TModalResult Order[3];
        TModalResult Cancel;
    };
    static const Layout kLayouts[] = {
        {{B::mbOK}, {mrOk}, mrOk},
        {{B::mbOK, B::mbCancel}, {mrOk, mrCancel}, mrCancel},
        {{B::mbAbort, B::mbRetry, B::mbIgnore}, {mrAbort, mrRetry, mrIgnore}, mrAbort},
        {{B::mbYes, B::mbNo, B::mbCancel}, {mrYes, mrNo, mrCancel}, mrCancel},
        {{B::mbYes, B::mbNo}, {mrYes, mrNo}, mrNo},
        {{B::mbRetry, B::mbCancel}, {mrRetry, mrCancel}, mrCancel},
    };
    const unsigned kind = Flags & 0xF;
    const Layout& l = kLayouts[kind < std::size(kLayouts) ? kind : 0];
    unsigned def = (Flags >> 8) & 0xF;
    if (def > 2 || l.Order[def] == mrNone)
        def = 0;
    TMsgDlgType type = TMsgDlgType::mtCustom;
    switch (Flags & 0xF0) {
    case MB_ICONERROR: type = TMsgDlgType::mtError; break;
    case MB_ICONQUESTION: type = TMsgDlgType::mtConfirmation; break;
    case MB_ICONWARNING: type = TMsgDlgType::mtWarning; break;
    case MB_ICONINFORMATION: type = TMsgDlgType::mtInformation; break;
    default: break;
    }
    return Run({Text, Caption, type, l.Buttons, l.Order[def], l.Cancel});
}

bool PromptForOpenFile(const TFileDialogRequest& Request, QString& FileName)
{
    TFileDialogRequest r = Request;
    r.Save = false;
    return PromptForFile(r, FileName);
}

bool PromptForSaveFile(const TFileDialogRequest& Request, QString& FileName)
{
    TFileDialogRequest r = Request;
    r.Save = true;
    return PromptForFile(r, FileName);
}

void SetMessageHook(TMessageHook hook)
{
    MessageHook() = std::move(hook);
}

void SetFileDialogHook(TFileDialogHook hook)
{
    FileDialogHook() = std::move(hook);
}

QString QtFileFilter(const QString& ToolkitFilter)
{
    const QStringList parts = ToolkitFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        // A description that already names its patterns ("CSV (*.csv)") is shown as it stands.
        const QString named = QLatin1Char('(') + patterns + QLatin1Char(')');
        filters << (parts[i].endsWith(named) ? parts[i] : parts[i] + QLatin1Char(' ') + named);
    }
    return filters.join(QStringLiteral(";;"));
}
