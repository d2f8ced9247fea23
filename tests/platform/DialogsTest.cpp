#include "platform/Dialogs.h"
#include "support/FileDialogRecorder.h"
#include "support/MessageBoxRecorder.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using B = TMsgDlgBtn;

struct BoxCase {
    unsigned flags;
    TMsgDlgButtons buttons;
    TModalResult def;
    TModalResult cancel;
    TMsgDlgType type;
};

const BoxCase kBoxCases[] = {
    {MB_OK | MB_ICONERROR, {B::mbOK}, IDOK, IDOK, TMsgDlgType::mtError},
    {MB_OKCANCEL | MB_ICONWARNING, {B::mbOK, B::mbCancel}, IDOK, IDCANCEL, TMsgDlgType::mtWarning},
    {MB_YESNO | MB_ICONQUESTION, {B::mbYes, B::mbNo}, IDYES, IDNO, TMsgDlgType::mtConfirmation},
    {MB_YESNO | MB_DEFBUTTON2, {B::mbYes, B::mbNo}, IDNO, IDNO, TMsgDlgType::mtCustom},
    {MB_YESNOCANCEL | MB_DEFBUTTON3 | MB_ICONINFORMATION, {B::mbYes, B::mbNo, B::mbCancel}, IDCANCEL, IDCANCEL,
     TMsgDlgType::mtInformation},
    {MB_ABORTRETRYIGNORE, {B::mbAbort, B::mbRetry, B::mbIgnore}, IDABORT, IDABORT, TMsgDlgType::mtCustom},
    {MB_RETRYCANCEL | MB_DEFBUTTON3, {B::mbRetry, B::mbCancel}, IDRETRY, IDCANCEL, TMsgDlgType::mtCustom},
};

TEST(Dialogs, MessageBoxFlagsGiveButtonsDefaultAndCancel)
{
    for (const BoxCase& c : kBoxCases) {
        SCOPED_TRACE(c.flags);
        MessageBoxRecorder boxes;
        EXPECT_EQ(MessageBox("text", "caption", c.flags), c.def);
        ASSERT_EQ(boxes.requests().size(), 1u);
        const TMessageRequest& r = boxes.requests()[0];
        EXPECT_EQ(r.Text, "text");
        EXPECT_EQ(r.Caption, "caption");
        EXPECT_TRUE(r.Buttons == c.buttons);
        EXPECT_EQ(r.CancelResult, c.cancel);
        EXPECT_EQ(r.Type, c.type);
    }
}

TEST(Dialogs, MessageDlgDefaultsFollowTheButtonsAndTheCaptionTheType)
{
    MessageBoxRecorder boxes;
    EXPECT_EQ(MessageDlg("q", TMsgDlgType::mtConfirmation, {B::mbYes, B::mbNo, B::mbCancel}), mrYes);
    EXPECT_EQ(MessageDlg("e", TMsgDlgType::mtError, {B::mbOK}), mrOk);
    ASSERT_EQ(boxes.requests().size(), 2u);
    EXPECT_EQ(boxes.requests()[0].Caption, "Confirm");
    EXPECT_EQ(boxes.requests()[0].CancelResult, mrCancel);
    EXPECT_EQ(boxes.requests()[1].Caption, "Error");
    EXPECT_EQ(boxes.texts(), (QStringList{"q", "e"}));
}

TEST(Dialogs, RecorderTakesQueuedAnswersFirstThenTheStandingOne)
{
    MessageBoxRecorder boxes;
    boxes.answerAll(mrNo);
    boxes.answerNext({mrCancel});
    EXPECT_EQ(MessageBox("a", "", MB_YESNOCANCEL), IDCANCEL);
    EXPECT_EQ(MessageBox("b", "", MB_YESNOCANCEL), IDNO);
}

// The real box: its buttons map back to the toolkit's results.
TEST(Dialogs, RealBoxReportsTheClickedButton)
{
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), "<b>Really?</b>");
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->buttons().size(), 2);
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(MessageDlg("<b>Really?</b>", TMsgDlgType::mtConfirmation, {B::mbYes, B::mbNo}), mrNo);
}

TEST(Dialogs, SaveDialogAppendsTheDefaultExtensionOnlyToANameWithout)
{
    FileDialogRecorder files;
    TFileDialogRequest r;
    r.InitialDir = "/tmp/x";
    r.DefaultExt = "*.eds";
    QString name = "untouched";
    EXPECT_FALSE(PromptForSaveFile(r, name));  // cancelled
    EXPECT_EQ(name, "untouched");

    files.choose(QString("/tmp/x/dev"));
    ASSERT_TRUE(PromptForSaveFile(r, name));
    EXPECT_EQ(name, "/tmp/x/dev.eds");
    files.choose(QString("/tmp/x/dev.txt"));
    ASSERT_TRUE(PromptForSaveFile(r, name));
    EXPECT_EQ(name, "/tmp/x/dev.txt");

    ASSERT_EQ(files.requests().size(), 3u);
    EXPECT_TRUE(files.requests()[0].Save);
    EXPECT_EQ(files.requests()[0].InitialDir, "/tmp/x");
    ASSERT_TRUE(PromptForOpenFile(r, name));
    EXPECT_FALSE(files.requests()[3].Save);
}

TEST(Dialogs, ToolkitFilterBecomesQtFilter)
{
    EXPECT_EQ(QtFileFilter("CSV (MS-DOS) (*.csv)|*.csv"), "CSV (MS-DOS) (*.csv)");   // named once, not twice
    EXPECT_EQ(QtFileFilter("CSV (MS-DOS)|*.csv"), "CSV (MS-DOS) (*.csv)");
    EXPECT_EQ(QtFileFilter("Text|*.txt;*.lst|All|*.*"), "Text (*.txt *.lst);;All (*.*)");
    EXPECT_EQ(QtFileFilter(""), "");
}

} // namespace
