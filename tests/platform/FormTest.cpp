#include "platform/Form.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class ProbeForm : public TForm {
public:
    ProbeForm()
    {
        Edit = new QLineEdit(this);
    }
    QLineEdit* Edit;
    int Shows = 0;
    int Closes = 0;
    bool AllowClose = true;
    QList<int> KeysSeen;

protected:
    void FormShow() override { ++Shows; }
    bool FormCloseQuery() override { return AllowClose; }
    void FormClose() override { ++Closes; }
    void FormKeyDown(int& Key, Qt::KeyboardModifiers) override
    {
        KeysSeen << Key;
        if (Key == Qt::Key_A)
            Key = 0;
    }
};

TEST(Form, ModalResultClosesTheModalLoopAndIsReturned)
{
    ProbeForm form;
    QTimer::singleShot(0, [&] { form.SetModalResult(mrYes); });
    EXPECT_EQ(form.ShowModal(), mrYes);
    EXPECT_EQ(form.Shows, 1);
    EXPECT_EQ(form.Closes, 1);
    EXPECT_FALSE(form.isVisible());

    // Shown again, the result starts afresh.
    QTimer::singleShot(0, [&] { form.close(); });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(form.Shows, 2);
}

TEST(Form, CloseQueryCanKeepTheFormOpen)
{
    ProbeForm form;
    form.AllowClose = false;
    QTimer::singleShot(0, [&] {
        form.SetModalResult(mrOk);
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(form.ModalResult(), mrNone);
        EXPECT_EQ(form.Closes, 0);
        form.AllowClose = true;
        form.SetModalResult(mrOk);
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
}

TEST(Form, EscapeDoesNotCloseAndKeyPreviewSeesKeysFirst)
{
    ProbeForm form;
    form.SetKeyPreview(true);
    QTimer::singleShot(0, [&] {
        form.Edit->setFocus();
        QTest::keyClick(form.Edit, Qt::Key_Escape);
        EXPECT_TRUE(form.isVisible());
        QTest::keyClick(form.Edit, Qt::Key_A);  // swallowed by the form
        QTest::keyClick(form.Edit, Qt::Key_B);
        EXPECT_EQ(form.Edit->text(), "b");
        form.SetModalResult(mrOk);
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    // Each key once, although ignored keys travel on to the parents.
    EXPECT_EQ(form.KeysSeen, (QList<int>{Qt::Key_Escape, Qt::Key_A, Qt::Key_B}));
}

} // namespace
